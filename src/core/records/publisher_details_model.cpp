#include "records/publisher_details_model.h"

#include <algorithm>

#include "records/appointments.h"
#include "records/group_caption.h"
#include "records/new_information.h"
#include "records/person_lists.h"
#include "records/publisher_table.h"
#include "records/reactivation.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/publisher_status.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

// Bits of the privileges byte.
constexpr std::uint8_t kPrivilegeCode = privilege::kCodeMask;
constexpr std::uint8_t kHeadBit = privilege::kHeadOfFamily;
constexpr std::uint8_t kContinuousAuxBit = privilege::kContinuousAuxiliary;
constexpr std::uint8_t kCustomBit = privilege::kCustomCategory;
constexpr std::uint8_t kMaleBit = privilege::kMale;
constexpr std::uint8_t kFemaleBit = privilege::kFemale;
constexpr std::uint8_t kLeftOutBit = privilege::kLeftOutOfGroupLists;
enum PrivilegeCode : std::uint8_t {
    kNoPrivilege = 0,
    kServant = privilege::kServant,
    kElder = privilege::kElder,
    kBaptized = privilege::kBaptizedBrother
};

constexpr std::uint16_t kFullTimeServantBit = appointment::kSpecialFullTimeServant;
constexpr std::uint16_t kFieldMissionaryBit = appointment::kFieldMissionary;

constexpr std::size_t kDateLength = 8;

constexpr int kFirstStatusYear = 1950;

constexpr int kFirstPublisherId = 100;
constexpr int kFirstStudentId = 2000;

std::string utf8(std::string_view text) {
    return cp1253::toUtf8(text);
}

// Trimmed and cut to `limit` characters (trimmed again, a cut may end on a blank).
std::string limited(std::string_view text, std::size_t limit) {
    const std::string_view t = trimmed(text);
    return std::string(trimmed(t.substr(0, std::min(limit, t.size()))));
}

// The privilege and pioneer ticks whose start dates the appointments keep.
struct StartTicks {
    bool servant, elder, regular, special, continuousAux;
};

StartTicks startTicksOf(const PublisherRecord& r, const CalendarState& cal) {
    const int code = r.privileges() & kPrivilegeCode;
    const int pioneer = r.pioneerKind(cal.reportMonth, cal.reportSlot());
    return {code == kServant, code == kElder, pioneer == 2, pioneer == 3,
            (r.privileges() & kContinuousAuxBit) != 0};
}

bool hasMembers(const CZelvoDoc& doc, std::uint16_t headId, int ownRow) {
    if (headId == 0) return false;
    for (int row = 1; row < doc.recordCount(); ++row)
        if (row != ownRow && doc.publishers[static_cast<std::size_t>(row)].householdKey() == headId)
            return true;
    return false;
}

}  // namespace

std::string shortenedFirstName(const std::string& first, const std::string& last) {
    const std::size_t together =
        std::min(first.size(), kNameLimit) + std::min(last.size(), kNameLimit);
    if (first.empty() || together <= kNamePairLimit) return first;
    return first.substr(0, 1) + ".";
}

bool autoCapitalizes(const std::string& languageWord) {
    for (const char* word : {"turkish", "french", "greek", "tha", "rus"})
        if (languageWord == word) return false;
    return languageWord.empty() || languageWord[0] != 'U';
}

std::string autoCapitalized(const std::string& text) {
    std::string out = text.substr(0, std::min(text.size(), kNameLimit));
    if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') out[0] = static_cast<char>(out[0] - 32);
    return out;
}

std::string groupButtonText(const CZelvoDoc& doc, int group) {
    if (group < 1 || group > ServiceGroupTable::kMaxGroups)
        return std::string(res::kTaskGroupTitle);
    const ServiceGroupTable& groups = doc.groups;
    if (groups.useLabel(group) != 0 &&
        groups.text(ServiceGroupTable::labelNameField(group)).size() > 1)
        return groupCaption(groups, group);
    return "( &" + std::string(res::kGroupCaption) + std::to_string(group) + " ) " +
           utf8(groups.text(ServiceGroupTable::overseerField(group)));
}

