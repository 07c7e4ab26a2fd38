// The circuit overseer's contact record.
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/records/option_dialogs.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "records/circuit_overseer_model.h"
#include "records/publisher_details_model.h"
#include "resources/strings.h"

namespace zelvo::gui {

bool runCircuitOverseer(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts) {
    records::CircuitOverseerModel model(doc);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("circuitOverseerDialog"));
    dialog.setWindowTitle(qtText(res::kCircuitOverseerTitle));
    auto* form = new QFormLayout;
    struct Field {
        std::string_view caption;
        const char* name;
        std::string* text;
        std::size_t limit;
    };
    const Field fields[] = {
        {res::kOverseerFirstName, "firstNameEdit", &model.firstName, records::kOverseerNameLimit},
        {res::kOverseerLastName, "lastNameEdit", &model.lastName, records::kOverseerNameLimit},
        {res::kOverseerAddress, "addressEdit", &model.address, records::kOverseerAddressLimit},
        {res::kOverseerPhoneHome, "phoneHomeEdit", &model.phoneHome, records::kOverseerPhoneLimit},
        {res::kOverseerPhoneMobile, "phoneMobileEdit", &model.phoneMobile,
         records::kOverseerPhoneLimit},
        {res::kOverseerPhoneWork, "phoneWorkEdit", &model.phoneWork, records::kOverseerPhoneLimit},
        {res::kOverseerEmail, "emailEdit", &model.email, records::kEmailLimit},
    };
    for (const Field& f : fields) {
        auto* edit = new QLineEdit(qtText(*f.text), &dialog);
        edit->setObjectName(QLatin1String(f.name));
        edit->setMaxLength(static_cast<int>(f.limit));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() *
                              static_cast<int>(std::min<std::size_t>(f.limit, 40) + 4));
        std::string* text = f.text;
        QObject::connect(edit, &QLineEdit::textEdited, &dialog,
                         [text](const QString& typed) { *text = utf8Text(typed); });
        form->addRow(qtText(f.caption), edit);
    }
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    const OkCancelRow okCancel = okCancelRow(&dialog);
    layout->addLayout(okCancel.row);
    QObject::connect(okCancel.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    return dialog.exec() == QDialog::Accepted &&
           model.store(prompts) == records::CircuitOverseerModel::Outcome::Stored;
}

}  // namespace zelvo::gui
