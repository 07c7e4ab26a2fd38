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

std::string ScriptedPrompts::chooseSaveFile(std::string_view, std::string_view suggested,
                                            std::string_view) {
    savesOffered.emplace_back(suggested);
    if (savePaths.empty()) return {};
    std::string path = savePaths.front();
    savePaths.erase(savePaths.begin());
    return path;
}

}  // namespace zelvo
