// The figures of a record card's tables: a run of at most twelve months in time order (the
// service year from September, or the months of a period ending with the report month), the
// totals line and the averages line, from the same rules as the hours and the averages reports.
// The months come from a person's record or from the congregation's monthly totals.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/record_card.h"

namespace zelvo {
class CZelvoDoc;
struct CalendarState;
}  // namespace zelvo

namespace zelvo::reports {

// What one month's place holds.
struct MonthFigures {
    bool reported = false;
    bool auxiliary = false;
    int reports = 0;  // the congregation's totals: the reports counted
    int studies = 0;
    long hours = 0;
    long quarters = 0;
    std::array<long, 3> old{};  // placements, videos, return visits
    std::string remark;         // UTF-8
};

// The figures of (month index, year slot).
using MonthSource = std::function<MonthFigures(int month, int slot)>;

struct CardMonth {
    int month = 0;       // month index, 8 = September
    bool blank = false;  // after the report month: the record holds an older year there
    bool reported = false;
    bool auxiliary = false;
    int reports = 0;
    int studies = 0;
    std::string hours;          // with the quarter suffix, empty when 0
    std::array<long, 3> old{};  // placements, videos, return visits
    std::string remark;         // UTF-8
};

struct CardTable {
    std::array<std::string, 2> caption;  // the top-left cell's two lines
    int serviceYear = 0;                 // the service year's table: the year its August is in
    bool newForm = true;                 // the form of the table's last month
    bool previous = false;               // the previous year's preferences hide its lines
    bool counts = false;  // the congregation's: the reports counted instead of the check boxes
    std::vector<CardMonth> months;          // in time order, at most twelve
    std::string total;                      // hours of the months shown
    std::array<std::string, 5> averages{};  // the five report values per month shown
};

// The table of `count` months (1-12) from the absolute month `first`.
CardTable cardTable(const CalendarState& cal, int first, int count, const MonthSource& source);

// The service year of the report month (`previous`: the one before).
CardTable serviceYearTable(const CalendarState& cal, bool previous, const MonthSource& source);

// The tables a card of `options.kind` prints, the first at the top: the service year and the
// one before it (one of them with the one-per-page preference), one period table, or the 24
// months as the last twelve and the twelve before.
std::vector<CardTable> cardTables(const CalendarState& cal, const CardOptions& options,
                                  const MonthSource& source);

// The card's title by its kind.
std::string_view cardTitle(CardKind kind);

// Publisher `row`'s months.
MonthSource personMonths(const CZelvoDoc& doc, int row);

// The tables of publisher `row`'s card. The six months' averages are the averages report's, so a
// new or transferred publisher is averaged over the months since the status began.
std::vector<CardTable> personCardTables(const CZelvoDoc& doc, int row, const CardOptions& options);

// A baptism date counts when it holds at least five characters after trimming.
bool cardBaptized(const std::string& baptismDate);

}  // namespace zelvo::reports
