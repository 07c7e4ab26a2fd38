#include "store/user_prompts.h"

#include "store/password_check.h"

namespace zelvo {

Answer ScriptedPrompts::askYesNoCancel(std::string_view text) {
    questions.emplace_back(text);
    if (answers.empty()) return Answer::Cancel;
    const Answer a = answers.front();
    answers.erase(answers.begin());
    return a;
}

bool ScriptedPrompts::runPasswordCheck(PasswordCheck& check) {
    for (const std::string& attempt : passwordAttempts) {
        if (check.textChanged(attempt) == PasswordCheck::Outcome::Pending) check.okPressed(attempt);
        if (check.outcome() != PasswordCheck::Outcome::Pending) break;
    }
    if (check.outcome() == PasswordCheck::Outcome::Pending) check.cancelled();
    return check.outcome() == PasswordCheck::Outcome::Passed;
}

std::vector<std::string> ScriptedPrompts::chooseExportsToDelete(
    const std::vector<std::string>& files) {
    exportsOffered = files;
    return deleteOfferedExports ? files : std::vector<std::string>{};
}

}  // namespace zelvo
