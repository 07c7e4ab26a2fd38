#include "gui/records/publisher_details_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "gui/records/contact_dialogs.h"
#include "gui/records/date_lists_widget.h"
#include "gui/records/group_choosers.h"
#include "gui/records/household_dialog.h"
#include "gui/records/privileges_dialog.h"
#include "gui/records/publisher_picker.h"
#include "gui/records/removal_dialog.h"
#include "gui/records/status_dialog.h"
#include "gui/records/steady_form.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "records/person_lists.h"
#include "records/publisher_details_model.h"
#include "resources/strings.h"
#include "store/clock.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

using records::PublisherDetailsModel;

constexpr const char* kLimit = "zelvoLimit";

// Record texts (Windows-1253) for the widgets and back.
QString recordText(const std::string& text) {
    return qtText(cp1253::toUtf8(text));
}
std::string fromWidget(const QString& text) {
    return cp1253::fromUtf8(utf8Text(text));
}

QLineEdit* lineEdit(QWidget* parent, const char* name, std::size_t limit) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(static_cast<int>(limit));
    edit->setProperty(kLimit, static_cast<int>(limit));
    return edit;
}

QCheckBox* tick(QWidget* parent, const char* name, std::string_view text) {
    auto* box = new QCheckBox(qtText(text), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

void showText(QLineEdit* edit, const std::string& text) {
    const QString shown = recordText(text);
    if (edit->text() == shown) return;
    const QSignalBlocker quiet(edit);
    // A stored text longer than the box accepts is shown whole, so it is not cut unseen.
    const int limit = edit->property(kLimit).toInt();
    edit->setMaxLength(std::max(limit, static_cast<int>(shown.size())));
    edit->setText(shown);
}

void showTick(QCheckBox* box, bool on) {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
}

// A note under a field: room for two lines whether it is shown or not, so the form stays put.
QLabel* noteLine(QWidget* parent, const char* name) {
    auto* note = new QLabel(parent);
    note->setObjectName(QLatin1String(name));
    note->setWordWrap(true);
    note->setMinimumHeight(note->fontMetrics().lineSpacing() * 2);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    markAsWarning(note);
    return note;
}

// A button whose caption changes with the record is as wide as the widest of its captions from
// the start, so the dialog does not grow when another record is shown.
template <typename Captions>
void reserveWidthFor(QPushButton* button, const Captions& captions) {
    const QString shown = button->text();
    int widest = 0;
    for (const auto& caption : captions) {
        button->setText(qtText(caption));
        widest = std::max(widest, button->sizeHint().width());
    }
    button->setText(shown);
    button->setMinimumWidth(widest);
}

}  // namespace

records::DetailsClipboard& detailsClipboard() {
    static records::DetailsClipboard clipboard;
    return clipboard;
}

namespace {

DetailsOutcome runDetails(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                          PublisherDetailsModel::Variant variant, const std::vector<int>& listIds,
                          int id) {
    if (id == 0 && !PublisherDetailsModel::roomForNewPerson(doc, prompts)) return {};
    PublisherDetailsModel model(doc, prompts, detailsClipboard(), variant, listIds, id,
                                todayFromEnvironment().year);
    PublisherDetailsDialog dialog(model, doc, prompts, parent);
    dialog.exec();
    const bool shown = !dialog.personDeleted() && !model.adding();
    return {dialog.changedSomething(), shown ? model.id() : 0};
}

}  // namespace

DetailsOutcome runPublisherDetails(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                                   bool student, const std::vector<int>& listIds, int id) {
    return runDetails(parent, doc, prompts,
                      student ? PublisherDetailsModel::Variant::Student
                              : PublisherDetailsModel::Variant::Publisher,
                      listIds, id);
}

DetailsOutcome runPersonDetails(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                                PublisherDetailsModel::Variant variant, int id) {
    return runDetails(parent, doc, prompts, variant, {id}, id);
}

// ------------------------------------------------------------------ building

PublisherDetailsDialog::PublisherDetailsDialog(PublisherDetailsModel& model, CZelvoDoc& doc,
                                               UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), model_(model), doc_(doc), prompts_(prompts) {
    setObjectName(QStringLiteral("publisherDetailsDialog"));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildIdentity());
    left->addWidget(buildDates());
    left->addWidget(buildStatusGroup());
    left->addStretch(1);
    columns->addLayout(left, 3);
    columns->addWidget(buildTicks(), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buildButtons());

    connectControls();
    setTabOrderOfForm();
    refresh();
    keepOneWidth();
    firstName_->setFocus();
}

