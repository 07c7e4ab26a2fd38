// The collection start dialog ("Καταχώρηση Δελτίου Έργου"): which month's reports are collected
// and whether its slot is first initialized. The model decides what the dialog shows and what each
// button answers; the answer is applied by enterReports (reporting/collection_command.h), so a
// dialog closed any other way changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reporting {

class CollectionStartModel {
public:
    enum class Button { Continue, Initialize, EarlyNextMonth };

    // What a button answered: the report month chosen, whether it is initialized, the collection
    // states to store and, for the early next-month button, the early choice for zelvog.ini.
    struct Result {
        int month = 0;  // month index
        int year = 0;   // two-digit year
        bool initialize = false;
        std::array<std::uint8_t, 12> states{};
        bool early = false;
        int earlyYear = 0;   // two-digit year of the calendar month after next
        int earlyMonth = 0;  // 1-12
    };

    // Takes today's day, the report month and the collection states of `doc`.
    explicit CollectionStartModel(const CZelvoDoc& doc);

    // Texts, UTF-8.
    static std::string title();
    bool suggestionVisible() const { return day_ > 20; }
    static std::string suggestionText();
    // Early in the month (day 7 at the latest) the previous month's collection, still open, is
    // continued while the report month's has not started.
    bool previousMonthMode() const { return previousMode_; }
    bool continueVisible() const;
    std::string continueCaption() const;
    std::string initializeCaption() const;
    bool earlyVisible() const;
    std::string earlyCaption() const;

    // The question asked before Initialize or the early button (OK and Cancel, Cancel the
    // default); nothing when none is asked. Cancel leaves the dialog open with nothing changed.
    std::optional<std::string> confirmation(Button button) const;
    // The answer of a button shown (after its confirmation was answered OK); nothing for a button
    // the dialog does not show.
    std::optional<Result> press(Button button) const;

private:
    int day_ = 1;
    int reportAbsMonth_ = 0;
    int earlyYear_ = 0;
    bool previousMode_ = false;
    std::array<std::uint8_t, 12> states_{};

    int month() const { return reportAbsMonth_ % 12; }
    int next() const { return (reportAbsMonth_ + 1) % 12; }
    int continueMonth() const;
    Result opened(int absMonth, std::array<std::uint8_t, 12> states, bool initialize) const;
};

}  // namespace zelvo::reporting
