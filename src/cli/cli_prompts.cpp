#include "cli/cli_prompts.h"

#include <ostream>

#include "resources/strings.h"
#include "store/password_check.h"

namespace zelvo::cli {

void CliPrompts::showMessage(std::string_view text) {
    err_ << text << '\n';
}

Answer CliPrompts::askYesNoCancel(std::string_view text) {
    err_ << text << " -> " << (answerYes_ ? res::kButtonYes : res::kButtonCancel) << '\n';
    return answerYes_ ? Answer::Yes : Answer::Cancel;
}

bool CliPrompts::runPasswordCheck(PasswordCheck& check) {
    if (password_) {
        if (check.textChanged(*password_) == PasswordCheck::Outcome::Pending)
            check.okPressed(*password_);
    }
    if (check.outcome() == PasswordCheck::Outcome::Pending) check.cancelled();
    return check.outcome() == PasswordCheck::Outcome::Passed;
}

}  // namespace zelvo::cli
