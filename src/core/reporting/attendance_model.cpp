#include "reporting/attendance_model.h"

#include <algorithm>
#include <cctype>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

using A = MeetingAttendance;

constexpr std::array<A::Array, kWeeks> kWeekArrays{A::Week1, A::Week2, A::Week3, A::Week4,
                                                   A::Week5};
constexpr int kNextMonthSlot = 2;

// A whole-number average, one more when the remainder is at least half of the count.
int roundedAverage(int total, int count) {
    if (count == 0) return 0;
    return total / count + ((total % count) * 2 >= count ? 1 : 0);
}

int twoDigit(int year) {
    return (year % 100 + 100) % 100;
}

}  // namespace

MeetingFigures figuresOf(const Weeks& weeks) {
    MeetingFigures f;
    for (int w : weeks)
        if (w != 0) {
            ++f.held;
            f.total += w;
        }
    f.average = roundedAverage(f.total, f.held);
    return f;
}

double monthAverage(const MeetingAttendance& meeting, int month, int slot) {
    const int held = meeting.value(A::Held, month, slot);
    return held == 0 ? 0.0 : meeting.value(A::Total, month, slot) / static_cast<double>(held);
}

int attendanceAverage(const CZelvoDoc& doc, int meeting, int months) {
    const MeetingAttendance& m = doc.meetings[static_cast<std::size_t>(meeting)];
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    int sum = 0;
    int weeks = 0;
    for (int i = 0; i < months; ++i, walk.back()) {
        const MonthSlot at = walk.current();
        if (m.value(A::Total, at.month, at.slot) == 0) return 0;
        for (A::Array a : kWeekArrays)
            if (const int w = m.value(a, at.month, at.slot); w != 0) {
                sum += w;
                ++weeks;
            }
    }
    return roundedAverage(sum, weeks);
}

int serviceYearMonths(int reportMonth) {
    return reportMonth < 8 ? reportMonth + 5 : reportMonth - 7;
}

AttendanceAverages attendanceAverages(const CZelvoDoc& doc, int meeting) {
    const auto& cal = doc.calendar;
    return {doc.meetings[static_cast<std::size_t>(meeting)].value(A::Average, cal.reportMonth,
                                                                  cal.reportSlot()),
            attendanceAverage(doc, meeting, 3), attendanceAverage(doc, meeting, 6),
            attendanceAverage(doc, meeting, serviceYearMonths(cal.reportMonth))};
}

WeekField typeWeekKey(WeekField field, char key) {
    if (key == ' ') return {"0", true};
    const bool digit = std::isdigit(static_cast<unsigned char>(key)) != 0;
    if (!digit && key != '.' && key != kBackspace) return field;
    if (field.text.size() > 2) field = {"0", false};
    if (field.selected) field = {"", false};
    if (key == kBackspace) {
        if (!field.text.empty()) field.text.pop_back();
    } else {
        field.text.push_back(key);
    }
    return field;
}

int weekValue(const std::string& text) {
    int v = 0;
    for (char c : text) {
        if (c == '.') break;
        if (std::isdigit(static_cast<unsigned char>(c)) != 0)
            v = std::min(v * 10 + (c - '0'), 65535);
    }
    return v;
}

WeekPlace weekAbove(WeekPlace p) {
    return {p.meeting, (p.week + kWeeks - 1) % kWeeks};
}

WeekPlace weekBelow(WeekPlace p) {
    return {p.meeting, (p.week + 1) % kWeeks};
}

WeekPlace weekAfterEnter(WeekPlace p) {
    if (p.week + 1 < kWeeks) return {p.meeting, p.week + 1};
    return {(p.meeting + 1) % kMeetings, 0};
}

AttendanceEntryModel::AttendanceEntryModel(CZelvoDoc& doc, const Date& today) : doc_(doc) {
    const auto& cal = doc.calendar;
    // The oldest year holds the months after the report month: none after December.
    for (int back = cal.reportMonth == 11 ? 1 : 2; back >= 0; --back)
        years_.push_back(twoDigit(cal.reportYear - back));
    yearIndex_ = static_cast<int>(years_.size()) - 1;
    month_ = cal.reportMonth;
    const int next = (cal.reportMonth + 1) % 12;
    const int nextYear = 2000 + cal.reportYear + (cal.reportMonth == 11 ? 1 : 0);
    tickVisible_ = today.month == next + 1 && today.year == nextYear;
    fillMonths();
    load();
}

