// The desktop program's answers to the core's questions: Qt dialogs and message boxes, parented
// to the main window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "store/user_prompts.h"

namespace zelvo::gui {

class WaitNotice;

class QtPrompts : public UserPrompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr);
    ~QtPrompts() override;

    // The window the dialogs belong to (the main window once it exists).
    void setParentWidget(QWidget* parent);
    QWidget* parentWidget() const { return parent_; }

    void showMessage(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    Answer askYesNoCancelDefaultNo(std::string_view text) override;
    bool askOkCancel(std::string_view text) override;
    bool runPasswordCheck(PasswordCheck& check) override;
    void showStartupNotice(std::string_view text) override;
    std::vector<std::string> chooseExportsToDelete(const std::vector<std::string>& files) override;
    std::string chooseSaveFile(std::string_view title, std::string_view suggested,
                               std::string_view filter) override;
    void beginWait(std::string_view text) override;
    void endWait() override;

private:
    QPointer<QWidget> parent_;
    QPointer<WaitNotice> wait_;  // owned, but also a child of the parent window
};

}  // namespace zelvo::gui
