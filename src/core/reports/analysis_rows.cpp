#include "reports/analysis_rows.h"

#include <cstdio>
#include <string_view>

#include "reports/hours_averages.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr ReportColumn kHours = ReportColumn::Hours;
constexpr std::uint16_t kSpecialFullTimeServant = appointment::kSpecialFullTimeServant;

const PublisherRecord& recordAt(const CZelvoDoc& doc, int row) {
    return doc.publishers[static_cast<std::size_t>(row)];
}

// Placements, videos and return visits are not asked on the new form.
bool askedOnNewForm(ReportColumn column) {
    return column == kHours || column == ReportColumn::Studies;
}

bool baptismRecorded(const PublisherRecord& r) {
    const std::string date = r.baptismDate();
    const auto first = date.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    const auto last = date.find_last_not_of(' ');
    return last - first + 1 > 5;
}

// Late-report entries of a publisher, in list order; entries with a month out of range are
// ignored, as the totals ignore them.
std::vector<LateReportEntry> lateEntriesOf(const CZelvoDoc& doc, int row) {
    std::vector<LateReportEntry> out;
    const std::uint16_t id = recordAt(doc, row).id();
    for (const LateReportEntry& e : doc.lateReports)
        if (e.publisherId == id && e.month <= 11) out.push_back(e);
    return out;
}

std::string monthLabel(int absolute) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d-%.2d", 2000 + absolute / 12, absolute % 12 + 1);
    return buf;
}

}  // namespace

std::vector<AnalysisSection> analysisSections(const CZelvoDoc& doc, int group,
                                              AnalysisOrder order) {
    const std::vector<IndexEntry>& active = doc.kindLists[kPublisher];
    if (group >= 1 || order == AnalysisOrder::ListOrder) {
        AnalysisSection all;
        for (const IndexEntry& e : active)
            if (group < 1 || recordAt(doc, e.recordIndex).groupNumber() == group)
                all.rows.push_back(e.recordIndex);
        return {all};
    }
    const CalendarState& cal = doc.calendar;
    const int groups = doc.groups.groupCount();
    std::vector<AnalysisSection> sections(static_cast<std::size_t>(groups) + 2);
    sections.front().heading = res::kPioneersSection;
    for (int n = 1; n <= groups; ++n)
        sections[static_cast<std::size_t>(n)].heading =
            res::format(res::kGroupSectionFormat, res::kGroupWord, std::to_string(n));
    AnalysisSection& unassigned = sections.back();
    unassigned.heading = res::kUnassignedPublishers;
    for (const IndexEntry& e : active) {
        const int row = e.recordIndex;
        const int own = recordAt(doc, row).groupNumber();
        if (doc.pioneerKindOf(row, cal.reportMonth, cal.reportSlot()) >= 2)
            sections.front().rows.push_back(row);
        else if (own >= 1 && own <= groups)
            sections[static_cast<std::size_t>(own)].rows.push_back(row);
        else
            unassigned.rows.push_back(row);
    }
    if (unassigned.rows.empty()) sections.pop_back();
    return sections;
}

std::string hoursText(int hours, int quarters) {
    const int whole = hours + quarters / 4;
    const int rest = quarters % 4;
    std::string out = whole > 0 ? std::to_string(whole) : std::string();
    if (rest == 0) return out;
    if (out.empty()) out = "0";
    return out + std::string(res::quarterSuffix(rest));
}

std::array<std::string, 5> reportValueTexts(const CZelvoDoc& doc, int row, int month, int slot) {
    std::array<std::string, 5> out;
    const PublisherRecord& r = recordAt(doc, row);
    const bool newForm = doc.calendar.newReportForm != 0;
    for (const ReportColumn column : kReportColumns) {
        std::string& text = out[columnIndex(column)];
        if (newForm && !askedOnNewForm(column)) continue;
        const int value = doc.reportValue(row, month, column, slot);
        if (column != kHours)
            text = value != 0 ? std::to_string(value) : std::string();
        else if (!newForm)
            text = hoursText(value, r.quarters(month, slot));
        else if (doc.pioneerKindOf(row, month, slot) == 0 && r.tookPart(month, slot))
            text = res::kParticipated;
        else
            text = value != 0 ? std::to_string(value) : std::string();
    }
    return out;
}