std::vector<std::string> groupButtonTexts(const CZelvoDoc& doc) {
    std::vector<std::string> texts;
    for (int group = 0; group <= ServiceGroupTable::kMaxGroups; ++group)
        texts.push_back(groupButtonText(doc, group));
    return texts;
}

// ------------------------------------------------------------------ opening

PublisherDetailsModel::PublisherDetailsModel(CZelvoDoc& doc, UserPrompts& prompts,
                                             DetailsClipboard& clipboard, Variant variant,
                                             std::vector<int> listIds, int id, int currentYear)
    : birth(currentYear),
      baptism(currentYear),
      consentDate(currentYear),
      doc_(doc),
      prompts_(prompts),
      clipboard_(clipboard),
      variant_(variant),
      listIds_(std::move(listIds)),
      currentYear_(currentYear) {
    open(id);
}

bool PublisherDetailsModel::roomForNewPerson(const CZelvoDoc& doc, UserPrompts& prompts) {
    if (!tableFull(doc)) return true;
    prompts.showMessage(res::kTableFull);
    return false;
}

void PublisherDetailsModel::open(int id) {
    const auto row = id != 0 ? doc_.findById(id) : std::nullopt;
    if (!row || *row <= 0) {
        openNew();
        return;
    }
    row_ = *row;
    extra_ = ownContactExtra(row_);
    working_ = doc_.publishers[static_cast<std::size_t>(row_)];
    extra_.setPublisherId(working_.id());
    loadFields();
}

// The person's contact extra. A link to a record that is not the person's (another person's,
// or one beyond the file) is dropped here, where the person is edited.
ContactExtra PublisherDetailsModel::ownContactExtra(int row) {
    const auto extra = doc_.contactExtraOf(row);
    PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(row)];
    if (!extra && r.extraIndex() != 0) {
        r.setWord(PublisherRecord::kExtraIndex, 0);
        doc_.markModified();
    }
    return extra.value_or(ContactExtra{});
}

void PublisherDetailsModel::openNew() {
    row_ = 0;
    working_ = PublisherRecord{};
    working_.setKind(student() ? kNonPublisher : kPublisher);
    working_.setId(static_cast<std::uint16_t>(
        doc_.nextFreeId(student() ? kFirstStudentId : kFirstPublisherId)));
    extra_ = ContactExtra{};
    extra_.setPublisherId(working_.id());
    loadFields();
}

void PublisherDetailsModel::loadFields() {
    fromPrivileges_ = {};
    heldDates_ = {};
    const PublisherRecord& r = working_;
    firstName = r.firstName();
    lastName = r.lastName();
    address = r.address();
    phoneHome = r.phoneHome();
    phoneMobile = r.phoneMobile();
    phoneWork = r.phoneWork();
    email = extra_.email();
    birth = DateLists(currentYear_);
    birth.load(r.birthDate());
    baptism = DateLists(currentYear_);
    baptism.load(r.baptismDate());

    // The consent is the appointment of kind 20; a consent recorded only in the record (an
    // imported list) is shown too, so storing does not drop it.
    consentDate = DateLists(currentYear_);
    consent = false;
    if (const AppointmentRecord* a =
            adding() ? nullptr : appointmentOf(doc_, r.id(), kConsentKind)) {
        consent = true;
        consentDate.load(a->appointmentText());
    } else if (r.consentGiven() != 0) {
        consent = true;
        consentDate.load(r.consentDate());
    }
    loadedConsent_ = consent;

    const std::uint8_t p = r.privileges();
    const int code = p & kPrivilegeCode;
    servant_ = code == kServant;
    elder_ = code == kElder;
    baptized_ = code == kBaptized;
    female_ = (p & kFemaleBit) != 0;
    // A brother with a privilege but no sex recorded is shown as male.
    male_ = (p & kMaleBit) != 0 || (!female_ && code != kNoPrivilege);
    head_ = (p & kHeadBit) != 0;
    continuousAux_ = (p & kContinuousAuxBit) != 0;
    // The tick of an inactive or deleted person is the group-list exclusion.
    customCategory = (p & (onOtherList() ? kLeftOutBit : kCustomBit)) != 0;
    statusMonth = 0;
    statusYear = 0;
    if (variant_ == Variant::Inactive) {
        statusMonth = zelvo::statusMonth(r.statusFlags());
        statusYear = inactiveYear(r.statusFlags2());
    } else if (variant_ == Variant::Deleted) {
        statusMonth = r.statusSince() & 0xFF;
        statusYear = kFirstStatusYear + (r.statusSince() >> 8);
    }
    const auto& cal = doc_.calendar;
    const int pioneer = r.pioneerKind(cal.reportMonth, cal.reportSlot());
    regular_ = pioneer == 2;
    special_ = pioneer == 3;
    anointed = r.hope() == 'A';
    conductor_ = student() ? r.conductor() : std::string();

    loaded_ = working_;
    loadedExtra_ = extra_;
    shortenedFrom_.clear();
    opened_ = composed();
    openedExtra_ = extra_;
    openedEmail_ = email;
}

