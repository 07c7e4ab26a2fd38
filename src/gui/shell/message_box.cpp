#include "gui/shell/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <initializer_list>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {

enum class Button { Ok, Yes, No, Cancel };

struct ButtonText {
    Button button;
    std::string_view text;
    const char* objectName;
    QMessageBox::ButtonRole role;
};

constexpr ButtonText kButtons[] = {
    {Button::Ok, res::kButtonOk, "okButton", QMessageBox::AcceptRole},
    {Button::Yes, res::kButtonYes, "yesButton", QMessageBox::YesRole},
    {Button::No, res::kButtonNo, "noButton", QMessageBox::NoRole},
    {Button::Cancel, res::kButtonCancel, "cancelButton", QMessageBox::RejectRole},
};

const ButtonText& buttonTextOf(Button b) {
    for (const ButtonText& s : kButtons)
        if (s.button == b) return s;
    return kButtons[0];
}

// Runs one box; `escape` is the answer to Escape and the close box, `preferred` the default
// button (the first one when it is not among them).
Button run(QWidget* parent, QMessageBox::Icon icon, const QString& text,
           std::initializer_list<Button> buttons, Button escape, Button preferred = Button::Ok) {
    QMessageBox box(parent);
    box.setIcon(icon);
    box.setWindowTitle(qtText(res::kProgramName));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    QAbstractButton* escapeButton = nullptr;
    QList<QPair<QAbstractButton*, Button>> added;
    for (Button b : buttons) {
        const ButtonText& label = buttonTextOf(b);
        QPushButton* button = box.addButton(qtText(label.text), label.role);
        button->setObjectName(QString::fromLatin1(label.objectName));
        if (added.isEmpty() || b == preferred) box.setDefaultButton(button);
        if (b == escape) escapeButton = button;
        added.append({button, b});
    }
    box.setEscapeButton(escapeButton);
    box.exec();
    for (const auto& [button, b] : added)
        if (box.clickedButton() == button) return b;
    return escape;
}

}  // namespace

void showInformation(QWidget* parent, const QString& text) {
    run(parent, QMessageBox::Information, text, {Button::Ok}, Button::Ok);
}

Answer askYesNoCancel(QWidget* parent, const QString& text, Answer preferred) {
    const Button preferredButton = preferred == Answer::No       ? Button::No
                                   : preferred == Answer::Cancel ? Button::Cancel
                                                                 : Button::Yes;
    switch (run(parent, QMessageBox::Question, text, {Button::Yes, Button::No, Button::Cancel},
                Button::Cancel, preferredButton)) {
        case Button::Yes:
            return Answer::Yes;
        case Button::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool askYesNo(QWidget* parent, const QString& text) {
    // Enter must not replace or delete anything by accident: No is the default.
    return run(parent, QMessageBox::Question, text, {Button::Yes, Button::No}, Button::No,
               Button::No) == Button::Yes;
}

bool askOkCancel(QWidget* parent, const QString& text) {
    return run(parent, QMessageBox::Question, text, {Button::Ok, Button::Cancel}, Button::Cancel,
               Button::Cancel) == Button::Ok;
}

}  // namespace zelvo::gui
