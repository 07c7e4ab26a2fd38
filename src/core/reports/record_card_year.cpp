#include "reports/record_card_year.h"

#include "reports/analysis_rows.h"
#include "reports/hours_averages.h"
#include "resources/strings.h"
#include "store/calendar.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr int kSeptember = 8;

std::string remarkText(const CZelvoDoc& doc, const PublisherRecord& p, int month, int slot) {
    const std::size_t index = p.monthWord(MonthWord::RemarkIndex, month, slot);
    if (index == 0 || index >= doc.remarks.size()) return {};
    return cp1253::toUtf8(doc.remarks[index].remarkText());
}

int reportAbsolute(const CalendarState& cal) {
    return absoluteMonth(cal.reportYear, cal.reportMonth);
}

// Month index and two-digit year of an absolute month; before 2000 too, where the year is
// negative.
int monthOf(int abs) {
    return (abs % 12 + 12) % 12;
}
int yearOf(int abs) {
    return (abs - monthOf(abs)) / 12;
}

// "Μαρ 2024": the month abbreviation and the four-digit year of an absolute month.
std::string monthAndYear(int abs) {
    return std::string(res::monthAbbrev(monthOf(abs))) + " " + std::to_string(2000 + yearOf(abs));
}

// A period table names its first and last month.
CardTable periodTable(const CalendarState& cal, int first, int count, const MonthSource& source) {
    CardTable table = cardTable(cal, first, count, source);
    table.caption = {monthAndYear(first) + " -", monthAndYear(first + count - 1)};
    return table;
}

}  // namespace

bool cardBaptized(const std::string& baptismDate) {
    const auto first = baptismDate.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    const auto last = baptismDate.find_last_not_of(' ');
    return last - first + 1 >= 5;
}

CardTable cardTable(const CalendarState& cal, int first, int count, const MonthSource& source) {
    CardTable table;
    table.newForm = first + count - 1 > cal.lastOldFormMonth;
    const int reportAbs = reportAbsolute(cal);

    long hours = 0;
    long quarters = 0;
    std::array<long, 5> sums{};
    int shown = 0;
    for (int abs = first; abs < first + count; ++abs) {
        CardMonth& m = table.months.emplace_back();
        m.month = monthOf(abs);
        // The record keeps 24 months ending with the report month, none before 2000; any other
        // month's place holds a year that is not this one.
        m.blank = abs > reportAbs || abs <= reportAbs - 24 || abs < 0;
        if (m.blank) continue;
        const MonthFigures f = source(m.month, yearSlot(yearOf(abs)));
        ++shown;
        m.reported = f.reported;
        m.auxiliary = f.auxiliary;
        m.reports = f.reports;
        m.studies = f.studies;
        m.hours = hoursText(static_cast<int>(f.hours), static_cast<int>(f.quarters));
        m.old = f.old;
        m.remark = f.remark;
        // A month of the old form inside a new-form table keeps its old values in the remark.
        if (table.newForm && abs <= cal.lastOldFormMonth && (m.old[0] || m.old[1] || m.old[2])) {
            const std::string values =
                res::format(res::kCardOldValues, std::to_string(m.old[0]), std::to_string(m.old[1]),
                            std::to_string(m.old[2]));
            m.remark = m.remark.empty() ? values : values + " " + m.remark;
        }
        hours += f.hours;
        quarters += f.quarters;
        // Averages count a month without a report as 0, as the averages report does.
        if (!m.reported) continue;
        sums[0] += m.old[0];
        sums[1] += m.old[1];
        sums[3] += m.old[2];
        sums[4] += m.studies;
    }
    // Sums of 16-bit values over at most twelve months: well inside an int.
    table.total = hoursText(static_cast<int>(hours), static_cast<int>(quarters));
    if (table.total.empty()) table.total = "0";
    sums[2] = hoursWithQuarters(hours, quarters);
    if (shown > 0)
        for (std::size_t k = 0; k < sums.size(); ++k)
            table.averages[k] = res::oneDecimal(static_cast<double>(sums[k]) / shown);
    return table;
}

CardTable serviceYearTable(const CalendarState& cal, bool previous, const MonthSource& source) {
    const int year = cal.reportYear + 2000 + (cal.reportMonth > 7 ? 1 : 0) - (previous ? 1 : 0);
    CardTable table = cardTable(cal, absoluteMonth(year - 2001, kSeptember), 12, source);
    table.serviceYear = year;
    table.previous = previous;
    table.caption = {std::string(res::kCardServiceYear), std::to_string(year)};
    return table;
}

std::vector<CardTable> cardTables(const CalendarState& cal, const CardOptions& options,
                                  const MonthSource& source) {
    const int reportAbs = reportAbsolute(cal);
    switch (options.kind) {
        case CardKind::ServiceYear:
            if (options.onePerPage) return {serviceYearTable(cal, options.previousYear, source)};
            return {serviceYearTable(cal, false, source), serviceYearTable(cal, true, source)};
        case CardKind::SixMonths:
            return {periodTable(cal, reportAbs - 5, 6, source)};
        case CardKind::YearSoFar: {
            const int september = reportAbs - (reportAbs - kSeptember + 12) % 12;
            return {periodTable(cal, september, reportAbs - september + 1, source)};
        }
        case CardKind::TwelveMonths:
            return {periodTable(cal, reportAbs - 11, 12, source)};
        case CardKind::TwentyFourMonths: {
            std::vector<CardTable> tables{periodTable(cal, reportAbs - 11, 12, source),
                                          periodTable(cal, reportAbs - 23, 12, source)};
            tables[1].previous = true;
            return tables;
        }
    }
    return {};
}

std::string_view cardTitle(CardKind kind) {
    switch (kind) {
        case CardKind::ServiceYear:
            return res::kCardTitle;
        case CardKind::SixMonths:
            return res::kPeriodSixMonths;
        case CardKind::YearSoFar:
            return res::kPeriodServiceYear;
        case CardKind::TwelveMonths:
            return res::kPeriodTwelveMonths;
        case CardKind::TwentyFourMonths:
            return res::kPeriodTwentyFourMonths;
    }
    return {};
}

MonthSource personMonths(const CZelvoDoc& doc, int row) {
    return [&doc, row](int month, int slot) {
        const PublisherRecord& p = doc.publishers[static_cast<std::size_t>(row)];
        MonthFigures f;
        f.reported = doc.hasReport(row, month, slot);
        f.auxiliary = p.pioneerKind(month, slot) == 1;
        f.studies = p.studiesAndFlags(month, slot) & kStudiesMask;
        f.hours = p.hours(month, slot);
        f.quarters = p.quarters(month, slot);
        f.old = {p.monthWord(MonthWord::Placements, month, slot),
                 p.monthWord(MonthWord::Videos, month, slot),
                 p.monthWord(MonthWord::ReturnVisits, month, slot)};
        f.remark = remarkText(doc, p, month, slot);
        return f;
    };
}

std::vector<CardTable> personCardTables(const CZelvoDoc& doc, int row, const CardOptions& options) {
    std::vector<CardTable> tables = cardTables(doc.calendar, options, personMonths(doc, row));
    if (options.kind == CardKind::SixMonths)
        for (const ReportColumn column : kReportColumns)
            tables.front().averages[columnIndex(column)] =
                res::oneDecimal(publisherAverages(doc, row, column).six);
    return tables;
}

}  // namespace zelvo::reports
