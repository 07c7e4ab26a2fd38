// Files of the previous program generation, read once and converted into today's records.
//
// Layouts not given elsewhere, as this program reads them:
//   old publisher row (336 bytes): see convertOldRow; in the header row the twelve bytes at 202
//     hold the two-digit year of each month's data instead of pioneer kinds;
//   remark7.dat (40 bytes): text char[36], month index + 1 (u8), zero byte, publisher id (u16);
//   spcards.dat (864 bytes): per month index, 4 categories x 9 values of u16;
//   oddmo7.dat (4 bytes): publisher id (u16), month index (u8), month index + 1 counted in (u8);
//   meeting.dat (224 bytes): title char[32], then eight u16[12] by month index: weeks 1-5,
//     meetings held, total, average.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "store/bytes.h"
#include "store/calendar.h"
#include "store/publisher_record.h"
#include "store/side_records.h"

namespace zelvo::legacy {

inline constexpr std::size_t kOldRowSize = 336;
inline constexpr std::size_t kOldRemarkSize = 40;
inline constexpr std::size_t kOldTotalsSize = 864;
inline constexpr std::size_t kOldLateSize = 4;
inline constexpr std::size_t kOldLateMax = 99;
inline constexpr std::size_t kOldMeetingSize = 224;
inline constexpr std::size_t kOldMeetingMax = 10;

// Which months of the old rows are carried over: those whose year code lies from yearCode - 2
// to yearCode, except a month of this year later than the current calendar month.
std::array<bool, 12> monthsToConvert(const Byte* oldHeaderRow, const CalendarState& cal);
std::array<std::uint8_t, 12> yearCodes(const Byte* oldHeaderRow);

// One old row as a PublisherRecord; each month goes into the slot of its year.
PublisherRecord convertOldRow(const Byte* oldRow, const std::array<bool, 12>& months,
                              const CalendarState& cal);
// The header row: as above, plus the year of each month's collection.
PublisherRecord convertOldHeader(const Byte* oldRow, const CalendarState& cal);

// remark7.dat records as remark9.dat records (record 0 an empty header). A remark of the report
// month is kept only when its collection was opened in the report year.
std::vector<RemarkRecord> convertRemarks(const Bytes& file,
                                         const std::array<std::uint8_t, 12>& codes,
                                         const CalendarState& cal, bool previousYear);

// spcards.dat merged into the totals: this year's file into each month's slot, the previous
// year's into the other.
void mergeTotals(MonthTotals& totals, const Bytes& file, const CalendarState& cal,
                 bool previousYear);

// oddmo7.dat: sets countedInMonth of each listed late report.
void applyLateReports(std::vector<PublisherRecord>& rows, const Bytes& file,
                      const CalendarState& cal);

// meeting.dat: the first two records become the midweek and weekend records, their months
// spread back from the report month.
std::array<MeetingAttendance, 2> convertMeetings(const Bytes& file, const CalendarState& cal);

}  // namespace zelvo::legacy