// ------------------------------------------------------------------ what is shown

std::string PublisherDetailsModel::title() const {
    return std::string(student() ? res::kStudentDetailsTitle : res::kDetailsTitle);
}

bool PublisherDetailsModel::fullTimeServant() const {
    return (working_.appointmentBits() & kFullTimeServantBit) != 0;
}

bool PublisherDetailsModel::fieldMissionary() const {
    return (working_.appointmentBits() & kFieldMissionaryBit) != 0;
}

bool PublisherDetailsModel::customCategoryVisible() const {
    if (onOtherList()) return variant_ == Variant::Inactive;
    return doc_.settings.customCategoryEnabled != 0 &&
           !trimmed(doc_.settings.customCategoryName).empty();
}

std::string PublisherDetailsModel::customCategoryText() const {
    if (onOtherList()) return std::string(res::kLeaveOutOfGroupLists);
    return utf8(doc_.settings.customCategoryName);
}

bool PublisherDetailsModel::privilegesVisible() const {
    return variant_ == Variant::Publisher && baptism.complete();
}

bool PublisherDetailsModel::headOfFamilyEnabled() const {
    return !(head_ && (hasMembers(doc_, working_.id(), row_) || !newMembers_.empty()));
}

bool PublisherDetailsModel::householdVisible() const {
    if (variant_ == Variant::Deleted) return false;
    return head_ || working_.householdKey() != 0;
}

std::string PublisherDetailsModel::householdText() const {
    return std::string(head_ ? res::kEditHousehold : res::kViewHousehold);
}

bool PublisherDetailsModel::copyVisible() const {
    if (student() || variant_ == Variant::Deleted) return false;
    return !adding() || clipboard_.remembered.has_value();
}

std::string PublisherDetailsModel::copyText() const {
    return std::string(clipboard_.remembered ? res::kPaste : res::kCopy);
}

std::string PublisherDetailsModel::statusGroupCaption() const {
    if (variant_ == Variant::Inactive) return std::string(res::kVerbBecameInactive);
    if (variant_ == Variant::Deleted) return std::string(res::kDeletedGroupCaption);
    return {};
}

std::vector<std::string> PublisherDetailsModel::statusMonthEntries() {
    std::vector<std::string> entries{std::string()};
    for (int m = 0; m < 12; ++m) entries.emplace_back(res::monthAbbrev(m));
    return entries;
}

std::vector<int> PublisherDetailsModel::statusYearEntries() const {
    std::vector<int> years;
    for (int y = kFirstStatusYear; y <= currentYear_; ++y) years.push_back(y);
    const int held = loaded_.kind() == kInactive || loaded_.kind() == kDeleted ? statusYear : 0;
    if (held != 0 && std::find(years.begin(), years.end(), held) == years.end()) {
        years.push_back(held);
        std::sort(years.begin(), years.end());
    }
    return years;
}

std::string PublisherDetailsModel::conductorLine() const {
    if (conductor_.empty()) return {};
    return std::string(res::kConductorLine) + ": " + utf8(conductor_);
}

std::string PublisherDetailsModel::conductorButtonText() const {
    return std::string(conductor_.empty() ? res::kChooseConductor : res::kClearConductor);
}