AnalysisRow analysisRow(const CZelvoDoc& doc, int row) {
    const CalendarState& cal = doc.calendar;
    const int m = cal.reportMonth;
    const int s = cal.reportSlot();
    const PublisherRecord& r = recordAt(doc, row);
    const bool newForm = cal.newReportForm != 0;

    AnalysisRow a;
    a.row = row;
    a.category = doc.pioneerKindOf(row, m, s);
    a.name = cp1253::toUtf8(doc.displayName(row));
    a.values = reportValueTexts(doc, row, m, s);
    const ThreeSix avg = publisherAverages(doc, row, kHours);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%4.1f/%4.1f", avg.three, avg.six);
    a.averages = buf;
    a.reported = doc.hasReport(row, m, s);
    a.hasTime = doc.hasHours(row, m, s);
    a.irregular = irregularMask(doc, row) != 0;
    a.unbaptized = !baptismRecorded(r);
    a.underOneHour = r.hours(m, s) == 0 && r.quarters(m, s) > 0;

    std::vector<std::string_view> marks;
    if (a.unbaptized) marks.push_back(res::kMarkUnbaptized);
    if (a.category == 2) marks.push_back(res::kMarkRegularPioneer);
    if (a.category == 3) marks.push_back(res::kMarkSpecialPioneer);
    if (a.category == 1) marks.push_back(res::kMarkAuxiliaryPioneer);
    if ((r.appointmentBits() & kSpecialFullTimeServant) != 0)
        marks.push_back(res::kMarkSpecialServant);
    if (!a.hasTime) {
        if (!r.tookPart(m, s)) {
            marks.push_back(res::kMarkNoReport);
        } else if (!newForm) {
            marks.push_back(res::kMarkUnderOneHour);
            a.underOneHour = true;
        }
    }
    if (a.irregular) marks.push_back(res::kMarkIrregular);
    for (std::string_view mark : marks) {
        if (!a.marks.empty()) a.marks += ' ';
        a.marks += mark;
    }

    if (doc.hasRemark(row, m, s)) {
        const auto index = r.monthWord(MonthWord::RemarkIndex, m, s);
        a.remark = cp1253::toUtf8(doc.remarks[index].remarkText());
    }
    for (const LateReportEntry& e : lateEntriesOf(doc, row)) {
        const int slot = cal.slotOfMonth(e.month);
        a.late.push_back({monthLabel(cal.absoluteMonthOf(e.month, slot)),
                          reportValueTexts(doc, row, e.month, slot)});
    }
    return a;
}

int analysisLines(const CZelvoDoc& doc, int row) {
    const CalendarState& cal = doc.calendar;
    return 1 + (doc.hasRemark(row, cal.reportMonth, cal.reportSlot()) ? 1 : 0) +
           static_cast<int>(lateEntriesOf(doc, row).size());
}

void AnalysisTally::add(const CZelvoDoc& doc, const AnalysisRow& a) {
    CategoryTally& c = categories[static_cast<std::size_t>(a.category)];
    ++c.rows;
    if (!a.reported) ++c.noReport;
    if (a.irregular) ++c.irregular;
    if (a.category == 1) ++auxiliary;
    if (a.unbaptized) ++unbaptized;
    if (a.underOneHour) ++underOneHour;
    if (!a.reported) return;

    const CalendarState& cal = doc.calendar;
    const int m = cal.reportMonth;
    const int s = cal.reportSlot();
    const bool newForm = cal.newReportForm != 0;
    const bool hoursCounted = !newForm || a.category != 0;
    for (const ReportColumn column : kReportColumns) {
        if (newForm && !askedOnNewForm(column)) continue;
        if (column == kHours && !hoursCounted) continue;
        c.totals[columnIndex(column)] += doc.reportValue(a.row, m, column, s);
    }
    const int quarters = recordAt(doc, a.row).quarters(m, s);
    if (hoursCounted) c.quarters += quarters;
    if (newForm) return;
    const int hours = doc.reportValue(a.row, m, kHours, s) + quarters / 4;
    if (hours < 5)
        ++underFive;
    else if (hours < 10)
        ++fiveToNine;
    else
        ++tenOrMore;
}

CategoryTally AnalysisTally::all() const {
    CategoryTally sum;
    for (const CategoryTally& c : categories) {
        sum.rows += c.rows;
        sum.noReport += c.noReport;
        sum.irregular += c.irregular;
        for (std::size_t v = 0; v < 5; ++v) sum.totals[v] += c.totals[v];
        sum.quarters += c.quarters;
    }
    return sum;
}

}  // namespace zelvo::reports
