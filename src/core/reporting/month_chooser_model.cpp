#include "reporting/month_chooser_model.h"

#include <algorithm>

#include "records/person_transitions.h"
#include "resources/strings.h"

namespace zelvo::reporting {

namespace {

constexpr int kFirstYear = 1950;

}  // namespace

MonthChooserModel::MonthChooserModel(const CalendarState& calendar, int initialMonthIndex,
                                     std::string caption, int mode)
    : calendar_(calendar),
      caption_(std::move(caption)),
      mode_(mode),
      monthIndex_(std::clamp(initialMonthIndex, 0, 11)),
      topYear_(currentYear()) {}

std::string MonthChooserModel::question(std::string_view nameUtf8, std::string_view verbUtf8) {
    return records::monthQuestion(nameUtf8, verbUtf8);
}

std::vector<std::string> MonthChooserModel::monthEntries() {
    std::vector<std::string> names;
    for (int m = 0; m < 12; ++m) names.emplace_back(res::monthName(m));
    return names;
}

std::vector<int> MonthChooserModel::yearEntries() const {
    std::vector<int> years;
    for (int y = kFirstYear; y <= currentYear(); ++y) years.push_back(y);
    return years;
}

void MonthChooserModel::setMonthIndex(int monthIndex) {
    monthIndex_ = std::clamp(monthIndex, 0, 11);
    if (!yearListVisible()) return;
    if (afterReportMonth(monthIndex_) && topYear_ == currentYear())
        topYear_ = currentYear() - 1;
    else if (!afterReportMonth(monthIndex_) && topYear_ == currentYear() - 1)
        topYear_ = currentYear();
}

void MonthChooserModel::setTopYear(int year) {
    topYear_ = std::clamp(year, kFirstYear, currentYear());
}

MonthChooserModel::Result MonthChooserModel::accept() const {
    Result r;
    r.month = monthIndex_ + 1;
    r.year = yearListVisible() ? topYear_ : currentYear();
    if (afterReportMonth(monthIndex_) && r.year == currentYear()) r.year = currentYear() - 1;
    r.regular = tickVisible() && regular_;
    return r;
}

}  // namespace zelvo::reporting
