// The figures of one service year on a publisher's record card: the twelve months from
// September, the totals line and the averages line, from the same rules as the hours and the
// averages reports.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

// Service years after this one are printed in the new report form.
inline constexpr int kLastOldFormServiceYear = 2023;

struct CardMonth {
    int month = 0;       // month index, 8 = September
    bool blank = false;  // after the report month: the record holds an older year there
    bool reported = false;
    bool auxiliary = false;
    int studies = 0;
    std::string hours;                   // with the quarter suffix, empty when 0
    std::array<std::uint16_t, 3> old{};  // placements, videos, return visits
    std::string remark;                  // UTF-8
};

struct CardYear {
    int serviceYear = 0;  // four digits: the year its August falls in
    bool newForm = true;
    std::array<CardMonth, 12> months{};
    std::string total;                      // hours of the months shown
    std::array<std::string, 5> averages{};  // the five report values per month shown
};

// The service year of the report month (`previous`: the one before), for publisher `row`.
CardYear cardYear(const CZelvoDoc& doc, int row, bool previous);

// A baptism date counts when it holds at least five characters after trimming.
bool cardBaptized(const std::string& baptismDate);

}  // namespace zelvo::reports