std::string PublisherDetailsModel::namesNote() const {
    const std::string pairLimit = std::to_string(kNamePairLimit);
    if (!shortenedFrom_.empty())
        return res::format(res::kFirstNameInitial, utf8(shortenedFrom_), utf8(firstName),
                           pairLimit);
    // The rule is applied when the first-name box is left; say it while it is typed.
    const std::string initial = shortenedFirstName(firstName, lastName);
    if (initial != firstName)
        return res::format(res::kFirstNameInitial, utf8(firstName), utf8(initial), pairLimit);
    std::string note;
    for (const auto& [field, typed] : {std::pair{PublisherRecord::kFirstName, &firstName},
                                       std::pair{PublisherRecord::kLastName, &lastName}}) {
        const std::string stored = storedText(field, *typed, kNameLimit);
        if (stored == trimmed(*typed)) continue;
        if (!note.empty()) note += " ";
        note += res::format(res::kNameCut, utf8(trimmed(*typed)), utf8(stored),
                            std::to_string(kNameLimit));
    }
    return note;
}

std::string PublisherDetailsModel::datesNote() const {
    if (publisherControlsVisible() && baptism.before(birth))
        return std::string(res::kBaptismBeforeBirth);
    return {};
}

// ------------------------------------------------------------------ changes

void PublisherDetailsModel::setFirstName(const std::string& text) {
    const bool caps = doc_.settings.autoCapitalize != 0 && autoCapitalizes(doc_.languageWord);
    firstName = caps ? autoCapitalized(text) : text;
    shortenedFrom_.clear();
}

void PublisherDetailsModel::setLastName(const std::string& text) {
    const bool caps = doc_.settings.autoCapitalize != 0 && autoCapitalizes(doc_.languageWord);
    lastName = caps ? autoCapitalized(text) : text;
    applyNameRule();
}

void PublisherDetailsModel::firstNameLeft() {
    applyNameRule();
}

// The first name as typed is remembered, so the note can say what became of it.
void PublisherDetailsModel::applyNameRule() {
    const std::string shortened = shortenedFirstName(firstName, lastName);
    if (shortened == firstName) return;
    shortenedFrom_ = firstName;
    firstName = shortened;
}

void PublisherDetailsModel::setMale(bool on) {
    male_ = on;
    if (on) female_ = false;
}

void PublisherDetailsModel::setFemale(bool on) {
    female_ = on;
    if (on) male_ = servant_ = elder_ = baptized_ = false;
}

// A privilege belongs to a brother and excludes the other two.
void PublisherDetailsModel::setServant(bool on) {
    servant_ = on;
    if (!on) return;
    elder_ = baptized_ = female_ = false;
    male_ = true;
}

void PublisherDetailsModel::setElder(bool on) {
    elder_ = on;
    if (!on) return;
    servant_ = baptized_ = female_ = false;
    male_ = true;
}

void PublisherDetailsModel::setBaptizedBrother(bool on) {
    baptized_ = on;
    if (!on) return;
    servant_ = elder_ = female_ = false;
    male_ = true;
}

void PublisherDetailsModel::setRegular(bool on) {
    regular_ = on;
    if (on) special_ = continuousAux_ = false;
}

void PublisherDetailsModel::setSpecial(bool on) {
    special_ = on;
    if (on) regular_ = continuousAux_ = false;
}

void PublisherDetailsModel::setContinuousAuxiliary(bool on) {
    continuousAux_ = on;
    if (on) regular_ = special_ = false;
}

PrivilegeTicks PublisherDetailsModel::privilegeTicks() const {
    PrivilegeTicks t;
    t.rows = {servant_, elder_, regular_, continuousAux_, special_};
    t.fieldMissionary = fieldMissionary();
    t.fullTimeServant = fullTimeServant();
    return t;
}

