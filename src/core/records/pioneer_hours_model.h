// The regular pioneer hours dialog: for a regular pioneer of the report month, the hours goal
// of the service year, how many hours remain and the months of the service year in a grid.
#pragma once

#include <string>
#include <vector>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

// The service year a month belongs to: the calendar year, plus one from September on.
int serviceYearOf(int year, int monthIndex);
// Monthly hours goal of a regular pioneer: 70 before the service year 2023, 50 from it on.
int monthlyHoursGoal(int serviceYear);

// A regular pioneer's service year up to the report month, as the hours dialog and the pioneer
// hours report both count it.
struct PioneerYear {
    int startMonth = 8;     // month index the run of regular months began; September at most back
    int monthsToServe = 0;  // start month through August
    int monthsElapsed = 0;  // start month through the report month
    int monthsLeft = 0;     // after the report month up to August
    int hours = 0;          // reported, start month through the report month
    int credit = 0;         // pioneer credit hours, the same months
    int goal = 0;           // monthly
    int requirement() const { return monthsToServe * goal; }
    int remaining() const;  // never below 0
};
// For row 0 (nobody) the run is empty: it starts after the report month.
PioneerYear pioneerYear(const CZelvoDoc& doc, int row);

class PioneerHoursModel {
public:
    struct Pioneer {
        int row = 0;
        std::string name;  // UTF-8
    };
    // One month of the grid; a month without a report (or still to come) is blank.
    struct MonthRow {
        int month = 0;      // month index, September first
        std::string label;  // the month's abbreviation, UTF-8
        bool reported = false;
        int hours = 0;
        int credit = 0;
        std::string remark;  // UTF-8
    };

    explicit PioneerHoursModel(const CZelvoDoc& doc);

    // The active publishers who are regular pioneers in the report month. With none, the
    // combo and the previous-year tick are hidden.
    const std::vector<Pioneer>& pioneers() const { return pioneers_; }
    bool pickerVisible() const { return !pioneers_.empty(); }
    int selected() const { return selected_; }  // index into pioneers(), -1 with none
    void select(int index);
    bool previousYear() const { return previousYear_; }
    void setPreviousYear(bool on) { previousYear_ = on; }

    // --- the selected pioneer in the service year of the report month ---
    int serviceYear() const;  // four digits
    int goal() const { return monthlyHoursGoal(serviceYear()); }
    // Walking back from the report month, the month after the last one that was not regular;
    // September when the run goes back that far.
    int startMonth() const { return year().startMonth; }
    int monthsToServe() const { return year().monthsToServe; }
    // Reported plus credit hours, start month to report month.
    int hoursDone() const { return year().hours + year().credit; }
    int remaining() const { return year().remaining(); }
    int monthsLeft() const { return year().monthsLeft; }

    // The lines of the dialog (UTF-8); empty where nothing is shown.
    std::string startLine() const;
    std::string remainingLine() const;
    std::string averageLine() const;
    std::string previousYearLine() const;

    // Twelve months, September to August, of the service year shown (the previous one when
    // ticked), then totals and averages over the months reported.
    std::vector<MonthRow> grid() const;
    int totalHours() const;
    int totalCredit() const;
    std::string averageHoursText() const;  // "%4.1f"
    std::string averageCreditText() const;

    // The name of the printed document.
    static constexpr const char* kDocumentName = "PioProg";

private:
    const CZelvoDoc& doc_;
    std::vector<Pioneer> pioneers_;
    int selected_ = -1;
    bool previousYear_ = false;

    int row() const;
    int shownServiceYear() const;
    PioneerYear year() const { return pioneerYear(doc_, row()); }
};

}  // namespace zelvo::records
