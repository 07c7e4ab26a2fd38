// The questions and messages the core needs answered. The desktop program answers them with
// dialogs, zelvo-cli from its options, and tests with scripted answers. Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

class PasswordCheck;

enum class Answer { Yes, No, Cancel };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    virtual void showMessage(std::string_view text) = 0;
    virtual Answer askYesNoCancel(std::string_view text) = 0;
    // A Yes/No question with No as the default button; a box closed without an answer is No.
    virtual bool askYesNo(std::string_view text) { return askYesNoCancel(text) == Answer::Yes; }
    // A Yes/No/Cancel question whose Yes throws away what was typed: No is the default button.
    virtual Answer askYesNoCancelDefaultNo(std::string_view text) { return askYesNoCancel(text); }
    // An OK/Cancel question with Cancel as the default button; a box closed without an answer is
    // Cancel. Scripted answers: Yes is OK.
    virtual bool askOkCancel(std::string_view text) { return askYesNoCancel(text) == Answer::Yes; }
    // Runs the password dialog over `check` until it has passed or refused; true when passed.
    virtual bool runPasswordCheck(PasswordCheck& check) = 0;
    // The start-up notice (a message box with its three paragraphs).
    virtual void showStartupNotice(std::string_view text) = 0;
    // The warning about unencrypted exports left in the data folder: returns the file names the
    // user chose to delete (all are offered preselected); empty when cancelled.
    virtual std::vector<std::string> chooseExportsToDelete(
        const std::vector<std::string>& files) = 0;
    // The save dialog for a new file, titled `title`, offering `suggested` (a whole path) and
    // the files of `filter` ("Αρχεία PDF (*.pdf)"). The path chosen; empty when cancelled (and
    // always, where nobody can be asked).
    virtual std::string chooseSaveFile(std::string_view title, std::string_view suggested,
                                       std::string_view filter) {
        (void)title;
        (void)suggested;
        (void)filter;
        return {};
    }
    // A wait notice shown while a long operation runs (the saving notice).
    virtual void beginWait(std::string_view text) { (void)text; }
    virtual void endWait() {}
};

// Answers nothing interactively: messages are collected, questions take fixed answers, the
// password is the one given (or none), exports are kept. Used by zelvo-cli and tests.
class ScriptedPrompts : public UserPrompts {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<Answer> answers;                // consumed in order; Cancel when they run out
    std::vector<std::string> passwordAttempts;  // typed and confirmed with OK, one by one
    bool noticeShown = false;
    std::vector<std::string> exportsOffered;
    bool deleteOfferedExports = false;
    std::vector<std::string> savePaths;     // chosen in the save dialog, one by one; then cancelled
    std::vector<std::string> savesOffered;  // the paths the save dialog offered

    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    Answer askYesNoCancel(std::string_view text) override;
    bool runPasswordCheck(PasswordCheck& check) override;
    void showStartupNotice(std::string_view) override { noticeShown = true; }
    std::vector<std::string> chooseExportsToDelete(const std::vector<std::string>& files) override;
    std::string chooseSaveFile(std::string_view title, std::string_view suggested,
                               std::string_view filter) override;
};

}  // namespace zelvo