void PublisherDetailsModel::takePrivileges(const PrivilegeTicks& ticks) {
    const PrivilegeTicks before = privilegeTicks();
    for (std::size_t i = 0; i < ticks.rows.size(); ++i)
        if (ticks.rows[i] && !before.rows[i]) fromPrivileges_.rows[i] = true;
    if (ticks.rows[kElderRow])
        setElder(true);
    else if (ticks.rows[kServantRow])
        setServant(true);
    else if (servant_ || elder_) {
        // An ended privilege leaves a baptized brother, not a brother without a category.
        servant_ = elder_ = false;
        baptized_ = male_;
    }
    regular_ = ticks.rows[kRegularRow];
    special_ = ticks.rows[kSpecialRow];
    continuousAux_ = ticks.rows[kContinuousAuxRow];
    std::uint16_t bits = working_.appointmentBits() & ~(kFullTimeServantBit | kFieldMissionaryBit);
    if (ticks.fullTimeServant) bits |= kFullTimeServantBit;
    if (ticks.fieldMissionary) bits |= kFieldMissionaryBit;
    working_.setWord(PublisherRecord::kAppointmentBits, bits);
}

void PublisherDetailsModel::setHeadOfFamily(bool on) {
    if (!headOfFamilyEnabled()) return;
    head_ = on;
    if (on) working_.setWord(PublisherRecord::kHouseholdKey, 0);
}

void PublisherDetailsModel::setGroup(int group) {
    working_.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
}

void PublisherDetailsModel::setConductor(int row) {
    if (row <= 0 || row >= doc_.recordCount()) return;
    const PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(row)];
    conductor_ = r.firstName() + " " + r.lastName();
    conductor_.resize(std::min(conductor_.size(), PublisherRecord::kConductor.width - 1));
}

void PublisherDetailsModel::clearConductor() {
    conductor_.clear();
}

bool PublisherDetailsModel::copyOrPaste() {
    if (const auto& remembered = clipboard_.remembered) {
        address = remembered->address();
        phoneHome = remembered->phoneHome();
        setGroup(remembered->groupNumber());
        return true;
    }
    if (adding() || store() != StoreOutcome::Stored) return false;
    clipboard_.remembered = doc_.publishers[static_cast<std::size_t>(row_)];
    return true;
}

PublisherRecord& PublisherDetailsModel::working() {
    working_ = composed();
    return working_;
}

// ------------------------------------------------------------------ storing

std::optional<std::string> PublisherDetailsModel::refusal() const {
    if (const auto field = impossibleDate()) {
        const std::string_view name = *field == DateField::Birth     ? res::kBirthDateName
                                      : *field == DateField::Baptism ? res::kBaptismDateName
                                                                     : res::kConsentDateName;
        return res::format(res::kDateRefused, name, date(*field).impossibility());
    }
    const std::size_t length = trimmed(lastName).size();
    if (length == 0) return std::string(res::kLastNameRequired);
    if (student() && length < 2) return std::string(res::kStudentLastNameTooShort);
    return std::nullopt;
}

// Only the dates the dialog would store count: a student's birth and baptism are not shown.
std::optional<PublisherDetailsModel::DateField> PublisherDetailsModel::impossibleDate() const {
    for (const DateField field : {DateField::Birth, DateField::Baptism, DateField::Consent}) {
        const bool shown = field == DateField::Consent ? consent : publisherControlsVisible();
        if (shown && !date(field).possible()) return field;
    }
    return std::nullopt;
}

const DateLists& PublisherDetailsModel::date(DateField field) const {
    switch (field) {
        case DateField::Birth:
            return birth;
        case DateField::Baptism:
            return baptism;
        case DateField::Consent:
            break;
    }
    return consentDate;
}

bool PublisherDetailsModel::hasChanges() const {
    return composed().bytes != opened_.bytes || email != openedEmail_ ||
           extra_.bytes != openedExtra_.bytes || !newMembers_.empty();
}

PublisherDetailsModel::Leaving PublisherDetailsModel::askBeforeLeaving() {
    if (!hasChanges()) return Leaving::Close;
    switch (prompts_.askYesNoCancel(res::kSaveChanges)) {
        case Answer::Yes:
            return Leaving::Store;
        case Answer::No:
            return Leaving::Close;
        case Answer::Cancel:
            break;
    }
    return Leaving::Stay;
}

