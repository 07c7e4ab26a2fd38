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

}  // namespace

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
