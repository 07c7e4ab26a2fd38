// One person of any kind: the 816-byte record of zdat9.bin, with typed access to its fields.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/bytes.h"
#include "store/raw_record.h"

namespace zelvo {

enum PublisherKind : std::uint8_t {
    kPublisher = 0,
    kInactive = 1,
    kNonPublisher = 2,
    kMoved = 3,
    kDeleted = 4,
    kCircuitOverseer = 5,
};

// Per-month arrays of u16, indexed [month index][slot], slot 2 reserved.
enum class MonthWord : std::size_t {
    Placements = 240,
    Videos = 312,
    Hours = 384,
    ReturnVisits = 456,
    StudiesAndFlags = 528,
    RemarkIndex = 600,
    CreditHours = 672,
};

// Per-month arrays of u8, indexed [month index][slot].
enum class MonthByte : std::size_t {
    PioneerKind = 202,
    SlotYear = 744,
    CountedInMonth = 780,
};

// Bits of the studies-and-flags word.
inline constexpr std::uint16_t kStudiesMask = 0x03FF;
// Took part in the ministry that month: under one hour in the months of the old report form,
// participated in the later ones.
inline constexpr std::uint16_t kTookPart = 0x0800;
inline constexpr int kQuarterShift = 12;

// Bits of `privileges`.
namespace privilege {
inline constexpr std::uint8_t kCodeMask = 0x03;  // 0 none, 1 servant, 2 elder, 3 baptized brother
inline constexpr std::uint8_t kServant = 1;
inline constexpr std::uint8_t kElder = 2;
inline constexpr std::uint8_t kBaptizedBrother = 3;
inline constexpr std::uint8_t kHeadOfFamily = 1u << 2;
inline constexpr std::uint8_t kContinuousAuxiliary = 1u << 3;
inline constexpr std::uint8_t kCustomCategory = 1u << 4;
inline constexpr std::uint8_t kMale = 1u << 5;
inline constexpr std::uint8_t kFemale = 1u << 6;
inline constexpr std::uint8_t kLeftOutOfGroupLists = 1u << 7;
}  // namespace privilege

// Bits of `appointmentBits`.
namespace appointment {
inline constexpr std::uint16_t kSpecialFullTimeServant = 1u << 7;
inline constexpr std::uint16_t kFieldMissionary = 1u << 8;
}  // namespace appointment

struct PublisherRecord : RawRecord<816> {
    static constexpr TextField kFirstName{2, 21};
    static constexpr TextField kLastName{23, 21};
    static constexpr TextField kAddress{44, 63};
    static constexpr TextField kPhoneHome{107, 15};
    static constexpr TextField kPhoneMobile{122, 15};
    static constexpr TextField kPhoneWork{137, 15};
    static constexpr TextField kBaptismDate{152, 9};
    static constexpr TextField kBirthDate{161, 9};
    static constexpr TextField kConsentDate{170, 9};
    // Students (kind 2) keep their Bible study conductor's name where reports would be.
    static constexpr TextField kConductor{240, 64};

    static constexpr std::size_t kConsentGiven = 179;
    static constexpr std::size_t kHope = 180;
    static constexpr std::size_t kGroupNumber = 181;
    static constexpr std::size_t kId = 182;
    static constexpr std::size_t kExtraIndex = 184;
    static constexpr std::size_t kEmergencyKey = 186;
    static constexpr std::size_t kHouseholdKey = 188;
    static constexpr std::size_t kSpecialNeedsKey = 190;
    static constexpr std::size_t kStatusSince = 192;
    static constexpr std::size_t kAppointmentBits = 194;
    static constexpr std::size_t kMonthMarks = 196;
    static constexpr std::size_t kKind = 200;
    static constexpr std::size_t kStatusFlags = 201;
    static constexpr std::size_t kStatusFlags2 = 238;
    static constexpr std::size_t kPrivileges = 239;
    // Header row only.
    static constexpr std::size_t kScrambleMarker = 23;
    static constexpr std::size_t kCollectionState = 137;

    // Texts of the shifted fields are stored in the form that reads back exactly: characters
    // the file form cannot hold are repaired (see fileSafeText).
    void setText(TextField f, std::string_view value);
    std::uint8_t byte(std::size_t offset) const { return bytes[offset]; }
    void setByte(std::size_t offset, std::uint8_t v) { bytes[offset] = v; }

