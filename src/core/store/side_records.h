// The records of the data folder besides the publisher table, each the raw bytes of its file
// form with typed access.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/bytes.h"
#include "store/raw_record.h"

namespace zelvo {

// remark9.dat: text, month index + 1, slot (bit 0), publisher id.
struct RemarkRecord : RawRecord<48> {
    static constexpr TextField kText{0, 44};
    std::string remarkText() const { return text(kText); }
    std::uint8_t month() const { return bytes[44]; }
    std::uint8_t slot() const { return bytes[45]; }
    std::uint16_t publisherId() const { return word(46); }
    void set(std::string_view t, std::uint8_t monthPlusOne, std::uint8_t slotBit,
             std::uint16_t id) {
        setText(kText, t);
        bytes[44] = monthPlusOne;
        bytes[45] = slotBit;
        setWord(46, id);
    }
};

// xten7.dat: full name, e-mail and other contact, stored shifted.
struct ContactExtra : RawRecord<192> {
    static constexpr TextField kFullName{2, 65};
    static constexpr TextField kEmail{67, 51};
    static constexpr TextField kOtherContact{118, 72};
    static constexpr std::size_t kHasText = 190;
    std::uint16_t publisherId() const { return word(0); }
    void setPublisherId(std::uint16_t id) { setWord(0, id); }
    std::string fullName() const { return text(kFullName); }
    std::string email() const { return text(kEmail); }
    std::string otherContact() const { return text(kOtherContact); }
    std::uint8_t hasText() const { return bytes[kHasText]; }
    // Texts are kept in the form that reads back exactly from the shifted file form.
    void setText(TextField f, std::string_view v);
    // Bit 0 full name, bit 1 e-mail, bit 2 other contact has a letter; bit 3 `hasText`.
    std::uint8_t presence() const;
    void toFile();    // shift the three texts, terminators forced
    void fromFile();  // terminators forced, texts shifted back
};

// emerg.dat.
struct EmergencyContact : RawRecord<256> {
    static constexpr TextField kName{2, 96};
    static constexpr TextField kInfo{98, 96};
    static constexpr TextField kPhoneHome{194, 16};
    static constexpr TextField kPhoneMobile{210, 16};
    static constexpr TextField kPhoneWork{226, 16};
    static constexpr std::size_t kWitness = 242;
    std::uint16_t key() const { return word(0); }
    void setKey(std::uint16_t k) { setWord(0, k); }
};

// spneed.dat.
struct SpecialNeed : RawRecord<96> {
    static constexpr TextField kText{2, 94};
    std::uint16_t key() const { return word(0); }
    void setKey(std::uint16_t k) { setWord(0, k); }
    std::string needText() const { return text(kText); }
};

// Kinds of zappt.dat records: the privilege and pioneer start dates, and the personal-data
// consent.
enum AppointmentKind : std::uint16_t {
    kServantStart = 1,
    kElderStart = 2,
    kRegularStart = 3,
    kContinuousAuxStart = 4,
    kSpecialStart = 5,
    kConsentKind = 20,
};

// zappt.dat.
struct AppointmentRecord : RawRecord<32> {
    static constexpr TextField kText{4, 28};
    std::uint16_t publisherId() const { return word(0); }
    std::uint16_t appointmentKind() const { return word(2); }
    std::string appointmentText() const { return text(kText); }
    // Written back only when the id and kind are set and the trimmed text is longer than 7
    // characters or it is the consent.
    bool worthKeeping() const;
};

// bkstudy.dat: the field service group table as one block.
struct ServiceGroupTable : RawRecord<2141> {
    static constexpr int kMaxGroups = 20;
    static constexpr std::size_t kNameWidth = 24;
    static constexpr std::size_t kTimeWidth = 9;
    static constexpr std::size_t kOverseer = 1;
    static constexpr std::size_t kAssistant = kOverseer + 20 * kNameWidth;
    static constexpr std::size_t kPlace = kAssistant + 20 * kNameWidth;
    static constexpr std::size_t kLabelName = kPlace + 20 * kNameWidth;
    static constexpr std::size_t kTime = kLabelName + 20 * kNameWidth;
    static constexpr std::size_t kMeetingDay = kTime + 20 * kTimeWidth;
    static constexpr std::size_t kUseLabel = kMeetingDay + 20;
    static_assert(kUseLabel + 20 == 2141);