// The buttons along the foot stay where they are under the mouse whatever record is shown:
// captions that change take the room of their widest text, and the width is fixed at that.
void PublisherDetailsDialog::keepOneWidth() {
    using Captions = std::initializer_list<std::string_view>;
    reserveWidthFor(household_, Captions{res::kEditHousehold, res::kViewHousehold});
    reserveWidthFor(copy_, Captions{res::kCopy, res::kPaste});
    reserveWidthFor(conductorButton_, Captions{res::kChooseConductor, res::kClearConductor});
    reserveWidthFor(group_, records::groupButtonTexts(doc_));
    // The ticks shown only when set are measured too.
    const bool publisher = model_.publisherControlsVisible();
    fullTimeServant_->setVisible(publisher);
    fieldMissionary_->setVisible(publisher);
    setFixedWidth(sizeHint().width());
    refresh();
}

QWidget* PublisherDetailsDialog::buildIdentity() {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("identityBox"));
    // Names may be typed longer than the record holds: the note under them shows what is kept.
    firstName_ = lineEdit(box, "firstNameEdit", records::kNameTypingLimit);
    lastName_ = lineEdit(box, "lastNameEdit", records::kNameTypingLimit);
    address_ = lineEdit(box, "addressEdit", records::kAddressLimit);
    phoneHome_ = lineEdit(box, "phoneHomeEdit", records::kPhoneLimit);
    phoneMobile_ = lineEdit(box, "phoneMobileEdit", records::kPhoneLimit);
    phoneWork_ = lineEdit(box, "phoneWorkEdit", records::kPhoneLimit);
    email_ = lineEdit(box, "emailEdit", records::kEmailLimit);
    firstName_->installEventFilter(this);
    // Wide enough for the longest address without scrolling much.
    address_->setMinimumWidth(address_->fontMetrics().averageCharWidth() * 46);

    auto* form = new QFormLayout;
    form->addRow(qtText(res::kHeadingName), firstName_);
    form->addRow(qtText(res::kLastNameLabel), lastName_);
    namesNote_ = noteLine(box, "namesNote");
    form->addRow(QString(), namesNote_);
    form->addRow(qtText(res::kAddressLabel), address_);
    form->addRow(qtText(res::kEmergencyPhoneHome), phoneHome_);
    form->addRow(qtText(res::kPhoneMobileLabel), phoneMobile_);
    form->addRow(qtText(res::kEmergencyPhoneWork), phoneWork_);
    form->addRow(qtText(res::kEmailLabel), email_);

    fullName_ = dialogButton(box, res::kFullNameButton, "fullNameButton");
    emergency_ = dialogButton(box, res::kEmergencyButton, "emergencyButton");
    needs_ = dialogButton(box, res::kSpecialNeedsButton, "specialNeedsButton");
    auto* contacts = new QHBoxLayout;
    contacts->addWidget(fullName_);
    contacts->addWidget(emergency_);
    contacts->addWidget(needs_);

    conductor_ = new QLabel(box);
    conductor_->setObjectName(QStringLiteral("conductorLabel"));
    conductor_->setWordWrap(true);
    conductorButton_ = dialogButton(box, res::kChooseConductor, "conductorButton");

    auto* layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addLayout(contacts);
    layout->addWidget(conductor_);
    layout->addWidget(conductorButton_, 0, Qt::AlignLeft);
    return box;
}

