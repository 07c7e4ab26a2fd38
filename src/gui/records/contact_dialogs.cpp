#include "gui/records/contact_dialogs.h"
#include "gui/shell/dialog_buttons.h"

#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>

#include "gui/records/shared_record_chooser.h"
#include "gui/shell/qt_text.h"
#include "records/emergency_contact_model.h"
#include "records/need_model.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength, int widthChars) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    e->setMinimumWidth(e->fontMetrics().averageCharWidth() * widthChars);
    return e;
}

QLabel* note(QWidget* parent, std::string_view text, const char* name) {
    auto* l = new QLabel(qtText(text), parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    return l;
}

// The emergency contact dialog: the person's emergency contact.
class EmergencyContactDialog : public QDialog {
public:
    EmergencyContactDialog(QWidget* parent, EmergencyContactModel& model, UserPrompts& prompts,
                           PublisherRecord& working)
        : QDialog(parent), model_(model), prompts_(prompts), working_(working) {
        using M = EmergencyContactModel;
        setObjectName(QStringLiteral("emergencyContactDialog"));
        setWindowTitle(qtText(model_.title()));

        auto* form = new QFormLayout;
        const std::array<std::pair<M::Field, std::string_view>, 5> labels = {{
            {M::Name, res::kEmergencyName},
            {M::Info, res::kEmergencyInfo},
            {M::PhoneHome, res::kEmergencyPhoneHome},
            {M::PhoneMobile, res::kEmergencyPhoneMobile},
            {M::PhoneWork, res::kEmergencyPhoneWork},
        }};
        const std::array<const char*, 5> names = {"nameEdit", "infoEdit", "phoneHomeEdit",
                                                  "phoneMobileEdit", "phoneWorkEdit"};
        for (const auto& [field, label] : labels) {
            const bool phone = field != M::Name && field != M::Info;
            QLineEdit* edit = lineEdit(this, names[field], M::maxLength(field), phone ? 16 : 48);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, f = field](const QString& t) { model_.setText(f, utf8Text(t)); });
            form->addRow(qtText(label), edit);
            edits_[field] = edit;
        }
        witness_ = new QCheckBox(qtText(res::kEmergencyWitness), this);
        witness_->setObjectName(QStringLiteral("witnessCheck"));
        connect(witness_, &QCheckBox::toggled, this, [this](bool on) { model_.setWitness(on); });
        form->addRow(QString(), witness_);

        useExisting_ = dialogButton(this, res::kUseExistingContact, "useExistingButton");
        stopUsing_ = dialogButton(this, res::kStopUsingContact, "stopUsingButton");
        sharedNote_ = note(this, res::kSharedContactNote, "sharedNote");
        connect(useExisting_, &QPushButton::clicked, this, [this] {
            if (const auto key = chooseSharedRecord(this, model_.existingChoice())) {
                model_.useExisting(*key);
                refresh();
            }
        });
        connect(stopUsing_, &QPushButton::clicked, this, [this] {
            model_.stopUsing(prompts_);
            refresh();
        });

        const OkCancelRow buttons = okCancelRow(this);
        QPushButton* ok = buttons.ok;
        connect(ok, &QPushButton::clicked, this, [this] { onOk(); });

        auto* sharing = new QHBoxLayout;
        sharing->addWidget(useExisting_);
        sharing->addWidget(stopUsing_);
        sharing->addStretch(1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(form);
        layout->addLayout(sharing);
        layout->addWidget(sharedNote_);
        layout->addLayout(buttons.row);

        refresh();
        edits_[M::Name]->setFocus();
    }

private:
    EmergencyContactModel& model_;
    UserPrompts& prompts_;
    PublisherRecord& working_;
    std::array<QLineEdit*, 5> edits_{};
    QCheckBox* witness_ = nullptr;
    QPushButton* useExisting_ = nullptr;
    QPushButton* stopUsing_ = nullptr;
    QLabel* sharedNote_ = nullptr;

    // Shows the working copy after it was replaced or detached.
    void refresh() {
        for (std::size_t f = 0; f < edits_.size(); ++f)
            edits_[f]->setText(qtText(model_.text(static_cast<EmergencyContactModel::Field>(f))));
        const QSignalBlocker block(witness_);
        witness_->setChecked(model_.witness());
        useExisting_->setVisible(model_.canUseExisting());
        const bool shared = model_.shared();
        stopUsing_->setVisible(shared);
        sharedNote_->setVisible(shared);
    }

    void onOk() {
        switch (model_.accept(working_, prompts_)) {
            case EmergencyContactModel::Outcome::Accepted:
                accept();
                break;
            case EmergencyContactModel::Outcome::FocusName:
                edits_[EmergencyContactModel::Name]->setFocus();
                edits_[EmergencyContactModel::Name]->selectAll();
                break;
            case EmergencyContactModel::Outcome::NotWritten:
                break;  // the user was told; what was typed stays
        }
    }
};

