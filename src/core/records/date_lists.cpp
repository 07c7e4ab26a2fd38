#include "records/date_lists.h"

#include <algorithm>
#include <cstdio>

#include "resources/strings.h"

namespace zelvo::records {

namespace {

constexpr int kYearsBack = 119;
constexpr int kYearsAhead = 1;
constexpr std::size_t kDateLength = 8;

// The number written in `text` at [from, from + count), or 0 when it is not all digits.
int digitsAt(std::string_view text, std::size_t from, std::size_t count) {
    if (text.size() < from + count) return 0;
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return 0;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string twoDigits(int n) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", n % 100);
    return buffer;
}

// The days of `month` (1-12) in `year`; 0 for an unknown year, when February may have 29.
int daysIn(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month != 2) return kDays[month - 1];
    const bool leap = year == 0 || (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0));
    return leap ? 29 : 28;
}

}  // namespace

bool DateLists::possible() const {
    return month_ == 0 || day_ <= daysIn(month_, year_);
}

std::string DateLists::impossibility() const {
    if (possible()) return {};
    std::string month(res::monthName(month_ - 1));
    if (month_ == 2 && year_ != 0)
        month = res::format(res::kMonthOfYear, month, std::to_string(year_));
    return res::format(res::kMonthHasDays, month, std::to_string(daysIn(month_, year_)));
}

bool DateLists::before(const DateLists& other) const {
    if (!complete() || !possible() || !other.complete() || !other.possible()) return false;
    const auto key = [](const DateLists& d) { return (d.year_ * 100 + d.month_) * 100 + d.day_; };
    return key(*this) < key(other);
}

void DateLists::load(std::string_view stored) {
    loadedText_ = std::string(stored);
    clear();
    setMonth(digitsAt(stored, 0, 2));
    setDay(digitsAt(stored, 2, 2));
    setYear(digitsAt(stored, 4, 4));
    loadedMonth_ = month_;
    loadedDay_ = day_;
    loadedYear_ = year_;
}

std::string DateLists::storedText() const {
    if (month_ == loadedMonth_ && day_ == loadedDay_ && year_ == loadedYear_) return loadedText_;
    if (!complete()) return std::string(kDateLength, ' ');
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%04d", month_, day_, year_ % 10000);
    return buffer;
}

std::string DateLists::inWords() const {
    if (blank()) return {};
    if (!possible()) return res::format(res::kDateDoesNotExist, impossibility());
    if (!complete()) return std::string(res::kDateIncomplete);
    return std::to_string(day_) + " " + std::string(res::monthNameGenitive(month_ - 1)) + " " +
           std::to_string(year_);
}

std::vector<std::string> DateLists::monthEntries() {
    std::vector<std::string> entries{""};
    for (int m = 0; m < 12; ++m) entries.emplace_back(res::monthAbbrev(m));
    return entries;
}

std::vector<std::string> DateLists::dayEntries() {
    std::vector<std::string> entries{""};
    for (int d = 1; d <= 31; ++d) entries.push_back(twoDigits(d));
    return entries;
}

std::vector<int> DateLists::yearEntries() const {
    std::vector<int> years;
    for (int y = currentYear_ - kYearsBack; y <= currentYear_ + kYearsAhead; ++y)
        years.push_back(y);
    if (loadedYear_ != 0 && std::find(years.begin(), years.end(), loadedYear_) == years.end())
        years.insert(std::lower_bound(years.begin(), years.end(), loadedYear_), loadedYear_);
    years.insert(years.begin(), 0);
    return years;
}

}  // namespace zelvo::records