QWidget* PublisherDetailsDialog::buildDates() {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("datesBox"));
    birthLabel_ = new QLabel(qtText(res::kBirthDateLabel), box);
    baptismLabel_ = new QLabel(qtText(res::kBaptismDateLabel), box);
    birth_ = new DateListsWidget(model_.birth, QStringLiteral("birth"), box);
    baptism_ = new DateListsWidget(model_.baptism, QStringLiteral("baptism"), box);
    datesNote_ = new QLabel(box);
    datesNote_->setObjectName(QStringLiteral("datesNote"));
    markAsWarning(datesNote_);
    if (model_.publisherControlsVisible()) keepRoom(datesNote_);  // a student has no such dates
    consent_ = tick(box, "consentCheck", res::kTickConsent);
    consentDate_ = new DateListsWidget(model_.consentDate, QStringLiteral("consent"), box);
    keepRoom(consentDate_);

    auto* grid = new QGridLayout(box);
    grid->addWidget(birthLabel_, 0, 0, Qt::AlignTop);
    grid->addWidget(birth_, 0, 1);
    grid->addWidget(baptismLabel_, 1, 0, Qt::AlignTop);
    grid->addWidget(baptism_, 1, 1);
    grid->addWidget(datesNote_, 2, 0, 1, 2);
    grid->addWidget(consent_, 3, 0, 1, 2);
    grid->addWidget(consentDate_, 4, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* PublisherDetailsDialog::buildStatusGroup() {
    statusGroup_ = new QGroupBox(qtText(model_.statusGroupCaption()), this);
    statusGroup_->setObjectName(QStringLiteral("statusGroup"));
    statusMonth_ = new QComboBox(statusGroup_);
    statusMonth_->setObjectName(QStringLiteral("statusMonth"));
    for (const std::string& m : PublisherDetailsModel::statusMonthEntries())
        statusMonth_->addItem(qtText(m));
    statusYear_ = new QComboBox(statusGroup_);
    statusYear_->setObjectName(QStringLiteral("statusYear"));
    for (const int y : model_.statusYearEntries()) statusYear_->addItem(QString::number(y), y);
    auto* row = new QHBoxLayout(statusGroup_);
    row->addWidget(statusMonth_);
    row->addWidget(statusYear_);
    row->addStretch(1);
    statusGroup_->setVisible(model_.statusGroupVisible());
    return statusGroup_;
}

QWidget* PublisherDetailsDialog::buildTicks() {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("ticksBox"));
    male_ = tick(box, "maleCheck", res::kTickMale);
    female_ = tick(box, "femaleCheck", res::kTickFemale);
    baptized_ = tick(box, "baptizedCheck", res::kTickBaptized);
    servant_ = tick(box, "servantCheck", res::kTickServant);
    elder_ = tick(box, "elderCheck", res::kTickElder);
    regular_ = tick(box, "regularCheck", res::kTickRegular);
    special_ = tick(box, "specialCheck", res::kTickSpecial);
    continuousAux_ = tick(box, "continuousAuxCheck", res::kTickContinuousAux);
    fullTimeServant_ = tick(box, "fullTimeServantCheck", res::kTickFullTimeServant);
    fieldMissionary_ = tick(box, "fieldMissionaryCheck", res::kTickFieldMissionary);
    anointed_ = tick(box, "anointedCheck", res::kTickAnointed);
    customCategory_ = tick(box, "customCategoryCheck", {});
    headOfFamily_ = tick(box, "headOfFamilyCheck", res::kTickHeadOfFamily);
    // Set in the privileges dialog; shown here only.
    fullTimeServant_->setEnabled(false);
    fieldMissionary_->setEnabled(false);

    status_ = dialogButton(box, res::kStatusButton, "statusButton");
    privileges_ = dialogButton(box, res::kPrivilegesButton, "privilegesButton");
    keepRoom(privileges_);
    group_ = dialogButton(box, res::kTaskGroupTitle, "groupButton");
    household_ = dialogButton(box, res::kEditHousehold, "householdButton");
    keepRoom(household_);

    auto* layout = new QVBoxLayout(box);
    for (QCheckBox* b : {male_, female_, baptized_, servant_, elder_}) layout->addWidget(b);
    layout->addSpacing(8);
    for (QCheckBox* b :
         {regular_, special_, continuousAux_, fullTimeServant_, fieldMissionary_, anointed_})
        layout->addWidget(b);
    layout->addSpacing(8);
    layout->addWidget(customCategory_);
    layout->addWidget(headOfFamily_);
    layout->addStretch(1);
    for (QPushButton* b : {group_, household_, status_, privileges_}) layout->addWidget(b);
    return box;
}

QLayout* PublisherDetailsDialog::buildButtons() {
    copy_ = dialogButton(this, res::kCopy, "copyButton");
    clear_ = dialogButton(this, res::kClearRemembered, "clearButton");
    delete_ = dialogButton(this, res::kDeleteButton, "deleteButton");
    previous_ = dialogButton(this, res::kPreviousButton, "previousButton");
    next_ = dialogButton(this, res::kNextButton, "nextButton");
    ok_ = dialogButton(this, res::kButtonOk, "okButton");
    ok_->setText(QStringLiteral("&") + ok_->text());
    ok_->setDefault(true);
    cancel_ = dialogButton(this, res::kButtonCancel, "cancelButton");
    if (!model_.student()) keepRoom(clear_);  // a student has no copy and paste

    auto* row = new QHBoxLayout;
    for (QPushButton* b : {copy_, clear_, delete_}) row->addWidget(b);
    row->addStretch(1);
    for (QPushButton* b : {previous_, next_}) row->addWidget(b);
    row->addSpacing(16);
    for (QPushButton* b : {ok_, cancel_}) row->addWidget(b);
    return row;
}

