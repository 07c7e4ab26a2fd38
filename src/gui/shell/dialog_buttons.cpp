#include "gui/shell/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

QPushButton* dialogButton(QWidget* parent, std::string_view text, const char* objectName) {
    auto* b = new QPushButton(qtText(text), parent);
    b->setObjectName(QLatin1String(objectName));
    b->setAutoDefault(false);
    return b;
}

OkCancelRow okCancelRow(QDialog* dialog) {
    OkCancelRow r;
    r.ok = dialogButton(dialog, res::kButtonOk, "okButton");
    r.ok->setDefault(true);
    r.ok->setAutoDefault(true);
    r.cancel = dialogButton(dialog, res::kButtonCancel, "cancelButton");
    QObject::connect(r.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    r.row = new QHBoxLayout;
    r.row->addStretch(1);
    r.row->addWidget(r.ok);
    r.row->addWidget(r.cancel);
    return r;
}

}  // namespace zelvo::gui