PublisherRecord PublisherDetailsModel::composed() const {
    PublisherRecord r = working_;
    for (const auto& [field, text] : storedTexts()) r.setText(field, text);

    const std::uint8_t code = elder_      ? kElder
                              : servant_  ? kServant
                              : baptized_ ? kBaptized
                                          : kNoPrivilege;
    // The one tick stores the custom category, or for another list the group-list exclusion;
    // the other of the two bits stays as it was.
    const std::uint8_t tickBit = onOtherList() ? kLeftOutBit : kCustomBit;
    const std::uint8_t keptBit = onOtherList() ? kCustomBit : kLeftOutBit;
    std::uint8_t p = static_cast<std::uint8_t>((working_.privileges() & keptBit) | code);
    if (head_) p |= kHeadBit;
    if (continuousAux_) p |= kContinuousAuxBit;
    if (customCategory) p |= tickBit;
    if (male_) p |= kMaleBit;
    if (female_) p |= kFemaleBit;
    r.setByte(PublisherRecord::kPrivileges, p);
    composeStatus(r);

    if (consent) {
        r.setByte(PublisherRecord::kConsentGiven, 1);
        r.setText(PublisherRecord::kConsentDate, consentDate.storedText());
    } else if (loadedConsent_) {
        r.setByte(PublisherRecord::kConsentGiven, 0);
        r.setText(PublisherRecord::kConsentDate, "");
    }

    if (student()) {
        // Students keep no reports: the conductor's name lives where they would be.
        if (conductor_ != loaded_.conductor()) r.setText(PublisherRecord::kConductor, conductor_);
        return r;
    }
    r.setText(PublisherRecord::kBirthDate, birth.storedText());
    r.setText(PublisherRecord::kBaptismDate, baptism.storedText());
    r.setByte(PublisherRecord::kHope, anointed ? 'A' : 'O');

    // The current report month's pioneer code; an auxiliary month entered with the report stays.
    const auto& cal = doc_.calendar;
    const int month = cal.reportMonth;
    const int slot = cal.reportSlot();
    const int was = loaded_.pioneerKind(month, slot);
    const int pioneer = special_ ? 3 : regular_ ? 2 : was == 1 || continuousAux_ ? 1 : 0;
    const std::uint8_t old = r.monthByte(MonthByte::PioneerKind, month, slot);
    r.setMonthByte(MonthByte::PioneerKind, month, slot,
                   static_cast<std::uint8_t>((old & ~0x03u) | static_cast<unsigned>(pioneer)));
    return r;
}

// The month and year of becoming inactive, or of the deletion, as the record keeps them.
void PublisherDetailsModel::composeStatus(PublisherRecord& r) const {
    const int month = std::clamp(statusMonth, 0, 12);
    if (variant_ == Variant::Inactive && r.kind() == kInactive) {
        r.setByte(PublisherRecord::kStatusFlags, static_cast<std::uint8_t>(month * 16));
        r.setByte(PublisherRecord::kStatusFlags2, inactiveYearCode(statusYear));
    } else if (variant_ == Variant::Deleted && r.kind() == kDeleted) {
        const int year = std::clamp(statusYear, kFirstStatusYear, kFirstStatusYear + 255);
        r.setWord(PublisherRecord::kStatusSince,
                  static_cast<std::uint16_t>((year - kFirstStatusYear) * 256 + month));
    }
}

// A text left as it was opened is kept whole, even when it is longer than this dialog accepts
// (an imported name of 15 characters).
std::string PublisherDetailsModel::storedText(TextField field, const std::string& text,
                                              std::size_t limit) const {
    const std::string before = loaded_.text(field);
    return text == before ? before : limited(text, limit);
}

std::vector<std::pair<TextField, std::string>> PublisherDetailsModel::storedTexts() const {
    const auto kept = [this](TextField f, const std::string& text, std::size_t limit) {
        return std::pair{f, storedText(f, text, limit)};
    };
    return {
        kept(PublisherRecord::kFirstName, firstName, kNameLimit),
        kept(PublisherRecord::kLastName, lastName, kNameLimit),
        kept(PublisherRecord::kAddress, address, kAddressLimit),
        kept(PublisherRecord::kPhoneHome, phoneHome, kPhoneLimit),
        kept(PublisherRecord::kPhoneMobile, phoneMobile, kPhoneLimit),
        kept(PublisherRecord::kPhoneWork, phoneWork, kPhoneLimit),
    };
}

