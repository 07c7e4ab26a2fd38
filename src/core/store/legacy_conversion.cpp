#include "store/legacy_conversion.h"

#include <algorithm>
#include <cstring>

namespace zelvo::legacy {

namespace {

constexpr std::size_t kYearCodes = 202;

void copyText(const Byte* old, std::size_t from, std::size_t width, PublisherRecord& r,
              TextField to) {
    // Raw bytes: the texts may still be in their shifted file form.
    std::memcpy(r.bytes.data() + to.offset, old + from, std::min(width, to.width));
    r.bytes[to.offset + to.width - 1] = 0;
}

int slotForMonth(int month, const CalendarState& cal) {
    return (cal.reportYear + (month > cal.reportMonth ? 1 : 0)) % 2;
}

}  // namespace

std::array<std::uint8_t, 12> yearCodes(const Byte* oldHeaderRow) {
    std::array<std::uint8_t, 12> codes{};
    for (std::size_t m = 0; m < 12; ++m) codes[m] = oldHeaderRow[kYearCodes + m];
    return codes;
}

std::array<bool, 12> monthsToConvert(const Byte* oldHeaderRow, const CalendarState& cal) {
    std::array<bool, 12> take{};
    const auto codes = yearCodes(oldHeaderRow);
    for (int m = 0; m < 12; ++m) {
        const int code = codes[static_cast<std::size_t>(m)];
        take[static_cast<std::size_t>(m)] = code >= cal.yearCode - 2 && code <= cal.yearCode &&
                                            !(code == cal.yearCode && m > cal.calMonth - 1);
    }
    return take;
}

PublisherRecord convertOldRow(const Byte* o, const std::array<bool, 12>& months,
                              const CalendarState& cal) {
    PublisherRecord r;
    copyText(o, 2, 21, r, PublisherRecord::kFirstName);
    copyText(o, 23, 21, r, PublisherRecord::kLastName);
    copyText(o, 44, 61, r, PublisherRecord::kAddress);
    copyText(o, 105, 15, r, PublisherRecord::kPhoneHome);
    copyText(o, 120, 15, r, PublisherRecord::kPhoneMobile);
    copyText(o, 135, 15, r, PublisherRecord::kPhoneWork);
    copyText(o, 150, 9, r, PublisherRecord::kBaptismDate);
    copyText(o, 159, 9, r, PublisherRecord::kBirthDate);
    copyText(o, 168, 9, r, PublisherRecord::kConsentDate);
    r.setByte(PublisherRecord::kConsentGiven, o[177]);
    r.setByte(PublisherRecord::kHope, o[178]);
    r.setByte(PublisherRecord::kGroupNumber, o[179]);
    std::memcpy(r.bytes.data() + 182, o + 182, 18);  // id and the eight words after it
    r.setByte(PublisherRecord::kKind, o[200]);
    r.setByte(PublisherRecord::kStatusFlags, o[201]);
    r.setByte(PublisherRecord::kStatusFlags2, o[214]);
    r.setByte(PublisherRecord::kPrivileges, o[215]);
    for (int m = 0; m < 12; ++m) {
        if (!months[static_cast<std::size_t>(m)]) continue;
        const auto i = static_cast<std::size_t>(m);
        const int s = slotForMonth(m, cal);
        const Byte high = o[288 + i];
        r.setMonthByte(MonthByte::PioneerKind, m, s, static_cast<std::uint8_t>(o[202 + i] & 0x03));
        r.setMonthWord(MonthWord::Placements, m, s,
                       static_cast<std::uint16_t>(o[216 + i] | ((high >> 4) << 8)));
        r.setMonthWord(MonthWord::Videos, m, s,
                       static_cast<std::uint16_t>(o[228 + i] | ((high & 0x0F) << 8)));
        r.setMonthWord(MonthWord::Hours, m, s, o[240 + i]);
        r.setMonthWord(MonthWord::ReturnVisits, m, s,
                       static_cast<std::uint16_t>(o[252 + i] | (((o[276 + i] >> 6) & 0x03) << 8)));
        r.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                       static_cast<std::uint16_t>((o[264 + i] & 0x3F) |
                                                  ((o[300 + i] & 0x03) << kQuarterShift)));
        r.setMonthWord(MonthWord::CreditHours, m, s, o[324 + i]);
    }
    return r;
}

