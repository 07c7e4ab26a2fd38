#include "gui/records/add_chooser_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

AddChooserDialog::AddChooserDialog(const records::AddChoices& choices, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("addChooserDialog"));
    setWindowTitle(qtText(res::kAddPublisher));
    auto* layout = new QVBoxLayout(this);
    const auto addButton = [this, layout](std::string_view text, const char* name,
                                          records::AddChoice choice, bool shown) {
        auto* button = new QPushButton(qtText(text), this);
        button->setObjectName(QLatin1String(name));
        // Enter presses the button that has the focus, as a click would.
        button->setAutoDefault(true);
        button->setVisible(shown);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, choice] {
            choice_ = choice;
            accept();
        });
        return button;
    };
    addButton(res::kAddNewPerson, "newPersonButton", records::AddChoice::NewPerson, true)
        ->setFocus();
    addButton(res::kAddFromStudents, "fromStudentsButton", records::AddChoice::FromStudents,
              choices.fromStudents);
    addButton(res::kAddFromInactive, "fromInactiveButton", records::AddChoice::FromInactive,
              choices.fromInactive);
    auto* cancel = new QPushButton(qtText(res::kButtonCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(cancel);
    layout->addLayout(row);
}

records::AddChoice chooseHowToAdd(QWidget* parent, const records::AddChoices& choices) {
    AddChooserDialog dialog(choices, parent);
    if (dialog.exec() != QDialog::Accepted) return records::AddChoice::Cancelled;
    return dialog.choice();
}

}  // namespace zelvo::gui