void PublisherDetailsDialog::setTabOrderOfForm() {
    const QList<QWidget*> order = {
        firstName_,
        lastName_,
        address_,
        phoneHome_,
        phoneMobile_,
        phoneWork_,
        email_,
        fullName_,
        emergency_,
        needs_,
        conductorButton_,
        birth_->monthList(),
        birth_->dayList(),
        birth_->yearList(),
        baptism_->monthList(),
        baptism_->dayList(),
        baptism_->yearList(),
        consent_,
        consentDate_->monthList(),
        consentDate_->dayList(),
        consentDate_->yearList(),
        statusMonth_,
        statusYear_,
        male_,
        female_,
        baptized_,
        servant_,
        elder_,
        regular_,
        special_,
        continuousAux_,
        anointed_,
        customCategory_,
        headOfFamily_,
        group_,
        household_,
        status_,
        privileges_,
        copy_,
        clear_,
        delete_,
        previous_,
        next_,
        ok_,
        cancel_,
    };
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// ------------------------------------------------------------------ binding

void PublisherDetailsDialog::connectControls() {
    const auto onEdited = [this](QLineEdit* edit, std::function<void(std::string)> set) {
        connect(edit, &QLineEdit::textEdited, this, [this, set](const QString& text) {
            set(fromWidget(text));
            refresh();
        });
    };
    PublisherDetailsModel& m = model_;
    onEdited(firstName_, [&m](std::string t) { m.setFirstName(t); });
    onEdited(lastName_, [&m](std::string t) { m.setLastName(t); });
    onEdited(address_, [&m](std::string t) { m.address = std::move(t); });
    onEdited(phoneHome_, [&m](std::string t) { m.phoneHome = std::move(t); });
    onEdited(phoneMobile_, [&m](std::string t) { m.phoneMobile = std::move(t); });
    onEdited(phoneWork_, [&m](std::string t) { m.phoneWork = std::move(t); });
    onEdited(email_, [&m](std::string t) { m.email = std::move(t); });

    const auto onToggled = [this](QCheckBox* box, std::function<void(bool)> set) {
        connect(box, &QCheckBox::toggled, this, [this, set](bool on) {
            set(on);
            refresh();
        });
    };
    onToggled(male_, [&m](bool on) { m.setMale(on); });
    onToggled(female_, [&m](bool on) { m.setFemale(on); });
    onToggled(baptized_, [&m](bool on) { m.setBaptizedBrother(on); });
    onToggled(servant_, [&m](bool on) { m.setServant(on); });
    onToggled(elder_, [&m](bool on) { m.setElder(on); });
    onToggled(regular_, [&m](bool on) { m.setRegular(on); });
    onToggled(special_, [&m](bool on) { m.setSpecial(on); });
    onToggled(continuousAux_, [&m](bool on) { m.setContinuousAuxiliary(on); });
    onToggled(headOfFamily_, [&m](bool on) { m.setHeadOfFamily(on); });
    onToggled(anointed_, [&m](bool on) { m.anointed = on; });
    onToggled(customCategory_, [&m](bool on) { m.customCategory = on; });
    onToggled(consent_, [&m](bool on) { m.consent = on; });
    connect(statusMonth_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        model_.statusMonth = entry;
        refresh();
    });
    connect(statusYear_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        model_.statusYear = statusYear_->itemData(entry).toInt();
        refresh();
    });
    for (DateListsWidget* date : {birth_, baptism_, consentDate_})
        connect(date, &DateListsWidget::changed, this, &PublisherDetailsDialog::refresh);

    connect(fullName_, &QPushButton::clicked, this, [this] {
        sideChanges_ |= editFullNameAndNeed(this, doc_, prompts_, model_.working(),
                                            model_.workingExtra(), model_.row(), false);
        refresh();
    });
    connect(needs_, &QPushButton::clicked, this, [this] {
        sideChanges_ |= editFullNameAndNeed(this, doc_, prompts_, model_.working(),
                                            model_.workingExtra(), model_.row(), true);
        refresh();
    });
    connect(emergency_, &QPushButton::clicked, this, [this] {
        sideChanges_ |= editEmergencyContact(this, doc_, prompts_, model_.working(), model_.row());
        refresh();
    });
    connect(status_, &QPushButton::clicked, this, &PublisherDetailsDialog::onStatus);
    connect(privileges_, &QPushButton::clicked, this, &PublisherDetailsDialog::onPrivileges);
    connect(group_, &QPushButton::clicked, this, &PublisherDetailsDialog::onGroup);
    connect(household_, &QPushButton::clicked, this, &PublisherDetailsDialog::onHousehold);
    connect(conductorButton_, &QPushButton::clicked, this, &PublisherDetailsDialog::onConductor);
    connect(copy_, &QPushButton::clicked, this, [this] {
        model_.copyOrPaste();
        refresh();
    });
    connect(clear_, &QPushButton::clicked, this, [this] {
        model_.forgetRemembered();
        refresh();
    });
    connect(delete_, &QPushButton::clicked, this, &PublisherDetailsDialog::onDelete);
    connect(previous_, &QPushButton::clicked, this, [this] { onMove(false); });
    connect(next_, &QPushButton::clicked, this, [this] { onMove(true); });
    connect(ok_, &QPushButton::clicked, this, &PublisherDetailsDialog::onOk);
    connect(cancel_, &QPushButton::clicked, this, [this] { QDialog::reject(); });
}