    std::string firstName() const { return text(kFirstName); }
    std::string lastName() const { return text(kLastName); }
    std::string address() const { return text(kAddress); }
    std::string phoneHome() const { return text(kPhoneHome); }
    std::string phoneMobile() const { return text(kPhoneMobile); }
    std::string phoneWork() const { return text(kPhoneWork); }
    std::string baptismDate() const { return text(kBaptismDate); }
    std::string birthDate() const { return text(kBirthDate); }
    std::string consentDate() const { return text(kConsentDate); }
    std::string conductor() const { return text(kConductor); }

    std::uint8_t consentGiven() const { return byte(kConsentGiven); }
    std::uint8_t hope() const { return byte(kHope); }
    std::uint8_t groupNumber() const { return byte(kGroupNumber); }
    std::uint16_t id() const { return word(kId); }
    std::uint16_t extraIndex() const { return word(kExtraIndex); }
    std::uint16_t emergencyKey() const { return word(kEmergencyKey); }
    std::uint16_t householdKey() const { return word(kHouseholdKey); }
    std::uint16_t specialNeedsKey() const { return word(kSpecialNeedsKey); }
    std::uint16_t statusSince() const { return word(kStatusSince); }
    std::uint16_t appointmentBits() const { return word(kAppointmentBits); }
    std::uint16_t monthMarks() const { return word(kMonthMarks); }
    std::uint8_t kind() const { return byte(kKind); }
    std::uint8_t statusFlags() const { return byte(kStatusFlags); }
    std::uint8_t statusFlags2() const { return byte(kStatusFlags2); }
    std::uint8_t privileges() const { return byte(kPrivileges); }

    void setId(std::uint16_t v) { setWord(kId, v); }
    void setKind(std::uint8_t v) { setByte(kKind, v); }

    static std::size_t monthOffset(int month, int slot) {
        return static_cast<std::size_t>(month * 3 + slot);
    }
    std::uint16_t monthWord(MonthWord a, int month, int slot) const {
        return word(static_cast<std::size_t>(a) + 2 * monthOffset(month, slot));
    }
    void setMonthWord(MonthWord a, int month, int slot, std::uint16_t v) {
        setWord(static_cast<std::size_t>(a) + 2 * monthOffset(month, slot), v);
    }
    std::uint8_t monthByte(MonthByte a, int month, int slot) const {
        return byte(static_cast<std::size_t>(a) + monthOffset(month, slot));
    }
    void setMonthByte(MonthByte a, int month, int slot, std::uint8_t v) {
        setByte(static_cast<std::size_t>(a) + monthOffset(month, slot), v);
    }

    // Report values of a month.
    std::uint16_t hours(int m, int s) const { return monthWord(MonthWord::Hours, m, s); }
    std::uint16_t studiesAndFlags(int m, int s) const {
        return monthWord(MonthWord::StudiesAndFlags, m, s);
    }
    int quarters(int m, int s) const { return studiesAndFlags(m, s) >> kQuarterShift; }
    int bibleStudies(int m, int s) const { return studiesAndFlags(m, s) & kStudiesMask; }
    bool tookPart(int m, int s) const { return (studiesAndFlags(m, s) & kTookPart) != 0; }
    int pioneerKind(int m, int s) const { return monthByte(MonthByte::PioneerKind, m, s) & 0x03; }

    // Header row (row 0).
    std::string password() const { return firstName(); }
    std::uint16_t lastEnteredId() const { return statusSince(); }
    std::uint16_t headerMonth() const { return appointmentBits(); }
    std::uint8_t collectionState(int month) const {
        return byte(kCollectionState + static_cast<std::size_t>(month));
    }
    void setCollectionState(int month, std::uint8_t v) {
        setByte(kCollectionState + static_cast<std::size_t>(month), v);
    }
    // The two-digit year for which a month's collection was opened, kept in remarkIndex.
    std::uint16_t collectionYear(int month, int slot) const {
        return monthWord(MonthWord::RemarkIndex, month, slot);
    }
};

static_assert(sizeof(PublisherRecord) == PublisherRecord::kSize);

// `value` as the field will hold it: cut to the field's width and, for a field stored shifted
// in zdat9.bin, with every character the file form cannot hold repaired.
std::string fileSafeText(TextField f, std::string_view value);

// The texts stored shifted in zdat9.bin.
void scrambleRecord(PublisherRecord& r);    // memory form -> file form
void unscrambleRecord(PublisherRecord& r);  // file form -> memory form

}  // namespace zelvo
