#include "reports/record_card_year.h"

#include <cstdio>

#include "reports/hours_averages.h"
#include "resources/strings.h"
#include "store/calendar.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr int kSeptember = 8;

std::string oneDecimal(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", value);
    return buf;
}

std::string hoursText(long hours, int quarters) {
    if (hours == 0 && quarters == 0) return {};
    return std::to_string(hours) + std::string(res::quarterSuffix(quarters));
}

std::string remarkText(const CZelvoDoc& doc, const PublisherRecord& p, int month, int slot) {
    const std::size_t index = p.monthWord(MonthWord::RemarkIndex, month, slot);
    if (index == 0 || index >= doc.remarks.size()) return {};
    return cp1253::toUtf8(doc.remarks[index].remarkText());
}

}  // namespace

bool cardBaptized(const std::string& baptismDate) {
    const auto first = baptismDate.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    const auto last = baptismDate.find_last_not_of(' ');
    return last - first + 1 >= 5;
}

CardYear cardYear(const CZelvoDoc& doc, int row, bool previous) {
    const CalendarState& cal = doc.calendar;
    CardYear year;
    year.serviceYear = cal.reportYear + 2000 + (cal.reportMonth > 7 ? 1 : 0) - (previous ? 1 : 0);
    year.newForm = year.serviceYear > kLastOldFormServiceYear;
    const PublisherRecord& p = doc.publishers[static_cast<std::size_t>(row)];
    const int reportAbs = absoluteMonth(cal.reportYear, cal.reportMonth);
    const int september = absoluteMonth(year.serviceYear - 2001, kSeptember);

    long hours = 0;
    long quarters = 0;
    std::array<long, 5> sums{};
    int shown = 0;
    for (int i = 0; i < 12; ++i) {
        const int abs = september + i;
        CardMonth& m = year.months[static_cast<std::size_t>(i)];
        m.month = abs % 12;
        // The record keeps 24 months ending with the report month; any other month's place
        // holds a year that is not this one.
        m.blank = abs > reportAbs || abs <= reportAbs - 24;
        if (m.blank) continue;
        const int slot = yearSlot(abs / 12);
        ++shown;
        m.reported = doc.hasReport(row, m.month, slot);
        m.auxiliary = p.pioneerKind(m.month, slot) == 1;
        m.studies = p.studiesAndFlags(m.month, slot) & kStudiesMask;
        m.hours = hoursText(p.hours(m.month, slot), p.quarters(m.month, slot));
        m.old = {p.monthWord(MonthWord::Placements, m.month, slot),
                 p.monthWord(MonthWord::Videos, m.month, slot),
                 p.monthWord(MonthWord::ReturnVisits, m.month, slot)};
        m.remark = remarkText(doc, p, m.month, slot);
        // A month of the old form inside a new-form year keeps its old values in the remark.
        if (year.newForm && abs <= kLastOldFormMonth && (m.old[0] || m.old[1] || m.old[2])) {
            const std::string values =
                res::format(res::kCardOldValues, std::to_string(m.old[0]), std::to_string(m.old[1]),
                            std::to_string(m.old[2]));
            m.remark = m.remark.empty() ? values : values + " " + m.remark;
        }
        hours += p.hours(m.month, slot);
        quarters += p.quarters(m.month, slot);
        // Averages count a month without a report as 0, as the averages report does.
        if (!m.reported) continue;
        sums[0] += m.old[0];
        sums[1] += m.old[1];
        sums[3] += m.old[2];
        sums[4] += m.studies;
    }
    year.total = hoursText(hours + quarters / 4, static_cast<int>(quarters % 4));
    if (year.total.empty()) year.total = "0";
    sums[2] = hoursWithQuarters(hours, quarters);
    if (shown > 0)
        for (std::size_t k = 0; k < sums.size(); ++k)
            year.averages[k] = oneDecimal(static_cast<double>(sums[k]) / shown);
    return year;
}

}  // namespace zelvo::reports