void PublisherDetailsDialog::refresh() {
    const PublisherDetailsModel& m = model_;
    setWindowTitle(qtText(m.title()));
    showText(firstName_, m.firstName);
    showText(lastName_, m.lastName);
    namesNote_->setText(qtText(m.namesNote()));
    showText(address_, m.address);
    showText(phoneHome_, m.phoneHome);
    showText(phoneMobile_, m.phoneMobile);
    showText(phoneWork_, m.phoneWork);
    showText(email_, m.email);

    const bool publisher = m.publisherControlsVisible();
    for (QWidget* w :
         std::initializer_list<QWidget*>{birthLabel_, birth_, baptismLabel_, baptism_, anointed_})
        w->setVisible(publisher);
    for (QWidget* w : {baptized_, servant_, elder_}) w->setVisible(m.privilegeTicksVisible());
    for (QWidget* w : {regular_, special_, continuousAux_}) w->setVisible(m.pioneerTicksVisible());
    if (m.statusGroupVisible()) {
        const QSignalBlocker quietMonth(statusMonth_);
        const QSignalBlocker quietYear(statusYear_);
        statusMonth_->setCurrentIndex(m.statusMonth);
        statusYear_->setCurrentIndex(statusYear_->findData(m.statusYear));
    }
    emergency_->setVisible(m.emergencyContactVisible());
    needs_->setVisible(m.specialNeedsVisible());
    birth_->refresh();
    baptism_->refresh();
    consentDate_->refresh();
    datesNote_->setText(qtText(m.datesNote()));
    datesNote_->setVisible(publisher && !m.datesNote().empty());
    showTick(consent_, m.consent);
    consentDate_->setVisible(m.consent);

    showTick(male_, m.male());
    showTick(female_, m.female());
    showTick(baptized_, m.baptizedBrother());
    showTick(servant_, m.servant());
    showTick(elder_, m.elder());
    showTick(regular_, m.regular());
    showTick(special_, m.special());
    showTick(continuousAux_, m.continuousAuxiliary());
    showTick(fullTimeServant_, m.fullTimeServant());
    showTick(fieldMissionary_, m.fieldMissionary());
    fullTimeServant_->setVisible(m.privilegeTicksVisible() && m.fullTimeServant());
    fieldMissionary_->setVisible(m.privilegeTicksVisible() && m.fieldMissionary());
    showTick(anointed_, m.anointed);
    showTick(customCategory_, m.customCategory);
    customCategory_->setVisible(m.customCategoryVisible());
    customCategory_->setText(qtText(m.customCategoryText()));
    showTick(headOfFamily_, m.headOfFamily());
    headOfFamily_->setEnabled(m.headOfFamilyEnabled());
    headOfFamily_->setVisible(m.headOfFamilyVisible());

    group_->setText(qtText(m.groupText()));
    group_->setVisible(m.groupVisible());
    household_->setVisible(m.householdVisible());
    household_->setText(qtText(m.householdText()));
    status_->setVisible(m.statusVisible());
    privileges_->setVisible(m.privilegesVisible());

    conductor_->setVisible(m.student() && !m.conductorLine().empty());
    conductor_->setText(qtText(m.conductorLine()));
    conductorButton_->setVisible(m.student());
    conductorButton_->setText(qtText(m.conductorButtonText()));

    copy_->setVisible(m.copyVisible());
    copy_->setText(qtText(m.copyText()));
    clear_->setVisible(m.copyVisible() && m.clearVisible());
    delete_->setVisible(m.deleteVisible());
    previous_->setVisible(m.previousNextVisible());
    next_->setVisible(m.previousNextVisible());
}