// The full name and need dialog: the full name, the other contact and the special need.
class FullNameNeedDialog : public QDialog {
public:
    FullNameNeedDialog(QWidget* parent, SpecialNeedModel& model, UserPrompts& prompts,
                       PublisherRecord& working, ContactExtra& extra)
        : QDialog(parent), model_(model), prompts_(prompts), working_(working), extra_(extra) {
        using M = SpecialNeedModel;
        setObjectName(QStringLiteral("fullNameNeedDialog"));
        setWindowTitle(qtText(model_.title()));

        fullName_ = lineEdit(this, "fullNameEdit", M::maxLength(M::FullName), 48);
        otherContact_ = lineEdit(this, "otherContactEdit", M::maxLength(M::OtherContact), 48);
        need_ = lineEdit(this, "needEdit", M::maxLength(M::Need), 60);
        bind(fullName_, M::FullName);
        bind(otherContact_, M::OtherContact);
        bind(need_, M::Need);
        auto* form = new QFormLayout;
        form->addRow(qtText(res::kHeadingName), fullName_);
        form->addRow(qtText(res::kOtherContactLabel), otherContact_);

        auto* needs = new QGroupBox(qtText(res::kSpecialNeedsGroup), this);
        needs->setObjectName(QStringLiteral("needGroup"));
        useShared_ = dialogButton(needs, res::kUseSharedNeed, "useSharedButton");
        stopUsing_ = dialogButton(needs, res::kStopUsingNeed, "stopUsingButton");
        sharedNote_ = note(needs, res::kSharedNeedNote, "sharedNote");
        connect(useShared_, &QPushButton::clicked, this, [this] {
            if (const auto key = chooseSharedRecord(this, model_.sharedChoice())) {
                model_.useShared(*key);
                refreshNeed();
            }
        });
        connect(stopUsing_, &QPushButton::clicked, this, [this] {
            model_.stopUsing();
            refreshNeed();
            need_->setFocus();
        });
        auto* sharing = new QHBoxLayout;
        sharing->addWidget(useShared_);
        sharing->addWidget(stopUsing_);
        sharing->addStretch(1);
        auto* needLayout = new QVBoxLayout(needs);
        needLayout->addWidget(need_);
        needLayout->addLayout(sharing);
        needLayout->addWidget(sharedNote_);

        auto* optional = note(this, res::kAllFieldsOptional, "optionalNote");
        auto* blank = note(this, res::kAnyMayBeBlank, "blankNote");

        const OkCancelRow buttons = okCancelRow(this);
        QPushButton* ok = buttons.ok;
        connect(ok, &QPushButton::clicked, this, [this] { onOk(); });

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(form);
        layout->addWidget(needs);
        layout->addWidget(optional);
        layout->addWidget(blank);
        layout->addLayout(buttons.row);

        fullName_->setText(qtText(model_.text(M::FullName)));
        otherContact_->setText(qtText(model_.text(M::OtherContact)));
        refreshNeed();
    }

    void focusOn(bool needFirst) {
        QLineEdit* edit = needFirst ? need_ : fullName_;
        edit->setFocus();
        edit->selectAll();
    }

private:
    SpecialNeedModel& model_;
    UserPrompts& prompts_;
    PublisherRecord& working_;
    ContactExtra& extra_;
    QLineEdit* fullName_ = nullptr;
    QLineEdit* otherContact_ = nullptr;
    QLineEdit* need_ = nullptr;
    QPushButton* useShared_ = nullptr;
    QPushButton* stopUsing_ = nullptr;
    QLabel* sharedNote_ = nullptr;

    void bind(QLineEdit* edit, SpecialNeedModel::Field f) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, f](const QString& t) { model_.setText(f, utf8Text(t)); });
    }

    void refreshNeed() {
        need_->setText(qtText(model_.text(SpecialNeedModel::Need)));
        useShared_->setVisible(model_.canUseShared());
        const bool shared = model_.shared();
        stopUsing_->setVisible(shared);
        sharedNote_->setVisible(shared);
    }

    void onOk() {
        if (model_.accept(working_, extra_, prompts_) == SpecialNeedModel::Outcome::Accepted)
            accept();
    }
};

}  // namespace

bool editEmergencyContact(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                          PublisherRecord& working, int editedRow) {
    EmergencyContactModel model(doc, working, editedRow);
    EmergencyContactDialog dialog(parent, model, prompts, working);
    return dialog.exec() == QDialog::Accepted;
}

bool editFullNameAndNeed(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                         PublisherRecord& working, ContactExtra& extra, int editedRow,
                         bool focusNeed) {
    SpecialNeedModel model(doc, working, extra, editedRow);
    FullNameNeedDialog dialog(parent, model, prompts, working, extra);
    dialog.focusOn(focusNeed);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace zelvo::gui
