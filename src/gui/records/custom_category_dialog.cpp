// The custom category: its name and the tick that turns it on, with the rename question.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/records/option_dialogs.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "records/custom_category_model.h"
#include "resources/strings.h"
#include "store/settings.h"

namespace zelvo::gui {

namespace {

// The rename question: keep the people under the new name (preselected, as Cancel does) or
// clear the category from all of them. True for "Απαλοιφή Ολων" confirmed with OK.
bool askClearMembers(QWidget* parent, const records::CustomCategoryModel::RenameQuestion& q) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("renameCategoryDialog"));
    dialog.setWindowTitle(qtText(res::kRenameCategoryTitle));
    auto* layout = new QVBoxLayout(&dialog);
    auto* line = new QLabel(qtText(q.line), &dialog);
    line->setWordWrap(true);
    auto* keep = new QRadioButton(qtText(q.keepOption), &dialog);
    keep->setObjectName(QStringLiteral("keepMembersRadio"));
    auto* clear = new QRadioButton(qtText(res::kRenameCategoryClear), &dialog);
    clear->setObjectName(QStringLiteral("clearMembersRadio"));
    keep->setChecked(true);
    layout->addWidget(line);
    layout->addWidget(keep);
    layout->addWidget(clear);
    const OkCancelRow okCancel = okCancelRow(&dialog);
    layout->addLayout(okCancel.row);
    QObject::connect(okCancel.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    return dialog.exec() == QDialog::Accepted && clear->isChecked();
}

}  // namespace

bool runCustomCategory(QWidget* parent, CZelvoDoc& doc) {
    records::CustomCategoryModel model(doc);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("customCategoryDialog"));
    dialog.setWindowTitle(qtText(res::kCustomCategoryTitle));
    auto* layout = new QVBoxLayout(&dialog);
    auto* explanation = new QLabel(qtText(res::kCustomCategoryExplanation), &dialog);
    explanation->setWordWrap(true);
    auto* name = new QLineEdit(qtText(model.name), &dialog);
    name->setObjectName(QStringLiteral("categoryNameEdit"));
    name->setMaxLength(static_cast<int>(kCustomCategoryMax));
    auto* enabled = new QCheckBox(qtText(res::kCustomCategoryEnable), &dialog);
    enabled->setObjectName(QStringLiteral("categoryEnabledCheck"));
    enabled->setChecked(model.enabled);
    layout->addWidget(explanation);
    layout->addWidget(name);
    layout->addWidget(enabled);
    const OkCancelRow okCancel = okCancelRow(&dialog);
    layout->addLayout(okCancel.row);
    dialog.setMinimumWidth(name->fontMetrics().averageCharWidth() * 60);
    QObject::connect(name, &QLineEdit::textEdited, &dialog,
                     [&model](const QString& text) { model.name = utf8Text(text); });
    QObject::connect(enabled, &QCheckBox::toggled, &dialog,
                     [&model](bool on) { model.enabled = on; });
    QObject::connect(okCancel.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    name->setFocus();
    if (dialog.exec() != QDialog::Accepted) return false;
    const auto question = model.renameQuestion();
    return model.store(question && askClearMembers(parent, *question));
}

}  // namespace zelvo::gui
