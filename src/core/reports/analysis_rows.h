// What the congregation analysis prints for each publisher, in which order, and what it counts
// while doing so.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/report_column.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

enum class AnalysisOrder {
    PioneersThenGroups = 0,  // regular and special pioneers, then each group, then unassigned
    ListOrder = 1,           // the active list as it stands
};

// Rows of the publisher table under an optional heading (UTF-8, empty for none).
struct AnalysisSection {
    std::string heading;
    std::vector<int> rows;
};

// The rows of an analysis in print order: of group `group` (1…) in list order, or of the whole
// congregation in `order`. A publisher whose group is not in use counts as unassigned.
std::vector<AnalysisSection> analysisSections(const CZelvoDoc& doc, int group, AnalysisOrder order);

// Whole hours and quarter-hour units as printed: "7.25", "0.5"; four units carry into an hour.
// Empty for no time at all.
std::string hoursText(int hours, int quarters);

// The five values of (month, slot) as printed: blank for 0 and for what the month's form does
// not ask; under the new form "Ναι" in the hours column of a publisher who took part.
std::array<std::string, 5> reportValueTexts(const CZelvoDoc& doc, int row, int month, int slot);

struct LateLine {
    std::string month;  // "2025-01"
    std::array<std::string, 5> values;
};

struct AnalysisRow {
    int row = 0;
    int category = 0;  // pioneer kind of the report month
    std::string name;
    std::array<std::string, 5> values;
    std::string averages;  // 3- and 6-month hours averages
    std::string marks;
    std::string remark;  // empty when none
    std::vector<LateLine> late;
    bool reported = false;
    bool hasTime = false;  // hours or quarter hours
    bool irregular = false;
    bool unbaptized = false;
    bool underOneHour = false;

    int lines() const { return 1 + (remark.empty() ? 0 : 1) + static_cast<int>(late.size()); }
};

AnalysisRow analysisRow(const CZelvoDoc& doc, int row);

// The lines a publisher takes: its row, its remark, one per late report.
int analysisLines(const CZelvoDoc& doc, int row);

struct CategoryTally {
    int rows = 0;
    int noReport = 0;
    int irregular = 0;
    std::array<long, kReportColumns.size()> totals{};  // by columnIndex
    long quarters = 0;

    int reports() const { return rows - noReport; }
    // Hours with the quarter hours: every four make one.
    long hours() const { return totals[columnIndex(ReportColumn::Hours)] + quarters / 4; }
};

// The counters kept while the rows are processed.
struct AnalysisTally {
    std::array<CategoryTally, 4> categories{};
    int auxiliary = 0;
    int unbaptized = 0;
    int underOneHour = 0;
    int underFive = 0;  // the hour bands count under the old form only
    int fiveToNine = 0;
    int tenOrMore = 0;

    void add(const CZelvoDoc& doc, const AnalysisRow& row);
    CategoryTally all() const;
};

}  // namespace zelvo::reports