void PublisherDetailsModel::warnRepairedTexts() const {
    for (const auto& [field, text] : storedTexts()) {
        const std::string safe = fileSafeText(field, text);
        if (safe != text)
            prompts_.showMessage(res::format(res::kProblemRepairedText, utf8(text), utf8(safe)));
    }
}

PublisherDetailsModel::StoreOutcome PublisherDetailsModel::store() {
    if (const auto why = refusal()) {
        prompts_.showMessage(*why);
        return StoreOutcome::Refused;
    }
    warnRepairedTexts();
    const PublisherRecord record = composed();
    int row = row_;
    if (adding()) {
        const InsertResult result = insertNew(doc_, record, prompts_);
        // No to the duplicate question goes back to the typing, to change the name or cancel.
        if (result.outcome == InsertOutcome::Dropped) return StoreOutcome::Refused;
        if (result.outcome == InsertOutcome::TableFull) return StoreOutcome::Dropped;
        row = result.row;
        if (result.outcome == InsertOutcome::ReplacedExisting)
            keepWhatWasLeftBlank(row, result.replaced);
    } else {
        doc_.publishers[static_cast<std::size_t>(row_)] = record;
        if (record.firstName() != loaded_.firstName() || record.lastName() != loaded_.lastName())
            row = resortRenamed(doc_, row_, prompts_);
    }
    doc_.markModified();
    changed_ = true;
    storeSideRecords(row);
    const std::uint16_t id = doc_.publishers[static_cast<std::size_t>(row)].id();
    linkNewMembers(id);
    open(id);
    return StoreOutcome::Stored;
}

// Yes to the duplicate question: the typed details went over the person of `row`, whose record
// was `before`. The side records are that person's: a contact text or a consent left blank here
// keeps theirs, and a privilege or pioneer tick they had already was not set here.
void PublisherDetailsModel::keepWhatWasLeftBlank(int row, const PublisherRecord& before) {
    const std::uint16_t id = before.id();
    ContactExtra own = ownContactExtra(row);
    own.setPublisherId(id);
    ContactExtra typed = extra_;
    typed.setText(ContactExtra::kEmail, limited(email, kEmailLimit));
    extra_ = withNewInformation(own, typed);
    email = extra_.email();
    loadedExtra_ = own;

    const AppointmentRecord* a = appointmentOf(doc_, id, kConsentKind);
    const bool ownConsent = a != nullptr || before.consentGiven() != 0;
    if (ownConsent && (!consent || trimmed(consentDate.storedText()).empty())) {
        consent = true;
        consentDate.load(a != nullptr ? a->appointmentText() : before.consentDate());
    }
    loadedConsent_ = ownConsent;
    loaded_ = before;
}

void PublisherDetailsModel::storeSideRecords(int row) {
    const std::uint16_t id = doc_.publishers[static_cast<std::size_t>(row)].id();
    storeExtra(row);
    if (!student()) blankStartsSetHere(id);
    storeConsent(id);
    storeHeldDates(id);
}

void PublisherDetailsModel::holdPrivilegeDates(const PrivilegeDateTexts& dates) {
    if (adding()) heldDates_ = dates;
}

// A person replaced through the duplicate question keeps the dates left blank here.
void PublisherDetailsModel::storeHeldDates(std::uint16_t id) {
    if (const auto problem = writePrivilegeDates(doc_, id, heldDates_, true))
        prompts_.showMessage(*problem);
    heldDates_ = {};
}

