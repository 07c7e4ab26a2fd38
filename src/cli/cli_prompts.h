// The answers of zelvo-cli: messages go to standard error, questions are declined (or, for a
// command that runs a dialog's choice, answered Yes), the password comes from --password.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "store/user_prompts.h"

namespace zelvo::cli {

class CliPrompts : public UserPrompts {
public:
    CliPrompts(std::ostream& err, std::optional<std::string> password)
        : err_(err), password_(std::move(password)) {}

    // From now on a question is answered Yes (OK), as the user running the command chose.
    void answerYes() { answerYes_ = true; }

    void showMessage(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    bool runPasswordCheck(PasswordCheck& check) override;
    void showStartupNotice(std::string_view) override {}
    std::vector<std::string> chooseExportsToDelete(const std::vector<std::string>&) override {
        return {};
    }

private:
    std::ostream& err_;
    std::optional<std::string> password_;
    bool answerYes_ = false;
};

}  // namespace zelvo::cli
