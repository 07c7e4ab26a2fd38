// Meeting attendance: one month's figures from its weeks, the averages the attendance record,
// the statistics and the dashboard show, the typing rules of a week field, and the entry of a
// month's weeks (the month and year lists, the next-month tick that writes slot 2).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/calendar.h"

namespace zelvo {
class CZelvoDoc;
struct MeetingAttendance;
}  // namespace zelvo

namespace zelvo::reporting {

inline constexpr int kMeetings = 2;  // 0 the midweek meeting, 1 the weekend meeting
inline constexpr int kWeeks = 5;
using Weeks = std::array<int, kWeeks>;

struct MeetingFigures {
    int held = 0;     // weeks with attendance
    int total = 0;    // their sum
    int average = 0;  // total / held, rounded half up; 0 when none was held
    bool operator==(const MeetingFigures&) const = default;
};
MeetingFigures figuresOf(const Weeks& weeks);

// total / held of a stored month, 0 when none was held.
double monthAverage(const MeetingAttendance& meeting, int month, int slot);

// The average of every week with attendance over the report month and the `months` - 1 months
// before it, rounded half up; 0 when a month of the window has no attendance at all.
int attendanceAverage(const CZelvoDoc& doc, int meeting, int months);
// The months of the service year up to the report month (September counts 1).
int serviceYearMonths(int reportMonth);

// What the statistics and the dashboard show of one meeting.
struct AttendanceAverages {
    int month = 0;  // the report month's stored average
    int threeMonths = 0;
    int sixMonths = 0;
    int serviceYear = 0;
};
AttendanceAverages attendanceAverages(const CZelvoDoc& doc, int meeting);

// Writes one month of one meeting: its weeks, held, total and average. Marks the document
// modified when anything changed (and says so).
bool storeAttendance(CZelvoDoc& doc, int meeting, int month, int slot, const Weeks& weeks);

// A week field as typed: its text, and whether all of it is selected (the next key replaces it).
struct WeekField {
    std::string text;
    bool selected = false;
    bool operator==(const WeekField&) const = default;
};
inline constexpr char kBackspace = '\b';
// The field after `key`: digits, backspace and '.' are taken, anything else ignored; a key on a
// field of three characters starts again from "0"; a space makes it a selected "0".
WeekField typeWeekKey(WeekField field, char key);
// The attendance a field's text stands for (its digits before any '.').
int weekValue(const std::string& text);

// A week field of the dialog, and where Up, Down and Enter move from it.
struct WeekPlace {
    int meeting = 0;
    int week = 0;
    bool operator==(const WeekPlace&) const = default;
};
WeekPlace weekAbove(WeekPlace p);
WeekPlace weekBelow(WeekPlace p);
WeekPlace weekAfterEnter(WeekPlace p);

// The entry dialog's state: which month is shown, the weeks as typed, and the save of a month
// before every change of year, month or tick and when the dialog closes.
class AttendanceEntryModel {
public:
    AttendanceEntryModel(CZelvoDoc& doc, const Date& today);

    // Two-digit years: the report year and the two before it (a year with no month of the 24
    // kept is left out, as the oldest one is when the report month is December).
    const std::vector<int>& yearEntries() const { return years_; }
    int yearIndex() const { return yearIndex_; }
    void setYearIndex(int index);
    // Month indexes of the selected year.
    const std::vector<int>& monthEntries() const { return months_; }
    int monthIndex() const { return month_; }
    void setMonth(int monthIndex);

    bool tickVisible() const { return tickVisible_; }
    std::string tickCaption() const;
    bool ticked() const { return ticked_; }
    void setTicked(bool on);

    int shownMonth() const;
    int shownSlot() const;
    int shownYear() const;  // four digits
    std::string title() const;

    int week(int meeting, int week) const { return weeks_[idx(meeting)][idx(week)]; }
    void setWeek(int meeting, int week, int value);
    MeetingFigures figures(int meeting) const { return figuresOf(weeks_[idx(meeting)]); }

    // Writes the shown month into the document ("Έγινε" and before every change of month).
    void save();

private:
    CZelvoDoc& doc_;
    std::vector<int> years_;
    std::vector<int> months_;
    int yearIndex_ = 0;
    int month_ = 0;
    bool tickVisible_ = false;
    bool ticked_ = false;
    std::array<Weeks, kMeetings> weeks_{};

    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
    void fillMonths();
    void load();
};

}  // namespace zelvo::reporting
