// The record-file labels: sheets of 20 labels in two columns of ten, printed from a chosen first
// position on, one label per publisher in the order of the active list (or of those chosen).
#pragma once

#include <string>
#include <vector>

#include "reports/report_routines.h"

namespace zelvo::reports {

inline constexpr int kLabelsPerSheet = 20;
inline constexpr int kLabelColumns = 2;

// Where label `index` (from 0) of a run that begins at position `first` (1-20; 0 counts as 1)
// sits: its page, row (0-9) and column (0 left, 1 right).
struct LabelPlace {
    int page = 0;
    int row = 0;
    int column = 0;

    friend bool operator==(const LabelPlace&, const LabelPlace&) = default;
};
LabelPlace labelPlace(int first, int index);
// Pages of `count` labels from position `first`; at least one.
int labelPageCount(int first, int count);

// What one label says, line by line, in the form the settings choose. A line of two items holds
// the second at the label's right (empty when none).
struct LabelLine {
    std::string left;   // UTF-8
    std::string right;  // UTF-8
};
std::vector<LabelLine> labelLines(const CZelvoDoc& doc, int row);

// The rows the labels are printed for, in the active list's order: the people the job chose (one
// no longer active prints no label), else every active publisher.
std::vector<int> labelRows(const CZelvoDoc& doc, const LabelJob& job);

// Draws the labels of `context.labels` and sets context.pageCount.
void drawLabelsReport(const CZelvoDoc& doc, Surface& surface, ReportContext& context);

}  // namespace zelvo::reports
