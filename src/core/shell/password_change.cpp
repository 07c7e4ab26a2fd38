#include "shell/password_change.h"

#include <string>
#include <vector>

#include "resources/strings.h"
#include "shell/utf8_chars.h"
#include "store/cp1253.h"
#include "store/password_check.h"
#include "store/publisher_record.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

constexpr std::string_view kNoPassword = " ";

bool removesPassword(std::string_view typed) {
    return typed.empty() || typed.front() == ' ';
}

// The characters of `typed` (UTF-8, at most 13) that would not read back from the header row
// as typed, listed for the message; empty when the whole text can be kept.
std::string unusableCharacters(std::string_view typed) {
    const std::vector<std::string_view> chars = utf8Chars(typed);
    std::string stored;
    for (std::string_view c : chars) stored += cp1253::fromUtf8(c).substr(0, 1);
    const std::string kept = fileSafeText(PublisherRecord::kFirstName, stored);
    std::string list;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const bool inCodePage = cp1253::toUtf8(stored.substr(i, 1)) == chars[i];
        const bool keptAsTyped = i < kept.size() && kept[i] == stored[i];
        if (inCodePage && keptAsTyped) continue;
        if (!list.empty()) list += ", ";
        list += res::format(res::kPasswordCharAt, chars[i], std::to_string(i + 1));
    }
    return list;
}

}  // namespace

std::string PasswordChange::prompt() const {
    std::string text(res::kPasswordNewPrompt);
    if (confirming_) {
        text += ' ';
        text += res::kPasswordTryAgain;
    }
    return text;
}

void PasswordChange::textChanged(std::string_view typed) {
    if (finished()) return;
    const std::string cut = firstUtf8Chars(typed, kPasswordMax);
    editText_ = cut;
    if (cut.size() < typed.size()) okPressed(cut);
}

void PasswordChange::okPressed(std::string_view typed) {
    if (finished()) return;
    const std::string cut = firstUtf8Chars(typed, kPasswordMax);
    if (confirming_)
        finishSecond(cut);
    else
        finishFirst(cut);
}

void PasswordChange::cancelled() {
    if (!finished()) result_ = Result::NotChanged;
}

void PasswordChange::finishFirst(const std::string& typed) {
    // Refused at once: stored repaired, the password as typed would no longer open the data.
    if (!removesPassword(typed)) {
        unusable_ = unusableCharacters(typed);
        if (!unusable_.empty()) {
            result_ = Result::Unusable;
            return;
        }
    }
    first_ = typed;
    confirming_ = true;
    editText_.clear();
}

void PasswordChange::finishSecond(const std::string& typed) {
    if (typed != first_) {
        result_ = Result::NotChanged;
        return;
    }
    if (removesPassword(typed)) {
        newPassword_ = std::string(kNoPassword);
        result_ = Result::Removed;
    } else {
        newPassword_ = cp1253::fromUtf8(typed);
        result_ = Result::Changed;
    }
}

std::string PasswordChange::message() const {
    switch (result_) {
        case Result::Pending:
            return {};
        case Result::Changed:
            return std::string(res::kPasswordChanged);
        case Result::Removed:
            return std::string(res::kPasswordRemoved);
        case Result::NotChanged:
            return std::string(res::kPasswordNotChanged);
        case Result::Unusable:
            return res::format(res::kPasswordUnusable, unusable_) + "\n" +
                   std::string(res::kPasswordNotChanged);
    }
    return {};
}

bool PasswordChange::apply(CZelvoDoc& doc) const {
    if (result_ != Result::Changed && result_ != Result::Removed) return false;
    doc.header().setText(PublisherRecord::kFirstName, newPassword_);
    doc.markModified();
    return true;
}

bool changePassword(CZelvoDoc& doc, UserPrompts& prompts,
                    const std::function<void(PasswordChange&)>& runDialog) {
    PasswordCheck check(doc.header().password(), PasswordCheck::Gate::ChangePassword);
    if (check.needed() && !prompts.runPasswordCheck(check)) return false;
    PasswordChange change;
    runDialog(change);
    change.cancelled();  // a dialog that ended without a result was closed
    prompts.showMessage(change.message());
    return change.apply(doc);
}

}  // namespace zelvo
