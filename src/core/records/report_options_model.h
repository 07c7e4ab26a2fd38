// The report layout options and the record card preferences: congregation-wide settings that
// change only on OK. The margin lists keep their own typing rules (MarginList).
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "store/settings.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

// A list of the margins "00" to "99" as the keyboard moves in it: typed digits accumulate into
// the selected value (a value above 99 keeps the last digit alone), and the arrow keys go round.
class MarginList {
public:
    static constexpr int kEntries = 100;

    explicit MarginList(int value);
    int value() const { return value_; }
    static std::string entryText(int value);  // "05"

    void select(int value);  // a click: the typing starts afresh
    void typeDigit(int digit);
    void up();    // from the first entry to the last
    void down();  // from the last entry to the first

private:
    int value_ = 0;
    int typed_ = 0;
};

enum class LayoutTick : std::size_t {
    LastNameFirst,
    AlternativeDate,
    BirthStatistics,
    LabelBirthDate,
    LabelAlternative,
    GridLines,
    NoSlipFields,
    PrintDate,
    EmergJw,
};
inline constexpr std::size_t kLayoutTickCount = 9;

class LayoutOptionsModel {
public:
    explicit LayoutOptionsModel(CZelvoDoc& doc);

    bool tick(LayoutTick t) const { return ticks_[index(t)]; }
    // The alternative label needs the birth date on it: ticking it ticks the birth date, and
    // unticking the birth date unticks it.
    void setTick(LayoutTick t, bool on);
    // "Last name first" is hidden while the language option orders names first name first.
    bool tickVisible(LayoutTick t) const;
    static std::string_view tickText(LayoutTick t);

    MarginList topMargin;
    MarginList labelMargin;
    std::string congregationName;  // UTF-8 as typed

    // What OK would store differs from what is stored.
    bool hasChanges() const;
    // OK: stores every option; the congregation name trimmed and cut to its field. True when
    // something changed (the document is then modified and the report view must be laid out again).
    bool store();

private:
    static std::size_t index(LayoutTick t) { return static_cast<std::size_t>(t); }
    // The settings and display bytes as OK would leave them.
    Settings storedSettings() const;
    std::array<bool, 3> storedDisplayBytes() const;

    CZelvoDoc& doc_;
    std::array<bool, kLayoutTickCount> ticks_{};
};

// The record card preferences: the group numbers, the four hidden totals of the two service
// years, one service year per page, no birth day and month.
class RecordCardOptionsModel {
public:
    enum HiddenBit : int {
        kAveragesCurrent = 1,
        kAveragesPrevious = 2,
        kTotalsCurrent = 4,
        kTotalsPrevious = 8,
    };

    explicit RecordCardOptionsModel(CZelvoDoc& doc);

    bool printGroups = false;
    bool onePerPage = false;
    bool hideBirthDates = false;
    bool hidden(HiddenBit bit) const { return (hideAverages_ & bit) != 0; }
    void setHidden(HiddenBit bit, bool on);

    // OK: stores the ticks; true (and the document modified) when something changed.
    bool store();

private:
    CZelvoDoc& doc_;
    int hideAverages_ = 0;
};

}  // namespace zelvo::records