void AttendanceEntryModel::fillMonths() {
    const int reportMonth = doc_.calendar.reportMonth;
    const int fromTop = static_cast<int>(years_.size()) - 1 - yearIndex_;
    months_.clear();
    const int first = fromTop == 2 ? reportMonth + 1 : 0;
    const int last = fromTop == 0 ? reportMonth : 11;
    for (int m = first; m <= last; ++m) months_.push_back(m);
    if (std::find(months_.begin(), months_.end(), month_) == months_.end())
        month_ = fromTop == 2 ? months_.front() : months_.back();
}

void AttendanceEntryModel::setYearIndex(int index) {
    if (index < 0 || index >= static_cast<int>(years_.size()) || index == yearIndex_) return;
    save();
    yearIndex_ = index;
    fillMonths();
    load();
}

void AttendanceEntryModel::setMonth(int monthIndex) {
    if (std::find(months_.begin(), months_.end(), monthIndex) == months_.end()) return;
    save();
    month_ = monthIndex;
    load();
}

std::string AttendanceEntryModel::tickCaption() const {
    const auto& cal = doc_.calendar;
    const int next = cal.reportMonth + 1;
    return res::format(res::kAttendanceNextMonth, res::monthName(next),
                       std::to_string(2000 + cal.reportYear + (next == 12 ? 1 : 0)));
}

void AttendanceEntryModel::setTicked(bool on) {
    if (on == ticked_ || (on && !tickVisible_)) return;
    save();
    ticked_ = on;
    load();
}

int AttendanceEntryModel::shownMonth() const {
    return ticked_ ? (doc_.calendar.reportMonth + 1) % 12 : month_;
}

int AttendanceEntryModel::shownSlot() const {
    return ticked_ ? kNextMonthSlot : yearSlot(years_[idx(yearIndex_)]);
}

int AttendanceEntryModel::shownYear() const {
    const auto& cal = doc_.calendar;
    if (ticked_) return 2000 + cal.reportYear + (cal.reportMonth == 11 ? 1 : 0);
    return 2000 + cal.reportYear - (static_cast<int>(years_.size()) - 1 - yearIndex_);
}

std::string AttendanceEntryModel::title() const {
    return res::format(res::kAttendanceEntryTitle, res::monthName(shownMonth()),
                       std::to_string(shownYear()));
}

void AttendanceEntryModel::setWeek(int meeting, int week, int value) {
    weeks_[idx(meeting)][idx(week)] = std::clamp(value, 0, 65535);
}

void AttendanceEntryModel::load() {
    const int month = shownMonth();
    const int slot = shownSlot();
    for (std::size_t k = 0; k < weeks_.size(); ++k)
        for (std::size_t w = 0; w < kWeekArrays.size(); ++w)
            weeks_[k][w] = doc_.meetings[k].value(kWeekArrays[w], month, slot);
}

void AttendanceEntryModel::save() {
    for (std::size_t k = 0; k < weeks_.size(); ++k)
        storeAttendance(doc_, static_cast<int>(k), shownMonth(), shownSlot(), weeks_[k]);
}

bool storeAttendance(CZelvoDoc& doc, int meeting, int month, int slot, const Weeks& weeks) {
    MeetingAttendance& m = doc.meetings[static_cast<std::size_t>(meeting)];
    const MeetingFigures f = figuresOf(weeks);
    bool changed = false;
    const auto put = [&](A::Array a, int v) {
        const auto value = static_cast<std::uint16_t>(std::clamp(v, 0, 65535));
        if (m.value(a, month, slot) == value) return;
        m.setValue(a, month, slot, value);
        changed = true;
    };
    for (std::size_t w = 0; w < kWeekArrays.size(); ++w) put(kWeekArrays[w], weeks[w]);
    put(A::Held, f.held);
    put(A::Total, f.total);
    put(A::Average, f.average);
    if (!changed) return false;
    doc.markModified();
    // A folder whose meetin9.dat held the midweek record alone would never save the weekend.
    doc.meetingCount = std::max(doc.meetingCount, static_cast<std::uint16_t>(meeting + 1));
    return true;
}

}  // namespace zelvo::reporting
