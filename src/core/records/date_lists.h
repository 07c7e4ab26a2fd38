// A date chosen with three drop lists (month, day, year), as the editors of people show dates,
// stored as the 8-character text "MMDDYYYY" of the records.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvo::records {

class DateLists {
public:
    // `currentYear` (four digits, from the clock) bounds the year list.
    explicit DateLists(int currentYear = 2000) : currentYear_(currentYear) {}

    // Opens on a stored text; a part that does not read as a month, day or year stays blank.
    void load(std::string_view stored);

    // 0 = blank; month 1-12, day 1-31, year four digits.
    int month() const { return month_; }
    int day() const { return day_; }
    int year() const { return year_; }
    void setMonth(int month) { month_ = month >= 1 && month <= 12 ? month : 0; }
    void setDay(int day) { day_ = day >= 1 && day <= 31 ? day : 0; }
    void setYear(int year) { year_ = year > 0 ? year : 0; }
    void clear() { month_ = day_ = year_ = 0; }

    bool complete() const { return month_ != 0 && day_ != 0 && year_ != 0; }
    bool blank() const { return month_ == 0 && day_ == 0 && year_ == 0; }
    // False when the month chosen has no such day (31 April; 29 February of a year that is not
    // a leap year). With no year chosen February has 29 days.
    bool possible() const;
    // Why the date is not possible (UTF-8): "ο Φεβρουάριος του 2021 έχει 28 ημέρες"; empty when
    // it is.
    std::string impossibility() const;
    // Both dates complete and possible, and this one earlier than `other`.
    bool before(const DateLists& other) const;

    // "MMDDYYYY" when all three are chosen, eight blanks otherwise. A date left as it was
    // opened keeps its stored text, so opening and storing a record changes nothing.
    std::string storedText() const;
    // The line under the lists (UTF-8): "15 Μαρτίου 1980", why a date does not exist, a note
    // for a date that will not be kept because a part is missing, or nothing.
    std::string inWords() const;

    // The entries of the lists: a blank first. Month abbreviations and "01".."31" (UTF-8).
    static std::vector<std::string> monthEntries();
    static std::vector<std::string> dayEntries();
    // 0 (blank), then the current year - 119 to the current year + 1. A year opened from the
    // record that lies outside is listed too, in its place, so it is not lost on storing.
    std::vector<int> yearEntries() const;

private:
    int currentYear_;
    int month_ = 0;
    int day_ = 0;
    int year_ = 0;
    std::string loadedText_;
    int loadedMonth_ = 0;
    int loadedDay_ = 0;
    int loadedYear_ = 0;
};

}  // namespace zelvo::records