    std::uint8_t groupCount() const { return bytes[0]; }
    void setGroupCount(std::uint8_t n) { bytes[0] = n; }
    // Group n (1-based) is array position n - 1.
    static TextField overseerField(int n) { return {kOverseer + pos(n) * kNameWidth, kNameWidth}; }
    static TextField assistantField(int n) {
        return {kAssistant + pos(n) * kNameWidth, kNameWidth};
    }
    static TextField placeField(int n) { return {kPlace + pos(n) * kNameWidth, kNameWidth}; }
    static TextField labelNameField(int n) {
        return {kLabelName + pos(n) * kNameWidth, kNameWidth};
    }
    static TextField timeField(int n) { return {kTime + pos(n) * kTimeWidth, kTimeWidth}; }
    std::uint8_t meetingDay(int n) const { return bytes[kMeetingDay + pos(n)]; }
    std::uint8_t useLabel(int n) const { return bytes[kUseLabel + pos(n)]; }
    void setMeetingDay(int n, std::uint8_t d) { bytes[kMeetingDay + pos(n)] = d; }
    void setUseLabel(int n, std::uint8_t u) { bytes[kUseLabel + pos(n)] = u; }

    // The label name, cut to 20 characters, set without touching the flag that shares its field.
    void setLabelName(int n, std::string_view text);
    // The collection dialog's tick "send the file to the assistant". It lives in the last byte of
    // the label name field: a label holds at most 20 characters, so that byte is always zero in
    // the file and lies past the text's end, where neither a reader nor the scrambling looks, and
    // the table keeps its 2,141 bytes.
    static constexpr std::size_t kLabelLimit = 20;
    static constexpr std::size_t kSendToAssistantByte = kNameWidth - 1;
    bool sendToAssistant(int n) const { return bytes[sendToAssistantOffset(n)] != 0; }
    void setSendToAssistant(int n, bool on);

    // XOR of every text of the first `groupCount` groups (at most 20); its own inverse.
    void toggleScramble();

private:
    static std::size_t pos(int n) { return static_cast<std::size_t>(n - 1); }
    static std::size_t sendToAssistantOffset(int n) {
        return kLabelName + pos(n) * kNameWidth + kSendToAssistantByte;
    }
};

// The previous generation's 1,881-byte group table.
struct OldServiceGroupTable : RawRecord<1881> {
    static constexpr std::size_t kOverseer = 1;
    static constexpr std::size_t kAssistant = 481;
    static constexpr std::size_t kPlace = 961;
    static constexpr std::size_t kShortName = 1441;  // 20 x 12, not carried over
    static constexpr std::size_t kTime = 1681;
    static constexpr std::size_t kMeetingDay = 1861;
    void unscramble();
    ServiceGroupTable converted() const;
};

// meetin9.dat: one meeting kind's attendance by month and slot.
struct MeetingAttendance : RawRecord<672> {
    static constexpr TextField kTitle{0, 96};
    enum Array : std::size_t {
        Week1 = 0,
        Week2,
        Week3,
        Week4,
        Week5,
        Held,
        Total,
        Average,
        kArrays
    };
    std::uint16_t value(Array a, int month, int slot) const { return word(offset(a, month, slot)); }
    void setValue(Array a, int month, int slot, std::uint16_t v) {
        setWord(offset(a, month, slot), v);
    }
    static std::size_t offset(Array a, int month, int slot) {
        return 96 + static_cast<std::size_t>(a) * 72 +
               static_cast<std::size_t>(month * 3 + slot) * 2;
    }
};

// zcard.dat: the congregation's monthly figures [month][category][value][slot].
struct MonthTotals : RawRecord<1728> {
    static constexpr int kCategories = 4;
    static constexpr int kValues = 9;
    std::uint16_t value(int month, int category, int v, int slot) const {
        return word(offset(month, category, v, slot));
    }
    void setValue(int month, int category, int v, int slot, std::uint16_t x) {
        setWord(offset(month, category, v, slot), x);
    }
    static std::size_t offset(int month, int category, int v, int slot) {
        return static_cast<std::size_t>(((month * kCategories + category) * kValues + v) * 2 +
                                        slot) *
               2;
    }
};

// The branch totals of the report month: 4 categories x 9 values.
// Held wider than the 16-bit history so a large congregation's sums never wrap.
using ReportTotals = std::array<std::array<std::uint32_t, 9>, 4>;

struct LateReportEntry {
    std::uint16_t publisherId = 0;
    std::uint8_t month = 0;      // month index of the late report
    std::uint8_t countedIn = 0;  // month index + 1 of the month it is counted in
};

// zvxcfg.cfg.
struct DisplayConfig : RawRecord<7> {
    bool lastNameFirst() const { return bytes[0] == 1; }
    bool alternativeDate() const { return bytes[5] == 1; }
    bool birthBaptismStatistics() const { return bytes[6] == 1; }
};

// zlt15.dat: the under-one-hour marks kept apart from zdat9.bin.
struct UnderHourRecord : RawRecord<32> {
    std::uint16_t publisherId() const { return word(0); }
    void setPublisherId(std::uint16_t id) { setWord(0, id); }
    bool flag(int month, int slot) const {
        return bytes[2 + static_cast<std::size_t>(month * 2 + slot)] != 0;
    }
    void setFlag(int month, int slot) { bytes[2 + static_cast<std::size_t>(month * 2 + slot)] = 1; }
};

}  // namespace zelvo
