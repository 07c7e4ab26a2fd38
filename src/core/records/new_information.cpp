#include "records/new_information.h"

namespace zelvo::records {

namespace {

constexpr std::uint8_t kSex = privilege::kMale | privilege::kFemale;
// Ticks that only add: a box left unticked in the new record clears none of them.
constexpr std::uint8_t kAddedTicks =
    privilege::kHeadOfFamily | privilege::kCustomCategory | privilege::kLeftOutOfGroupLists;

template <typename Record>
void takeText(Record& merged, const Record& added, TextField f) {
    if (!trimmed(added.text(f)).empty()) merged.setText(f, added.text(f));
}

template <typename Record>
void takeWord(Record& merged, const Record& added, std::size_t offset) {
    if (added.word(offset) != 0) merged.setWord(offset, added.word(offset));
}

void takeByte(PublisherRecord& merged, const PublisherRecord& added, std::size_t offset) {
    if (added.byte(offset) != 0) merged.setByte(offset, added.byte(offset));
}

// The privilege code, the sex and the ticks that only add; the continuous-auxiliary bit stays
// the person's here (see mergePioneer). A sister holds none of the three privileges, as the
// details dialog's own rule says.
std::uint8_t mergedPrivileges(std::uint8_t existing, std::uint8_t added) {
    const std::uint8_t code = (added & privilege::kCodeMask) != 0 ? added & privilege::kCodeMask
                                                                  : existing & privilege::kCodeMask;
    const std::uint8_t sex = (added & kSex) != 0 ? added & kSex : existing & kSex;
    const std::uint8_t kept = static_cast<std::uint8_t>(
        ((existing | added) & kAddedTicks) | (existing & privilege::kContinuousAuxiliary));
    const std::uint8_t p = static_cast<std::uint8_t>(kept | sex | code);
    if ((sex & privilege::kFemale) != 0)
        return static_cast<std::uint8_t>(p & ~privilege::kCodeMask);
    return p;
}

// The pioneer ticks belong together (they exclude each other): the report month's code and the
// continuous-auxiliary bit are the new record's when it sets either, else the person's own.
void mergePioneer(PublisherRecord& merged, const PublisherRecord& added, MonthSlot m) {
    const std::uint8_t addedAux = added.privileges() & privilege::kContinuousAuxiliary;
    const int addedCode = added.pioneerKind(m.month, m.slot);
    if (addedCode == 0 && addedAux == 0) return;
    const std::uint8_t own = merged.monthByte(MonthByte::PioneerKind, m.month, m.slot);
    merged.setMonthByte(
        MonthByte::PioneerKind, m.month, m.slot,
        static_cast<std::uint8_t>((own & ~0x03u) | static_cast<unsigned>(addedCode)));
    const auto others =
        static_cast<std::uint8_t>(merged.privileges() & ~privilege::kContinuousAuxiliary);
    merged.setByte(PublisherRecord::kPrivileges, static_cast<std::uint8_t>(others | addedAux));
}

}  // namespace

PublisherRecord withNewInformation(const PublisherRecord& existing, const PublisherRecord& added,
                                   MonthSlot reportMonth) {
    using R = PublisherRecord;
    PublisherRecord merged = existing;
    for (const TextField f :
         {R::kFirstName, R::kLastName, R::kAddress, R::kPhoneHome, R::kPhoneMobile, R::kPhoneWork,
          R::kBaptismDate, R::kBirthDate, R::kConsentDate})
        takeText(merged, added, f);
    // A student keeps the conductor's name where a publisher keeps the months of reports.
    if (existing.kind() == kNonPublisher && added.kind() == kNonPublisher)
        takeText(merged, added, R::kConductor);

    takeByte(merged, added, R::kConsentGiven);
    takeByte(merged, added, R::kGroupNumber);
    for (const std::size_t key : {R::kExtraIndex, R::kEmergencyKey, R::kSpecialNeedsKey,
                                  R::kHouseholdKey, R::kAppointmentBits})
        takeWord(merged, added, key);
    // "Χρισμένος" is a tick: other sheep is what an unticked box says, not what was known.
    if (added.hope() == 'A' || existing.hope() == 0) merged.setByte(R::kHope, added.hope());

    // The status marks belong together: the new record's when it sets any of them.
    if (added.statusFlags() != 0 || added.statusFlags2() != 0 || added.statusSince() != 0) {
        merged.setByte(R::kStatusFlags, added.statusFlags());
        merged.setByte(R::kStatusFlags2, added.statusFlags2());
        merged.setWord(R::kStatusSince, added.statusSince());
    }

    merged.setByte(R::kPrivileges, mergedPrivileges(existing.privileges(), added.privileges()));
    if (added.kind() != kNonPublisher) mergePioneer(merged, added, reportMonth);
    // A head of a family belongs to no other household.
    if ((added.privileges() & privilege::kHeadOfFamily) != 0) merged.setWord(R::kHouseholdKey, 0);
    return merged;
}

ContactExtra withNewInformation(const ContactExtra& existing, const ContactExtra& added) {
    ContactExtra merged = existing;
    for (const TextField f :
         {ContactExtra::kFullName, ContactExtra::kEmail, ContactExtra::kOtherContact})
        takeText(merged, added, f);
    if (added.hasText() != 0) merged.bytes[ContactExtra::kHasText] = added.hasText();
    return merged;
}

}  // namespace zelvo::records
