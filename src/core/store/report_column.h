// The five values of a month's report, in the order every report prints them.
#pragma once

#include <array>
#include <cstddef>

namespace zelvo {

enum class ReportColumn { Placements, Videos, Hours, ReturnVisits, Studies };

inline constexpr std::array kReportColumns{ReportColumn::Placements, ReportColumn::Videos,
                                           ReportColumn::Hours, ReportColumn::ReturnVisits,
                                           ReportColumn::Studies};

// The column's place in a row of five (headings, texts, totals).
constexpr std::size_t columnIndex(ReportColumn column) {
    return static_cast<std::size_t>(column);
}

}  // namespace zelvo