bool PublisherDetailsModel::storeExtra(int row) {
    PublisherRecord& stored = doc_.publishers[static_cast<std::size_t>(row)];
    ContactExtra extra = extra_;
    extra.setPublisherId(stored.id());
    extra.setText(ContactExtra::kEmail, limited(email, kEmailLimit));
    const bool unchanged = extra.bytes == loadedExtra_.bytes && stored.id() == loaded_.id();
    // A person without any contact text gets no record of its own.
    if (unchanged || (stored.extraIndex() == 0 && extra.presence() == 0)) return true;
    const auto number = doc_.writeContactExtra(extra);
    if (!number) {
        prompts_.showMessage(res::format(res::kContactExtraNotStored, files::kContactExtras));
        return false;
    }
    stored.setWord(PublisherRecord::kExtraIndex, static_cast<std::uint16_t>(*number));
    return true;
}

// A privilege or pioneer ticked here directly has no known start date.
void PublisherDetailsModel::blankStartsSetHere(std::uint16_t id) {
    const StartTicks was = startTicksOf(loaded_, doc_.calendar);
    const auto& through = fromPrivileges_.rows;
    const std::pair<bool, AppointmentKind> ticks[] = {
        {servant_ && !was.servant && !through[kServantRow], kServantStart},
        {elder_ && !was.elder && !through[kElderRow], kElderStart},
        {regular_ && !was.regular && !through[kRegularRow], kRegularStart},
        {continuousAux_ && !was.continuousAux && !through[kContinuousAuxRow], kContinuousAuxStart},
        {special_ && !was.special && !through[kSpecialRow], kSpecialStart},
    };
    for (const auto& [setHere, kind] : ticks) {
        if (!setHere) continue;
        AppointmentRecord* a = appointmentOf(doc_, id, kind);
        if (a == nullptr) continue;
        std::string text = a->appointmentText();
        text.resize(std::max(text.size(), kDateLength), ' ');
        text.replace(0, kDateLength, kDateLength, ' ');
        a->setText(AppointmentRecord::kText, text);
    }
}

void PublisherDetailsModel::storeConsent(std::uint16_t id) {
    AppointmentRecord* a = appointmentOf(doc_, id, kConsentKind);
    if (!consent) {
        // Only a consent shown here and unticked is removed.
        if (a != nullptr && loadedConsent_) a->setWord(2, 0);  // kind 0: no longer written
        return;
    }
    if (a == nullptr) a = freeAppointment(doc_);
    if (a == nullptr) {
        prompts_.showMessage(
            res::format(res::kAppointmentsFull, std::to_string(CZelvoDoc::kMaxAppointments)));
        return;
    }
    *a = AppointmentRecord{};
    a->setWord(0, id);
    a->setWord(2, kConsentKind);
    a->setText(AppointmentRecord::kText, consentDate.storedText());
}

void PublisherDetailsModel::linkNewMembers(std::uint16_t headId) {
    for (const int member : newMembers_) {
        const auto row = doc_.findById(member);
        if (member != headId && row)
            doc_.publishers[static_cast<std::size_t>(*row)].setWord(PublisherRecord::kHouseholdKey,
                                                                    headId);
    }
    newMembers_.clear();
}

bool PublisherDetailsModel::moveBy(int step) {
    if (store() != StoreOutcome::Stored) return false;
    const int n = static_cast<int>(listIds_.size());
    if (n == 0) return true;
    const auto at = std::find(listIds_.begin(), listIds_.end(), id());
    const int index = at == listIds_.end() ? 0 : static_cast<int>(at - listIds_.begin()) + step;
    open(listIds_[static_cast<std::size_t>((index % n + n) % n)]);
    return true;
}

bool PublisherDetailsModel::previous() {
    return moveBy(-1);
}

bool PublisherDetailsModel::next() {
    return moveBy(1);
}

bool PublisherDetailsModel::deleteStudent() {
    if (adding() || !student()) return false;
    const std::string question = res::format(res::kReallyDelete, utf8(doc_.displayName(row_)));
    if (!prompts_.askYesNo(question)) return false;
    deletePerson(doc_, row_);
    changed_ = true;
    return true;
}

bool PublisherDetailsModel::removePublisher(const RemovalModel& removal) {
    if (adding() || removal.row() != row_) return false;
    if (const Refusal refusal = removal.apply(doc_)) {
        prompts_.showMessage(*refusal);
        return false;
    }
    changed_ = true;
    return true;
}

}  // namespace zelvo::records
