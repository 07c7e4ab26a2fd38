// The details dialog of one publisher or student: a working copy of the record with the rules
// of its fields and ticks, and how it is stored into the table.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/date_lists.h"
#include "records/household_model.h"
#include "records/person_transitions.h"
#include "records/privileges_model.h"
#include "store/publisher_record.h"
#include "store/side_records.h"

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::records {

// The record remembered by "Αντιγραφή", kept from one details dialog to the next until
// "Καθαρισμός".
struct DetailsClipboard {
    std::optional<PublisherRecord> remembered;
};

// Editing limits of the text fields (characters).
inline constexpr std::size_t kNameLimit = 14;
inline constexpr std::size_t kAddressLimit = 60;
inline constexpr std::size_t kPhoneLimit = 14;
inline constexpr std::size_t kEmailLimit = 50;
// First and last name together; a longer pair keeps only the initial of the first name.
inline constexpr std::size_t kNamePairLimit = 23;
// The name boxes take longer names than the record holds, so that the note under them can show
// what will be stored instead of the keyboard stopping without a word.
inline constexpr std::size_t kNameTypingLimit = 40;

// The name rule: when both names together, as they will be stored (at most 14 characters each),
// exceed 23 characters, the first name becomes its initial and ".".
std::string shortenedFirstName(const std::string& first, const std::string& last);
// Automatic capitals of the editions that use them: a lower-case a-z first letter becomes upper
// case and the text is cut to 14 characters. Other editions keep the text as typed.
bool autoCapitalizes(const std::string& languageWord);
std::string autoCapitalized(const std::string& text);

// The caption of the group button of a person in `group` (UTF-8).
std::string groupButtonText(const CZelvoDoc& doc, int group);
// Every caption the group button can show: no group, then groups 1 to 20.
std::vector<std::string> groupButtonTexts(const CZelvoDoc& doc);

class RemovalModel;

class PublisherDetailsModel {
public:
    // Inactive and Deleted edit a person of those lists: no privileges, pioneers, status or
    // removal; the month and year of becoming inactive or of the deletion instead.
    enum class Variant { Publisher, Student, Inactive, Deleted };
    enum class StoreOutcome {
        Stored,   // the record is in the table
        Refused,  // the user was told why (or answered No to the duplicate); the dialog stays
        Dropped,  // a new person was not added: the table is full
    };
    // Escape or the close box: close, store as OK does, or stay.
    enum class Leaving { Close, Store, Stay };
    enum class DateField { Birth, Baptism, Consent };

    // Opens the person with `id` (a new person when 0) among `listIds`, the picker's entries in
    // order. `currentYear` (from the clock) bounds the year lists.
    PublisherDetailsModel(CZelvoDoc& doc, UserPrompts& prompts, DetailsClipboard& clipboard,
                          Variant variant, std::vector<int> listIds, int id, int currentYear);

    // Before opening a new person: false, after telling the user, when the table has no room.
    static bool roomForNewPerson(const CZelvoDoc& doc, UserPrompts& prompts);

    // --- what the dialog shows ---
    Variant variant() const { return variant_; }
    bool student() const { return variant_ == Variant::Student; }
    bool adding() const { return row_ == 0; }
    int id() const { return working_.id(); }
    int row() const { return row_; }
    std::string title() const;  // UTF-8

    // Texts in Windows-1253, as the record holds them.
    std::string firstName, lastName, address, phoneHome, phoneMobile, phoneWork, email;
    DateLists birth, baptism, consentDate;
    bool consent = false;
    bool anointed = false;
    bool customCategory = false;

    bool male() const { return male_; }
    bool female() const { return female_; }
    bool servant() const { return servant_; }
    bool elder() const { return elder_; }
    bool baptizedBrother() const { return baptized_; }
    bool regular() const { return regular_; }
    bool special() const { return special_; }
    bool continuousAuxiliary() const { return continuousAux_; }
    bool headOfFamily() const { return head_; }
    bool fullTimeServant() const;  // shown only, when set
    bool fieldMissionary() const;
    int group() const { return working_.groupNumber(); }

    // Birth and baptism dates and the hope: everybody but a student.
    bool publisherControlsVisible() const { return !student(); }
    // The privilege ticks (baptized, servant, elder and the appointments shown when set) and the
    // pioneer ticks: an active publisher only.
    bool privilegeTicksVisible() const { return variant_ == Variant::Publisher; }
    bool pioneerTicksVisible() const { return variant_ == Variant::Publisher; }
    // The custom-category tick; for an inactive person the same tick leaves the person out of
    // the group lists (customCategoryText says which).
    bool customCategoryVisible() const;
    std::string customCategoryText() const;  // UTF-8
    bool privilegesVisible() const;          // "Προνόμια": a complete baptism date
    std::string groupText() const { return groupButtonText(doc_, group()); }
    bool headOfFamilyEnabled() const;  // not while a head has members
    bool householdVisible() const;
    // A deleted person's household, other contact, special needs, group and head-of-family
    // controls are hidden.
    bool emergencyContactVisible() const { return variant_ != Variant::Deleted; }
    bool specialNeedsVisible() const { return variant_ != Variant::Deleted; }
    bool groupVisible() const { return variant_ != Variant::Deleted; }
    bool headOfFamilyVisible() const { return variant_ != Variant::Deleted; }
    std::string householdText() const;
    bool copyVisible() const;
    std::string copyText() const;  // "Αντιγραφή" or "Επικόλληση"
    bool clearVisible() const { return clipboard_.remembered.has_value(); }
    bool deleteVisible() const { return !adding() && !onOtherList(); }
    bool previousNextVisible() const { return !adding() && variant_ == Variant::Publisher; }
    bool statusVisible() const { return variant_ == Variant::Publisher; }

    // The month and year of becoming inactive, or of the deletion: a group box with a month list
    // (a blank entry, then the twelve months: the entry is the month, 0 for none) and a year list.
    bool statusGroupVisible() const { return onOtherList(); }
    std::string statusGroupCaption() const;  // UTF-8
    int statusMonth = 0;
    int statusYear = 0;
    static std::vector<std::string> statusMonthEntries();
    // 1950 up to the current year; a year the record holds outside them is listed too.
    std::vector<int> statusYearEntries() const;
    std::string conductorLine() const;  // UTF-8; empty when the student has no conductor
    std::string conductorButtonText() const;
    // The line under the names (UTF-8) when what will be stored is not what the boxes show: a
    // name cut to its field, or a first name the name rule turns (or turned) into its initial.
    std::string namesNote() const;
    // A warning under the dates that does not stop storing (UTF-8): a baptism before the birth.
    std::string datesNote() const;

    // --- changes ---
    // Typed text of the names; the rules of this edition apply.
    void setFirstName(const std::string& text);
    void setLastName(const std::string& text);
    void firstNameLeft();  // the first-name box lost the focus

    void setMale(bool on);
    void setFemale(bool on);
    void setServant(bool on);
    void setElder(bool on);
    void setBaptizedBrother(bool on);
    void setRegular(bool on);
    void setSpecial(bool on);
    void setContinuousAuxiliary(bool on);
    void setHeadOfFamily(bool on);
    void setGroup(int group);
    // The ticks the privileges dialog opens with, and its OK carried back: ticks set there keep
    // the start dates chosen there when the record is stored.
    PrivilegeTicks privilegeTicks() const;
    void takePrivileges(const PrivilegeTicks& ticks);
    // While a person is being added the privileges dialog's dates wait here (the person has no
    // appointment records yet) and are written when the record is stored.
    const PrivilegeDateTexts& heldPrivilegeDates() const { return heldDates_; }
    void holdPrivilegeDates(const PrivilegeDateTexts& dates);
    // The student's Bible study conductor: the publisher at `row`, or none.
    void setConductor(int row);
    void clearConductor();

    // Copy stores the record and remembers it (false when it could not be stored); Paste brings
    // the remembered address, home phone and group in. One button does both.
    bool copyOrPaste();
    void forgetRemembered() { clipboard_.remembered.reset(); }

    // The working copy as it stands, for the dialogs opened from this one (names as typed).
    PublisherRecord& working();
    ContactExtra& workingExtra() { return extra_; }
    // The members chosen in the household of a head being added, linked when the head is stored.
    NewMembers& newMembers() { return newMembers_; }

    // --- storing ---
    // Why the record cannot be stored as it is (UTF-8), or nothing: a date that does not exist
    // (told first, see impossibleDate), or no last name.
    std::optional<std::string> refusal() const;
    // The first date shown that does not exist, if any.
    std::optional<DateField> impossibleDate() const;
    // The status dialog comes first when a publisher is added.
    bool statusBeforeStore() const { return adding() && !student(); }
    StoreOutcome store();
    // Store, then open the previous or next entry of the list (wrapping). False when the record
    // could not be stored; the dialog then stays on it.
    bool previous();
    bool next();
    // The student's "Διαγραφή": asks, then removes the row. True when removed.
    bool deleteStudent();
    // A publisher's "Διαγραφή", after the removal dialog: runs its choice on this person. True
    // when the person left the list (the dialog closes); a refusal is told and nothing changes.
    bool removePublisher(const RemovalModel& removal);

    // True once something reached the table or the files.
    bool changedSomething() const { return changed_; }
    // Something in the dialog differs from the person as opened (or as last stored).
    bool hasChanges() const;
    // Nothing changed: close. Otherwise the save question: Yes stores (as OK does, so a refusal
    // keeps the dialog open), No closes without storing, Cancel stays with the typing.
    Leaving askBeforeLeaving();

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    DetailsClipboard& clipboard_;
    Variant variant_;
    std::vector<int> listIds_;
    int currentYear_;
    int row_ = 0;  // 0 while adding
    bool changed_ = false;

    PublisherRecord working_{};
    PublisherRecord loaded_{};
    ContactExtra extra_{};
    ContactExtra loadedExtra_{};
    bool loadedConsent_ = false;
    std::string conductor_;
    NewMembers newMembers_;

    bool male_ = false, female_ = false;
    bool servant_ = false, elder_ = false, baptized_ = false;
    bool regular_ = false, special_ = false, continuousAux_ = false;
    bool head_ = false;
    // Ticks set through the privileges dialog: their start dates are not blanked on storing.
    PrivilegeTicks fromPrivileges_{};
    PrivilegeDateTexts heldDates_{};

    // What the dialog would store right after opening, to tell what the user changed.
    PublisherRecord opened_{};
    ContactExtra openedExtra_{};
    std::string openedEmail_;
    // The first name as typed before the name rule made it an initial; empty otherwise.
    std::string shortenedFrom_;

    bool onOtherList() const {
        return variant_ == Variant::Inactive || variant_ == Variant::Deleted;
    }
    void open(int id);
    ContactExtra ownContactExtra(int row);
    void openNew();
    void loadFields();
    bool moveBy(int step);
    PublisherRecord composed() const;
    void composeStatus(PublisherRecord& r) const;
    std::vector<std::pair<TextField, std::string>> storedTexts() const;
    std::string storedText(TextField field, const std::string& text, std::size_t limit) const;
    void applyNameRule();
    const DateLists& date(DateField field) const;
    void keepWhatWasLeftBlank(int row, const PublisherRecord& before);
    void storeSideRecords(int row);
    void linkNewMembers(std::uint16_t headId);
    void blankStartsSetHere(std::uint16_t personId);
    void storeConsent(std::uint16_t personId);
    void storeHeldDates(std::uint16_t personId);
    bool storeExtra(int row);
    void warnRepairedTexts() const;
};

}  // namespace zelvo::records
