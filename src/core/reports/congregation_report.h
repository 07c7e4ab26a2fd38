// The month's congregation documents: the per-publisher analysis (whole congregation in two
// orders, or one field service group), the totals with the table for the branch office, and the
// meeting-attendance report.
#pragma once

#include <cstdint>
#include <vector>

#include "reports/analysis_rows.h"
#include "reports/report_routines.h"

namespace zelvo::reports {

enum class CongregationMode { Analysis = 0, Totals = 1, Meetings = 2 };

struct CongregationArgs {
    int group = 0;  // 0 = whole congregation
    CongregationMode mode = CongregationMode::Analysis;
    AnalysisOrder order = AnalysisOrder::PioneersThenGroups;
};

// Where the analysis draws its columns: the five value columns' right edges (the first 2.5
// inches right of the margin, 9/16 inch apart), the averages' right edge, the marks' left edge.
inline constexpr std::size_t kAveragesColumn = 5;
inline constexpr std::size_t kMarksColumn = 6;
std::vector<std::uint16_t> analysisColumns(const ReportPage& page);

// Lines per page, measured with the text font at the printer's resolution so that the screen
// and the paper break pages alike; 9.7 inches of lines on A4.
int congregationLinesPerPage(Surface& surface, const ReportContext& context);

// The inactive members of a group, in list order (not those left out of the group lists).
std::vector<int> groupInactiveRows(const CZelvoDoc& doc, int group);

// Pages of the analysis: its rows (with their remarks and late reports) from line 5 of the first
// page (line 1 for a group), a page more when the summary does not fit after them, and one for
// the branch block of the congregation.
int analysisPageCount(const CZelvoDoc& doc, const std::vector<AnalysisSection>& sections, int group,
                      int linesPerPage);

// Draws the report and sets context.pageCount. Nothing is drawn without active publishers or for
// a group that is not in use. Drawing the totals of the congregation recomputes the branch
// totals (and the month's history while its collection is open).
void drawCongregationReport(CZelvoDoc& doc, Surface& surface, const CongregationArgs& args,
                            ReportContext& context);

}  // namespace zelvo::reports
