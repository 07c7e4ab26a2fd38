// The status dialog of a publisher: which mark the person carries and since when.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/calendar.h"
#include "store/publisher_record.h"

namespace zelvo {

class StatusDialogModel {
public:
    enum Choice {
        kNewPublisher = 1,          // mark 1
        kTransferredRegular = 2,    // mark 4
        kTransferredIrregular = 3,  // mark 0 with a month
        kReactivated = 4,           // mark 2
        kPutRight = 5,              // everything cleared
    };

    // Opens on the record's current mark.
    StatusDialogModel(const CalendarState& calendar, const PublisherRecord& record);

    // "Κατάσταση του  %1" with the first name and last name as typed in the editor (UTF-8).
    static std::string title(const std::string& firstNameUtf8, const std::string& lastNameUtf8);
    // A blank entry, then the twelve month abbreviations (UTF-8).
    static std::vector<std::string> monthEntries();
    // The report year and the one before (two-digit).
    std::vector<int> yearEntries() const;

    Choice choice() const { return choice_; }
    int month() const { return month_; }  // 1-12, 0 = blank
    int year() const { return year_; }    // two-digit
    bool monthListVisible() const;
    bool yearListVisible() const;

    void setChoice(Choice c) { choice_ = c; }
    // Choosing a month moves the year to the one before when the month lies after the report
    // month, else to the report year.
    void setMonth(int monthNumber);
    void setYear(int twoDigitYear) { year_ = twoDigitYear; }

    // Why OK cannot take the choice (UTF-8), or nothing: a choice that shows the month list
    // needs a month, or the mark would be stored with month 0.
    std::optional<std::string> refusal() const;
    // OK: writes statusFlags, statusFlags2 and statusSince of `record`.
    void apply(PublisherRecord& record) const;

private:
    CalendarState calendar_;
    Choice choice_ = kPutRight;
    int month_ = 0;
    int year_ = 0;

    int defaultYearFor(int monthNumber) const;
};

}  // namespace zelvo
