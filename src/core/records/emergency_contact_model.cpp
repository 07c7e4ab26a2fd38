#include "records/emergency_contact_model.h"

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

// A new contact needs a name of at least this many characters.
constexpr std::size_t kMinNewName = 2;

TextField fieldOf(EmergencyContactModel::Field f) {
    switch (f) {
        case EmergencyContactModel::Name:
            return EmergencyContact::kName;
        case EmergencyContactModel::Info:
            return EmergencyContact::kInfo;
        case EmergencyContactModel::PhoneHome:
            return EmergencyContact::kPhoneHome;
        case EmergencyContactModel::PhoneMobile:
            return EmergencyContact::kPhoneMobile;
        case EmergencyContactModel::PhoneWork:
            break;
    }
    return EmergencyContact::kPhoneWork;
}

}  // namespace

EmergencyContactModel::EmergencyContactModel(CZelvoDoc& doc, const PublisherRecord& person,
                                             int editedRow)
    : doc_(doc), person_(person), editedRow_(editedRow) {
    if (person.emergencyKey() != 0) loaded_ = doc.readEmergency(person.emergencyKey());
    working_ = loaded_;
}

std::string EmergencyContactModel::title() const {
    if (editedRow_ > 0 && editedRow_ < doc_.recordCount())
        return cp1253::toUtf8(doc_.displayName(editedRow_));
    return cp1253::toUtf8(person_.firstName() + " " + person_.lastName());
}

int EmergencyContactModel::maxLength(Field f) {
    return static_cast<int>(fieldOf(f).width) - 1;
}

std::string EmergencyContactModel::text(Field f) const {
    return cp1253::toUtf8(working_.text(fieldOf(f)));
}

void EmergencyContactModel::setText(Field f, std::string_view utf8) {
    working_.setText(fieldOf(f), cp1253::fromUtf8(utf8));
}

bool EmergencyContactModel::witness() const {
    return working_.bytes[EmergencyContact::kWitness] == 1;
}

void EmergencyContactModel::setWitness(bool on) {
    working_.bytes[EmergencyContact::kWitness] = on ? 1 : 0;
}

bool EmergencyContactModel::shared() const {
    return isShared(doc_, SharedFile::Emergency, key(), editedRow_);
}

bool EmergencyContactModel::canUseExisting() const {
    return existingChoice().entries.size() > 1;
}

SharedRecordChoice EmergencyContactModel::existingChoice() const {
    return emergencyChoice(doc_, person_);
}

void EmergencyContactModel::useExisting(int chosenKey) {
    const EmergencyContact chosen = doc_.readEmergency(chosenKey);
    if (chosen.key() != 0) working_ = chosen;
}

void EmergencyContactModel::stopUsing(UserPrompts& prompts) {
    switch (prompts.askYesNoCancelDefaultNo(res::kClearFields)) {
        case Answer::Yes:
            working_ = EmergencyContact{};
            break;
        case Answer::No:
            working_.setKey(0);
            break;
        case Answer::Cancel:
            break;
    }
}

EmergencyContactModel::Outcome EmergencyContactModel::accept(PublisherRecord& person,
                                                             UserPrompts& prompts) {
    const std::string name(trimmed(working_.text(EmergencyContact::kName)));
    working_.setText(EmergencyContact::kName, name);
    if (name.empty()) {
        // Only this person lets go of the contact; the record stays for anyone sharing it.
        person.setWord(PublisherRecord::kEmergencyKey, 0);
        return Outcome::Accepted;
    }
    if (working_ == loaded_) return Outcome::Accepted;
    if (key() != 0) {
        // A record chosen as it stands needs no rewrite.
        const bool same = doc_.readEmergency(key()) == working_;
        if (!same && !doc_.writeEmergency(key(), working_)) {
            reportRecordNotWritten(doc_, SharedFile::Emergency, prompts);
            return Outcome::NotWritten;
        }
        person.setWord(PublisherRecord::kEmergencyKey, static_cast<std::uint16_t>(key()));
        loaded_ = working_;
        return Outcome::Accepted;
    }
    if (name.size() < kMinNewName) return Outcome::FocusName;
    const auto added = doc_.addEmergency(working_);
    if (!added) {
        reportRecordNotWritten(doc_, SharedFile::Emergency, prompts);
        return Outcome::NotWritten;
    }
    working_.setKey(static_cast<std::uint16_t>(*added));
    loaded_ = working_;
    person.setWord(PublisherRecord::kEmergencyKey, static_cast<std::uint16_t>(*added));
    return Outcome::Accepted;
}

}  // namespace zelvo
