#include "reports/labels_report.h"

#include <algorithm>

#include "reporting/status_list_rules.h"
#include "reports/record_card_year.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr int kSheetRows = kLabelsPerSheet / kLabelColumns;
constexpr int kMaxLabelMargin = 99;  // hundredths of an inch
constexpr std::uint8_t kAnointed = 'A';

std::string crossed(std::string_view text) {
    return std::string(res::kLabelCrossed) + " " + std::string(text);
}

std::string sexOf(const PublisherRecord& r) {
    if ((r.privileges() & privilege::kMale) != 0)
        return std::string(res::kTickMale) + " " + std::string(res::kLabelCrossed);
    if ((r.privileges() & privilege::kFemale) != 0)
        return std::string(res::kTickFemale) + " " + std::string(res::kLabelCrossed);
    return {};
}

std::string hopeOf(const PublisherRecord& r) {
    // The record card's rule: a text too short to be a date is no baptism.
    if (!cardBaptized(r.baptismDate())) return std::string(res::kLabelUnbaptized);
    return std::string(r.hope() == kAnointed ? res::kTickAnointed : res::kLabelOtherSheep);
}

std::string privilegeOf(const PublisherRecord& r) {
    switch (r.privileges() & privilege::kCodeMask) {
        case privilege::kElder:
            return crossed(res::kTickElder);
        case privilege::kServant:
            return crossed(res::kLabelServant);
        default:
            return {};
    }
}

std::string pioneerOf(const CZelvoDoc& doc, int row) {
    switch (doc.pioneerKindOf(row, doc.calendar.reportMonth, doc.calendar.reportSlot())) {
        case 2:
            return crossed(res::kTickRegular);
        case 3:
            return crossed(res::kTickSpecial);
        default:
            return {};
    }
}

// A line whose two items would meet within `room` (a long name, or a label pulled in from the
// page's edge) puts its right item on a line of its own below.
std::vector<LabelLine> placedLines(const Surface& surface, const std::vector<LabelLine>& lines,
                                   int room) {
    std::vector<LabelLine> placed;
    const int gap = surface.averageCharWidth() * 2;
    for (const LabelLine& l : lines) {
        if (!l.left.empty() && !l.right.empty() &&
            surface.textWidth(l.left) + gap + surface.textWidth(l.right) > room) {
            placed.push_back({l.left, {}});
            placed.push_back({{}, l.right});
        } else {
            placed.push_back(l);
        }
    }
    if (placed.empty()) placed.emplace_back();
    return placed;
}

}  // namespace

LabelPlace labelPlace(int first, int index) {
    const int slot = std::clamp(first, 1, kLabelsPerSheet) - 1 + std::max(index, 0);
    const int onSheet = slot % kLabelsPerSheet;
    return {slot / kLabelsPerSheet, onSheet / kLabelColumns, onSheet % kLabelColumns};
}

int labelPageCount(int first, int count) {
    return count <= 0 ? 1 : labelPlace(first, count - 1).page + 1;
}

std::vector<LabelLine> labelLines(const CZelvoDoc& doc, int row) {
    const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    const std::string name = cp1253::toUtf8(doc.displayName(row));
    const std::string birthText = cp1253::toUtf8(reporting::dateShown(r.birthDate()));
    const bool alternative = doc.settings.labelAlternative != 0;
    // The alternative form always carries the birth date.
    const bool withBirth = (alternative || doc.settings.labelBirthDate != 0) && !birthText.empty();
    const std::string birth =
        withBirth ? std::string(res::kLabelBirthDate) + ": " + birthText : std::string();
    std::vector<LabelLine> lines;
    if (alternative) {
        lines = {{name, sexOf(r)}, {hopeOf(r), birth}, {privilegeOf(r), pioneerOf(doc, row)}};
    } else {
        lines = {
            {name, {}}, {birth, {}}, {hopeOf(r), sexOf(r)}, {privilegeOf(r), pioneerOf(doc, row)}};
    }
    std::erase_if(lines, [](const LabelLine& l) { return l.left.empty() && l.right.empty(); });
    return lines;
}

std::vector<int> labelRows(const CZelvoDoc& doc, const LabelJob& job) {
    std::vector<int> rows;
    for (const IndexEntry& e : doc.kindLists[static_cast<std::size_t>(kPublisher)]) {
        const int id = doc.publishers[static_cast<std::size_t>(e.recordIndex)].id();
        if (job.ids.empty() || std::ranges::find(job.ids, id) != job.ids.end())
            rows.push_back(e.recordIndex);
    }
    return rows;
}

void drawLabelsReport(const CZelvoDoc& doc, Surface& surface, ReportContext& context) {
    context.pageCount = 1;
    if (context.fonts == nullptr) return;
    const ReportPage page = beginReport(surface, *context.fonts, context.page);
    const std::vector<int> rows = labelRows(doc, context.labels);
    const int first = context.labels.firstPosition;
    context.pageCount = labelPageCount(first, static_cast<int>(rows.size()));
    context.pagesUsed = context.pageCount;

    const int dpiX = page.dpiX;
    const int dpiY = page.dpiY;
    const int margin = std::clamp(doc.settings.labelLeftMargin, 0, kMaxLabelMargin) * dpiX / 100;
    const int left = page.printing ? margin : margin / 2;
    const int option = context.page.topMarginOption;
    const int top = option > 100 ? dpiY / 2 : option * dpiY / 100;
    const int columnPitch = dpiX * 4 + (context.isA4 ? dpiX / 20 : dpiX / 5);
    // The second item of a line ends three and a half inches right of the label's edge, and
    // inside the page's eight inches whatever the margin.
    const int rightEnd = dpiX * 7 / 2;
    const int pageRight = dpiX * kPageWidth / 10 - dpiX / 10;
    const int lineStep = dpiY / 5;

    selectReportFont(surface, FontRole::Text, *context.fonts, page, context.page);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LabelPlace at = labelPlace(first, static_cast<int>(i));
        const int x = left + at.column * columnPitch;
        const int y = bandTop(at.page, context.page.pageLength, dpiY) + top + at.row * dpiY;
        const int end = std::min(x + rightEnd, pageRight);
        const std::vector<LabelLine> lines =
            placedLines(surface, labelLines(doc, rows[i]), end - x);
        // More lines than four close up, so the label keeps within its inch.
        const int step = std::min(lineStep, dpiY * 9 / 10 / static_cast<int>(lines.size()));
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const int baseline = y + static_cast<int>(k + 1) * step;
            surface.drawText(x, baseline, lines[k].left, Align::Left, VAlign::Baseline);
            if (!lines[k].right.empty())
                surface.drawText(end, baseline, lines[k].right, Align::Right, VAlign::Baseline);
        }
    }
}

}  // namespace zelvo::reports
