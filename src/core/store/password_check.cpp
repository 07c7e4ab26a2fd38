#include "store/password_check.h"

#include "resources/strings.h"
#include "store/cp1253.h"

namespace zelvo {

PasswordCheck::PasswordCheck(std::string stored, bool askingOld)
    : stored_(std::move(stored)), askingOld_(askingOld), outcome_(Outcome::Pending) {
    if (!needed()) outcome_ = Outcome::Passed;
}

std::string PasswordCheck::prompt() const {
    if (wrongOnce_) return std::string(res::kPasswordWrong);
    return std::string(askingOld_ ? res::kPasswordPromptOld : res::kPasswordPrompt);
}

PasswordCheck::Outcome PasswordCheck::textChanged(std::string_view typed) {
    if (outcome_ != Outcome::Pending) return outcome_;
    const std::string text = cp1253::fromUtf8(typed);
    if (text == stored_) return outcome_ = Outcome::Passed;
    if (wrongOnce_) return outcome_ = Outcome::Refused;
    if (text.size() > kPasswordMax) return okPressed(typed);
    return outcome_;
}

PasswordCheck::Outcome PasswordCheck::okPressed(std::string_view typed) {
    if (outcome_ != Outcome::Pending) return outcome_;
    if (cp1253::fromUtf8(typed) == stored_) return outcome_ = Outcome::Passed;
    if (wrongOnce_) return outcome_ = Outcome::Refused;
    wrongOnce_ = true;
    return outcome_;
}

PasswordCheck::Outcome PasswordCheck::cancelled() {
    if (outcome_ == Outcome::Pending) outcome_ = Outcome::Refused;
    return outcome_;
}

}  // namespace zelvo
