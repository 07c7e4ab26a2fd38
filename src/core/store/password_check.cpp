#include "store/password_check.h"

#include "resources/strings.h"
#include "store/cp1253.h"

namespace zelvo {

PasswordCheck::PasswordCheck(std::string stored, Gate gate)
    : stored_(std::move(stored)), gate_(gate), outcome_(Outcome::Pending) {
    if (!needed()) outcome_ = Outcome::Passed;
}

std::string PasswordCheck::prompt() const {
    if (wrongOnce_) return std::string(res::kPasswordWrong);
    return std::string(gate_ == Gate::ChangePassword ? res::kPasswordPromptOld
                                                     : res::kPasswordPrompt);
}

std::string PasswordCheck::lastTryWarning() const {
    const std::string_view cost = gate_ == Gate::OpenData        ? res::kPasswordLastTryEnds
                                  : gate_ == Gate::OpenMonthCopy ? res::kPasswordLastTryCopy
                                                                 : res::kPasswordLastTryChange;
    return res::format(res::kPasswordLastTry, cost);
}

std::string PasswordCheck::endMessage() const {
    if (gate_ != Gate::OpenData || outcome_ != Outcome::Refused) return {};
    return std::string(res::kPasswordProgramEnds);
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