bool PublisherDetailsDialog::changedSomething() const {
    return sideChanges_ || model_.changedSomething();
}

// ------------------------------------------------------------------ actions

void PublisherDetailsDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && focusWidget() != ok_) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool PublisherDetailsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == firstName_ && event->type() == QEvent::FocusOut) {
        model_.firstNameLeft();
        refresh();
    }
    return QDialog::eventFilter(watched, event);
}

void PublisherDetailsDialog::reject() {
    switch (model_.askBeforeLeaving()) {
        case PublisherDetailsModel::Leaving::Close:
            QDialog::reject();
            break;
        case PublisherDetailsModel::Leaving::Store:
            onOk();
            break;
        case PublisherDetailsModel::Leaving::Stay:
            break;
    }
}

void PublisherDetailsDialog::onOk() {
    if (const auto why = model_.refusal()) {
        prompts_.showMessage(*why);
        using Field = PublisherDetailsModel::DateField;
        // The dates are told first; otherwise it is the last name.
        const auto date = model_.impossibleDate();
        QWidget* at = !date                     ? static_cast<QWidget*>(lastName_)
                      : *date == Field::Birth   ? birth_->dayList()
                      : *date == Field::Baptism ? baptism_->dayList()
                                                : consentDate_->dayList();
        at->setFocus();
        return;
    }
    if (model_.statusBeforeStore()) onStatus();
    if (model_.store() == PublisherDetailsModel::StoreOutcome::Refused) return;
    accept();
}

void PublisherDetailsDialog::onStatus() {
    runStatusDialog(this, doc_, prompts_, model_.working(), cp1253::toUtf8(model_.firstName),
                    cp1253::toUtf8(model_.lastName));
    refresh();
}

// The dates of a stored person are written on the privileges dialog's OK, those of a person being
// added when it is stored; the ticks come back here and are stored with the record.
void PublisherDetailsDialog::onPrivileges() {
    const std::string name =
        cp1253::toUtf8(model_.firstName) + " " + cp1253::toUtf8(model_.lastName);
    const auto accepted = runPrivilegesDialog(
        this, doc_, prompts_, static_cast<std::uint16_t>(model_.adding() ? 0 : model_.id()), name,
        model_.male(), model_.privilegeTicks(), &model_.heldPrivilegeDates());
    if (accepted) {
        model_.takePrivileges(accepted->ticks);
        model_.holdPrivilegeDates(accepted->dates);
        sideChanges_ = true;
    }
    refresh();
}

void PublisherDetailsDialog::onGroup() {
    const int current = model_.group() <= 20 ? model_.group() : 0;
    if (const auto chosen = choosePublisherGroup(this, doc_, current)) model_.setGroup(*chosen);
    refresh();
}

void PublisherDetailsDialog::onHousehold() {
    sideChanges_ |= runHouseholdDialog(this, doc_, prompts_, model_.working(), model_.row(),
                                       &model_.newMembers());
    refresh();
}

void PublisherDetailsDialog::onConductor() {
    if (!model_.conductorLine().empty()) {
        model_.clearConductor();
    } else if (const auto row = choosePublisherRow(this, doc_)) {
        model_.setConductor(*row);
    }
    refresh();
}

void PublisherDetailsDialog::onDelete() {
    if (model_.student()) {
        if (!model_.deleteStudent()) return;
    } else {
        // A publisher leaves for good or for the deleted list: the removal dialog asks which.
        records::RemovalModel removal(doc_, model_.row(), todayFromEnvironment().year);
        RemovalDialog dialog(removal, this);
        if (dialog.exec() != QDialog::Accepted || !model_.removePublisher(removal)) return;
    }
    deleted_ = true;
    accept();
}

void PublisherDetailsDialog::onMove(bool forward) {
    if (forward ? model_.next() : model_.previous()) firstName_->setFocus();
    refresh();
}

}  // namespace zelvo::gui