PublisherRecord convertOldHeader(const Byte* o, const CalendarState& cal) {
    std::array<bool, 12> none{};
    PublisherRecord r = convertOldRow(o, none, cal);
    const auto codes = yearCodes(o);
    for (int m = 0; m < 12; ++m) {
        const int code = codes[static_cast<std::size_t>(m)];
        r.setMonthWord(MonthWord::RemarkIndex, m, slotForMonth(m, cal),
                       static_cast<std::uint16_t>(code));
    }
    return r;
}

std::vector<RemarkRecord> convertRemarks(const Bytes& file,
                                         const std::array<std::uint8_t, 12>& codes,
                                         const CalendarState& cal, bool previousYear) {
    std::vector<RemarkRecord> out;
    for (std::size_t at = 0; at + kOldRemarkSize <= file.size(); at += kOldRemarkSize) {
        const Byte* o = file.data() + at;
        const std::string text = readText(o, 36);
        const int monthPlusOne = o[36];
        const std::uint16_t id = readU16(o + 38);
        if (trimmed(text).empty() || monthPlusOne < 1 || monthPlusOne > 12 || id <= 10) continue;
        const int m = monthPlusOne - 1;
        if (!previousYear && m == cal.reportMonth &&
            codes[static_cast<std::size_t>(m)] != cal.reportYear)
            continue;
        int slot = slotForMonth(m, cal);
        if (previousYear) slot ^= 1;
        RemarkRecord r;
        r.set(text, static_cast<std::uint8_t>(monthPlusOne), static_cast<std::uint8_t>(slot), id);
        out.push_back(r);
    }
    return out;
}

void mergeTotals(MonthTotals& totals, const Bytes& file, const CalendarState& cal,
                 bool previousYear) {
    if (file.size() < kOldTotalsSize) return;
    for (int m = 0; m < 12; ++m) {
        int slot = slotForMonth(m, cal);
        if (previousYear) slot ^= 1;
        for (int c = 0; c < 4; ++c)
            for (int v = 0; v < 9; ++v) {
                const std::size_t at = static_cast<std::size_t>((m * 36 + c * 9 + v) * 2);
                totals.setValue(m, c, v, slot, readU16(file.data() + at));
            }
    }
}

void applyLateReports(std::vector<PublisherRecord>& rows, const Bytes& file,
                      const CalendarState& cal) {
    std::size_t count = 0;
    for (std::size_t at = 0; at + kOldLateSize <= file.size() && count < kOldLateMax;
         at += kOldLateSize, ++count) {
        const std::uint16_t id = readU16(file.data() + at);
        const int month = file[at + 2];
        const int countedIn = file[at + 3];
        if (id <= 9 || month > 11 || countedIn < 1 || countedIn > 12) continue;
        for (std::size_t row = 1; row < rows.size(); ++row) {
            if (rows[row].id() != id) continue;
            rows[row].setMonthByte(MonthByte::CountedInMonth, month, cal.slotOfMonth(month),
                                   static_cast<std::uint8_t>(countedIn));
            break;
        }
    }
}

std::array<MeetingAttendance, 2> convertMeetings(const Bytes& file, const CalendarState& cal) {
    std::array<MeetingAttendance, 2> out{};
    for (std::size_t k = 0; k < 2; ++k) {
        const std::size_t at = k * kOldMeetingSize;
        if (at + kOldMeetingSize > file.size()) break;
        const Byte* o = file.data() + at;
        MonthWalk walk = cal.walkFromReportMonth();
        for (int i = 0; i < 12; ++i, walk.back()) {
            const auto [m, s] = walk.current();
            for (std::size_t a = 0; a < MeetingAttendance::kArrays; ++a) {
                const std::uint16_t v = readU16(o + 32 + a * 24 + static_cast<std::size_t>(m) * 2);
                out[k].setValue(static_cast<MeetingAttendance::Array>(a), m, s, v);
            }
        }
    }
    return out;
}

}  // namespace zelvo::legacy
