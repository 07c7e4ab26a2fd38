// The status rules: inactive candidates, the window over which regularity is judged, missed
// months, and the months of the status marks (new, reactivated, transferred).
#pragma once

#include <cstdint>

namespace zelvo {

class CZelvoDoc;

// Status mark values of the low half of statusFlags.
enum StatusMark : std::uint8_t {
    kMarkNew = 1,  // first report ever
    kMarkReactivated = 2,
    kMarkTransferred = 4,  // transferred in as a regular publisher
};

// The month (index + 1) held in the high half of a status byte; 0 when none.
inline int statusMonth(std::uint8_t flags) {
    return flags >> 4;
}

// Kind 0 and no report in the six months ending with the report month.
bool isInactiveCandidate(const CZelvoDoc& doc, int row);

// 1-6: the months over which regularity is judged. 6 unless statusFlags has one of `bits`;
// otherwise the walk back from the report month stops, once it has reached the mark's month, at
// the first month whose previous month has no hours.
int statusWindow(const CZelvoDoc& doc, int row, int bits);

// Bit m set for each month index m without a report among the `count` months ending with the
// report month; the report month itself is skipped while its collection is open, and a special
// pioneer's month is never missed.
int missedMonths(const CZelvoDoc& doc, int row, int count);

// Not 0 when the publisher is irregular.
int irregularMask(const CZelvoDoc& doc, int row);

// The month (index + 1) of a mark, by the four tests of the status lists; 0 when not marked.
int markMonthRecent(const CZelvoDoc& doc, int row, int bits);
int markMonthThisYear(const CZelvoDoc& doc, int row, int bits);
int markMonth(const CZelvoDoc& doc, int row, int bits);
int markMonthWithSince(const CZelvoDoc& doc, int row, int bits);

}  // namespace zelvo
