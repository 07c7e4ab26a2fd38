// The month chooser ("Επιλογή Μήνα"): the month in which something happened to a
// person, with the year or the regular-publisher tick in some modes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/calendar.h"

namespace zelvo::reporting {

class MonthChooserModel {
public:
    enum Mode {
        kMonthOnly = 0,
        kRegularTick = 1,  // the tick "Τακτικός Ευαγγελιζόμενος" is offered
        kWithYear = 10,    // the year list is offered
    };

    struct Result {
        int month = 0;  // 1-12; 0 when cancelled
        int year = 0;   // four digits
        bool regular = false;
        // What the chooser answers besides the month: with the tick set, 4 (the status code of a
        // publisher come as a regular one), else the year.
        int answer() const { return regular ? 4 : year; }
    };

    // `caption` (UTF-8) is the caller's question; callers pass the report month as the initial
    // month index.
    MonthChooserModel(const CalendarState& calendar, int initialMonthIndex, std::string caption,
                      int mode);

    // "Μήνας που" + name + verb: the question the transitions ask.
    static std::string question(std::string_view nameUtf8, std::string_view verbUtf8);
    // The twelve month names.
    static std::vector<std::string> monthEntries();

    const std::string& caption() const { return caption_; }
    bool tickVisible() const { return mode_ == kRegularTick; }
    bool yearListVisible() const { return mode_ == kWithYear; }

    // 1950 up to the current year (2000 + report year).
    std::vector<int> yearEntries() const;
    int currentYear() const { return 2000 + calendar_.reportYear; }

    int monthIndex() const { return monthIndex_; }
    // A month after the report month lies in the year before: with the year list shown, the list
    // follows between the current year and the one before (unless scrolled back further).
    void setMonthIndex(int monthIndex);
    int topYear() const { return topYear_; }
    void setTopYear(int year);
    bool regular() const { return regular_; }
    void setRegular(bool on) { regular_ = on; }

    Result accept() const;
    static Result cancelled() { return {}; }

private:
    CalendarState calendar_;
    std::string caption_;
    int mode_;
    int monthIndex_ = 0;
    int topYear_ = 0;
    bool regular_ = false;

    bool afterReportMonth(int monthIndex) const { return monthIndex > calendar_.reportMonth; }
};

}  // namespace zelvo::reporting
