#include "gui/shell/qt_prompts.h"

#include <QFileDialog>
#include <QFileInfo>

#include "gui/shell/exports_dialog.h"
#include "gui/shell/message_box.h"
#include "gui/shell/password_dialog.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/wait_notice.h"
#include "resources/strings.h"
#include "store/data_files.h"
#include "store/password_check.h"

namespace zelvo::gui {

QtPrompts::QtPrompts(QWidget* parent) : parent_(parent) {}

QtPrompts::~QtPrompts() {
    delete wait_;
}

void QtPrompts::setParentWidget(QWidget* parent) {
    parent_ = parent;
}

void QtPrompts::showMessage(std::string_view text) {
    showInformation(parent_, qtText(text));
}

Answer QtPrompts::askYesNoCancel(std::string_view text) {
    return gui::askYesNoCancel(parent_, qtText(text));
}

bool QtPrompts::askYesNo(std::string_view text) {
    return gui::askYesNo(parent_, qtText(text));
}

Answer QtPrompts::askYesNoCancelDefaultNo(std::string_view text) {
    return gui::askYesNoCancel(parent_, qtText(text), Answer::No);
}

bool QtPrompts::askOkCancel(std::string_view text) {
    return gui::askOkCancel(parent_, qtText(text));
}

bool QtPrompts::runPasswordCheck(PasswordCheck& check) {
    if (check.outcome() == PasswordCheck::Outcome::Pending) {
        PasswordDialog dialog(check, parent_);
        dialog.exec();
        check.cancelled();  // a dialog closed without a decision refuses
        // When the program ends now, it says so once instead of vanishing.
        if (const std::string message = check.endMessage(); !message.empty()) showMessage(message);
    }
    return check.outcome() == PasswordCheck::Outcome::Passed;
}

void QtPrompts::showStartupNotice(std::string_view text) {
    showInformation(parent_, qtText(text));
}

std::vector<std::string> QtPrompts::chooseExportsToDelete(const std::vector<std::string>& files) {
    ExportsDialog dialog(files, parent_);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.chosenFiles();
}

std::string QtPrompts::chooseSaveFile(std::string_view title, std::string_view suggested,
                                      std::string_view filter) {
    QFileDialog dialog(parent_, qtText(title));
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtText(filter));
    const QFileInfo offered(qtText(suggested));
    dialog.setDirectory(offered.absolutePath());
    dialog.selectFile(offered.fileName());
    // A name typed without its ending gets the one offered.
    dialog.setDefaultSuffix(offered.suffix());
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const std::string chosen = utf8Text(dialog.selectedFiles().front());
        if (!files::isProgramFileName(chosen)) return chosen;
        showMessage(res::format(res::kProgramFileName, chosen));
    }
    return {};
}

void QtPrompts::beginWait(std::string_view text) {
    delete wait_;
    wait_ = new WaitNotice(qtText(text), parent_);
    wait_->showNow();
}

void QtPrompts::endWait() {
    delete wait_;
}

}  // namespace zelvo::gui
