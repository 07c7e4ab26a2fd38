#include "records/pioneer_hours_model.h"

#include <algorithm>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

constexpr int kSeptember = 8;
constexpr int kAugust = 7;
constexpr int kMonths = 12;
constexpr int kRegular = 2;

// Position of a month in the service year: September 0 ... August 11.
int positionOf(int monthIndex) {
    return (monthIndex + kMonths - kSeptember) % kMonths;
}

int monthAt(int position) {
    return (position + kSeptember) % kMonths;
}

// Four-digit calendar year of the month at `position` of `serviceYear`.
int calendarYearAt(int serviceYear, int position) {
    return monthAt(position) >= kSeptember ? serviceYear - 1 : serviceYear;
}

}  // namespace

int serviceYearOf(int year, int monthIndex) {
    return monthIndex >= kSeptember ? year + 1 : year;
}

int monthlyHoursGoal(int serviceYear) {
    return serviceYear < 2023 ? 70 : 50;
}

int PioneerYear::remaining() const {
    return std::max(0, requirement() - hours - credit);
}

PioneerYear pioneerYear(const CZelvoDoc& doc, int row) {
    const auto& cal = doc.calendar;
    const int sy = serviceYearOf(2000 + cal.reportYear, cal.reportMonth);
    const int reportPosition = positionOf(cal.reportMonth);
    const bool someone = row > 0 && row < doc.recordCount();
    const PublisherRecord* p = someone ? &doc.publishers[static_cast<std::size_t>(row)] : nullptr;
    const auto slotAt = [sy](int position) { return yearSlot(calendarYearAt(sy, position) % 100); };
    int position = reportPosition;
    while (p != nullptr && position >= 0 &&
           p->pioneerKind(monthAt(position), slotAt(position)) == kRegular)
        --position;
    PioneerYear y;
    const int start = position + 1;
    y.startMonth = monthAt(start);
    y.monthsToServe = kMonths - start;
    y.monthsElapsed = reportPosition - start + 1;
    y.monthsLeft = kMonths - 1 - reportPosition;
    y.goal = monthlyHoursGoal(sy);
    for (int pos = start; p != nullptr && pos <= reportPosition; ++pos) {
        y.hours += p->hours(monthAt(pos), slotAt(pos));
        y.credit += p->monthWord(MonthWord::CreditHours, monthAt(pos), slotAt(pos));
    }
    return y;
}

PioneerHoursModel::PioneerHoursModel(const CZelvoDoc& doc) : doc_(doc) {
    const auto& cal = doc.calendar;
    for (int r = 1; r < doc.recordCount(); ++r) {
        const PublisherRecord& p = doc.publishers[static_cast<std::size_t>(r)];
        if (p.kind() == kPublisher && p.pioneerKind(cal.reportMonth, cal.reportSlot()) == kRegular)
            pioneers_.push_back({r, cp1253::toUtf8(doc.displayName(r))});
    }
    if (!pioneers_.empty()) selected_ = 0;
}

void PioneerHoursModel::select(int index) {
    if (index >= 0 && index < static_cast<int>(pioneers_.size())) selected_ = index;
}

int PioneerHoursModel::row() const {
    return selected_ < 0 ? 0 : pioneers_[static_cast<std::size_t>(selected_)].row;
}

int PioneerHoursModel::serviceYear() const {
    return serviceYearOf(2000 + doc_.calendar.reportYear, doc_.calendar.reportMonth);
}

int PioneerHoursModel::shownServiceYear() const {
    return previousYear_ ? serviceYear() - 1 : serviceYear();
}

std::string PioneerHoursModel::startLine() const {
    if (row() == 0 || previousYear_ || startMonth() == kSeptember) return {};
    return res::format(res::kPioneerSince, res::monthName(startMonth()));
}

namespace {
std::string restOfYear(int reportMonth) {
    return std::string(res::monthAbbrev(reportMonth + 1)) + " - " +
           std::string(res::monthAbbrev(kAugust));
}
}  // namespace

std::string PioneerHoursModel::remainingLine() const {
    if (row() == 0 || previousYear_ || monthsLeft() == 0) return {};
    return res::format(res::kHoursRemaining, restOfYear(doc_.calendar.reportMonth)) +
           std::to_string(remaining());
}

std::string PioneerHoursModel::averageLine() const {
    if (row() == 0 || previousYear_ || monthsLeft() == 0) return {};
    return res::format(res::kHoursRemainingAverage, restOfYear(doc_.calendar.reportMonth)) +
           res::oneDecimal(static_cast<double>(remaining()) / monthsLeft(), 4);
}

std::string PioneerHoursModel::previousYearLine() const {
    if (row() == 0 || !previousYear_) return {};
    return std::string(res::kPeriodServiceYear) + " : " + std::to_string(shownServiceYear());
}

std::vector<PioneerHoursModel::MonthRow> PioneerHoursModel::grid() const {
    std::vector<MonthRow> rows;
    const auto& cal = doc_.calendar;
    const int reportAbs = (2000 + cal.reportYear) * kMonths + cal.reportMonth;
    const int sy = shownServiceYear();
    for (int pos = 0; pos < kMonths; ++pos) {
        MonthRow m;
        m.month = monthAt(pos);
        m.label = std::string(res::monthAbbrev(m.month));
        const int year = calendarYearAt(sy, pos);
        // Months still to come are blank: their slot holds the months of two years before.
        if (row() != 0 && year * kMonths + m.month <= reportAbs) {
            const PublisherRecord& p = doc_.publishers[static_cast<std::size_t>(row())];
            const int slot = yearSlot(year % 100);
            m.hours = p.hours(m.month, slot);
            m.credit = p.monthWord(MonthWord::CreditHours, m.month, slot);
            const int remark = p.monthWord(MonthWord::RemarkIndex, m.month, slot);
            if (remark >= 1 && remark < doc_.remarkCount())
                m.remark =
                    cp1253::toUtf8(doc_.remarks[static_cast<std::size_t>(remark)].remarkText());
            m.reported = m.hours > 0 || m.credit > 0 || p.tookPart(m.month, slot);
        }
        rows.push_back(std::move(m));
    }
    return rows;
}

namespace {
struct Sums {
    int hours = 0, credit = 0, reported = 0;
};
Sums sumsOf(const std::vector<PioneerHoursModel::MonthRow>& grid) {
    Sums s;
    for (const auto& m : grid) {
        s.hours += m.hours;
        s.credit += m.credit;
        s.reported += m.reported ? 1 : 0;
    }
    return s;
}
}  // namespace

int PioneerHoursModel::totalHours() const {
    return sumsOf(grid()).hours;
}

int PioneerHoursModel::totalCredit() const {
    return sumsOf(grid()).credit;
}

std::string PioneerHoursModel::averageHoursText() const {
    const Sums s = sumsOf(grid());
    return res::oneDecimal(s.reported == 0 ? 0.0 : static_cast<double>(s.hours) / s.reported, 4);
}

std::string PioneerHoursModel::averageCreditText() const {
    const Sums s = sumsOf(grid());
    return res::oneDecimal(s.reported == 0 ? 0.0 : static_cast<double>(s.credit) / s.reported, 4);
}

}  // namespace zelvo::records
