// The privileges dialog of one publisher: a tick and a start and end date for each privilege and
// pioneer appointment, the two appointment flags, the exclusions between the ticks and the rule
// that only an ended privilege has an end date. The dates live in the appointment records.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/date_lists.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

// The rows in their order on the dialog; row + 1 is the appointment kind of its dates.
enum PrivilegeRow : int { kServantRow, kElderRow, kRegularRow, kContinuousAuxRow, kSpecialRow };
inline constexpr int kPrivilegeRows = 5;

// The ticks the privileges dialog takes from the details dialog and carries back to it.
struct PrivilegeTicks {
    std::array<bool, kPrivilegeRows> rows{};  // by PrivilegeRow
    bool fieldMissionary = false;
    bool fullTimeServant = false;
    bool operator==(const PrivilegeTicks&) const = default;
};

// Each row's dates as the appointment record stores them: the start date's eight characters,
// then the end date's.
using PrivilegeDateTexts = std::array<std::string, kPrivilegeRows>;

// Writes the rows' dates into person `id`'s appointment records (a record is created only for a
// date to keep) and marks the data modified when anything changed. With `keepBlank`, a blank row
// leaves the person's record as it is. Returns the reason (UTF-8) when the appointment table has
// no room for a date; the rows that fit are written.
std::optional<std::string> writePrivilegeDates(CZelvoDoc& doc, std::uint16_t id,
                                               const PrivilegeDateTexts& dates,
                                               bool keepBlank = false);

class PrivilegesModel {
public:
    enum class DatePart { Month, Day, Year };

    // The person `id`, shown as `displayName` (UTF-8). While a person is being added `id` is 0:
    // the dates are then those `held` for the person until it is stored, and OK only carries
    // them back. A person who is not `male` cannot change the servant and elder rows.
    // `currentYear` (from the clock) bounds the year lists.
    PrivilegesModel(CZelvoDoc& doc, std::uint16_t id, std::string displayName, bool male,
                    const PrivilegeTicks& ticks, int currentYear,
                    const PrivilegeDateTexts* held = nullptr);

    std::string title() const;            // UTF-8
    static std::string rowText(int row);  // the row's tick, UTF-8
    static std::string fieldMissionaryText();
    static std::string fullTimeServantText();

    bool ticked(int row) const { return ticks_.rows.at(static_cast<std::size_t>(row)); }
    bool fieldMissionary() const { return ticks_.fieldMissionary; }
    bool fullTimeServant() const { return ticks_.fullTimeServant; }
    // Tick and dates of the row can be changed.
    bool rowEnabled(int row) const;
    const DateLists& start(int row) const { return starts_.at(static_cast<std::size_t>(row)); }
    const DateLists& end(int row) const { return ends_.at(static_cast<std::size_t>(row)); }
    // The end date is shown only for a complete start date of a row not ticked: a ticked
    // privilege is current. A hidden end date is blank.
    bool endVisible(int row) const;

    // Setting a tick clears the ticks it excludes and blanks the row's start date.
    void setTicked(int row, bool on);
    void setFieldMissionary(bool on) { ticks_.fieldMissionary = on; }
    void setFullTimeServant(bool on);
    // 0 blanks the part. Changes of a row that cannot be changed are ignored.
    void setStart(int row, DatePart part, int value);
    void setEnd(int row, DatePart part, int value);

    // The entries of the lists: a blank first (0), then the current year - 98 to the current
    // year + 1; a year a record holds outside them is listed too, so OK does not lose it.
    std::vector<int> yearEntries(int row) const;

    // OK: every row's dates written to the appointment records (blank when incomplete) of a
    // stored person. Returns the ticks and the dates for the details dialog, and the reason
    // (UTF-8) when the appointment table has no room for a date.
    struct Accepted {
        PrivilegeTicks ticks;
        PrivilegeDateTexts dates;
        std::optional<std::string> problem;
    };
    Accepted accept();

private:
    CZelvoDoc& doc_;
    std::uint16_t id_;
    std::string displayName_;
    bool male_;
    int currentYear_;
    PrivilegeTicks ticks_;
    std::array<DateLists, kPrivilegeRows> starts_;
    std::array<DateLists, kPrivilegeRows> ends_;

    void enforceEndRule(int row);
};

}  // namespace zelvo::records
