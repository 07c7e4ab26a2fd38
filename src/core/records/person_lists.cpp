#include "records/person_lists.h"

#include <algorithm>
#include <functional>

#include "records/publisher_table.h"
#include "records/reactivation.h"
#include "resources/strings.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

constexpr int kFirstYear = 1950;
constexpr int kSeptember = 8;

// How many months back from the report month the month index `month` lies (0-11).
int monthsBack(const CalendarState& cal, int month) {
    return ((cal.reportMonth - month) % 12 + 12) % 12;
}

int currentYear(const CalendarState& cal) {
    return 2000 + cal.reportYear;
}

// The four-digit year the month index `month` has among the twelve months ending with the
// report month.
int yearOfRecentMonth(const CalendarState& cal, int month) {
    return month <= cal.reportMonth ? currentYear(cal) : currentYear(cal) - 1;
}

bool inLastSixMonths(const CalendarState& cal, int month) {
    return monthsBack(cal, month) < 6;
}

// From September up to the report month.
bool inServiceYear(const CalendarState& cal, int month) {
    return monthsBack(cal, month) <= monthsBack(cal, kSeptember);
}

std::string abbrevOrBlank(int month) {
    return month >= 1 && month <= 12 ? std::string(res::monthAbbrev(month - 1)) : std::string();
}

struct InactiveSince {
    int month = 0;  // index 0-11, -1 when none
    int year = 0;
};

InactiveSince inactiveSince(const PublisherRecord& r) {
    return {statusMonth(r.statusFlags()) - 1, inactiveYear(r.statusFlags2())};
}

// The month of becoming inactive counts as within 12 months unless its year is before the
// previous year, or it is in the previous year at or before the report month.
bool withinTwelveMonths(const CalendarState& cal, InactiveSince s) {
    const int previous = currentYear(cal) - 1;
    return !(s.year < previous || (s.year == previous && s.month <= cal.reportMonth));
}

bool inactiveShown(const CalendarState& cal, const PublisherRecord& r, int period) {
    const InactiveSince s = inactiveSince(r);
    const bool month = s.month >= 0;
    switch (period) {
        case 1:  // the six months ending with the report month; a year of the same parity
            return month && inLastSixMonths(cal, s.month) &&
                   s.year % 2 == yearOfRecentMonth(cal, s.month) % 2;
        case 2:  // this service year
            return month && inServiceYear(cal, s.month) &&
                   s.year == yearOfRecentMonth(cal, s.month);
        case 3:
            return withinTwelveMonths(cal, s);
        case 4:
            return !withinTwelveMonths(cal, s);
        default:
            return true;
    }
}

bool movedShown(const CalendarState& cal, const PublisherRecord& r, int period) {
    const int month = statusMonth(r.statusFlags()) - 1;
    switch (period) {
        case 1:
            return month >= 0 && inLastSixMonths(cal, month);
        case 2:
            return month >= 0 && inServiceYear(cal, month);
        default:
            return true;
    }
}

// The rows of the table that pass `shown`, in table order, with the text `text` gives.
std::vector<PersonRow> rowsWhere(const CZelvoDoc& doc,
                                 const std::function<bool(int, const PublisherRecord&)>& shown,
                                 const std::function<std::string(const PublisherRecord&)>& detail) {
    std::vector<PersonRow> rows;
    for (int row = 1; row < doc.recordCount(); ++row) {
        const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
        if (!shown(row, r)) continue;
        std::string text = personName(doc, row);
        if (detail) text += "\t" + detail(r);
        rows.push_back({row, std::move(text)});
    }
    return rows;
}

std::string periodText(int period) {
    switch (period) {
        case 1:
            return std::string(res::kPeriodSixMonths);
        case 2:
            return std::string(res::kPeriodServiceYear);
        case 3:
            return std::string(res::kPeriodTwelveMonths);
        case 4:
            return std::string(res::kPeriodOlder);
        default:
            return std::string(res::kPeriodAll);
    }
}

}  // namespace

bool inactivePeriodShown(const CalendarState& cal, const PublisherRecord& r, int period) {
    return inactiveShown(cal, r, period);
}

bool movedPeriodShown(const CalendarState& cal, const PublisherRecord& r, int period) {
    return movedShown(cal, r, period);
}

// ------------------------------------------------------------------ the inactive dialog

InactiveListsModel::InactiveListsModel(const CZelvoDoc& doc, Form form) : doc_(doc), form_(form) {}

std::string InactiveListsModel::title() const {
    return std::string(form_ == Form::Inactive ? res::kInactiveDialogTitle
                                               : res::kDeletedDialogTitle);
}

std::string InactiveListsModel::leftCaption() const {
    if (form_ == Form::Inactive) return std::string(res::kInactiveListCaption);
    return res::format(res::kDeletedListCaption, res::kDeletedListName);
}

std::string InactiveListsModel::rightCaption() const {
    return std::string(res::kCandidatesCaption);
}

std::vector<PersonRow> InactiveListsModel::leftRows() const {
    const CalendarState& cal = doc_.calendar;
    if (form_ == Form::Deleted) {
        return rowsWhere(
            doc_, [](int, const PublisherRecord& r) { return r.kind() == kDeleted; },
            [](const PublisherRecord& r) {
                const int month = r.statusSince() & 0xFF;
                return abbrevOrBlank(month) + " " +
                       std::to_string(kFirstYear + (r.statusSince() >> 8));
            });
    }
    return rowsWhere(
        doc_,
        [&](int, const PublisherRecord& r) {
            return r.kind() == kInactive && inactiveShown(cal, r, period_);
        },
        [](const PublisherRecord& r) {
            return std::to_string(inactiveYear(r.statusFlags2())) + "  " +
                   abbrevOrBlank(statusMonth(r.statusFlags()));
        });
}

std::vector<PersonRow> InactiveListsModel::rightRows() const {
    if (form_ == Form::Deleted) return {};
    return rowsWhere(
        doc_, [&](int row, const PublisherRecord&) { return isInactiveCandidate(doc_, row); }, {});
}

void InactiveListsModel::nextPeriod() {
    period_ = period_ % 5 + 1;
}

std::string InactiveListsModel::periodCaption() const {
    return periodText(period_);
}

std::string InactiveListsModel::actionCaption(bool leftListActive) const {
    if (form_ == Form::Deleted) return std::string(res::kRestoreAction);
    return std::string(leftListActive ? res::kReactivateAction : res::kMoveToInactive);
}

// ------------------------------------------------------------------ the moved dialog

MovedListsModel::MovedListsModel(const CZelvoDoc& doc) : doc_(doc) {}

std::string MovedListsModel::rightCaption() const {
    return res::format(res::kNoReportInMonth, res::monthNameAccusative(doc_.calendar.reportMonth));
}

std::vector<PersonRow> MovedListsModel::leftRows() const {
    const CalendarState& cal = doc_.calendar;
    return rowsWhere(
        doc_,
        [&](int, const PublisherRecord& r) {
            return r.kind() == kMoved && movedShown(cal, r, period_);
        },
        [](const PublisherRecord& r) { return abbrevOrBlank(statusMonth(r.statusFlags())); });
}

std::vector<PersonRow> MovedListsModel::rightRows() const {
    const int m = doc_.calendar.reportMonth;
    const int s = doc_.calendar.reportSlot();
    return rowsWhere(doc_,
                     [&](int, const PublisherRecord& r) {
                         if (inactiveTick_) return r.kind() == kInactive;
                         return r.kind() == kPublisher && r.hours(m, s) == 0 &&
                                r.quarters(m, s) == 0 && !r.tookPart(m, s);
                     },
                     {});
}

void MovedListsModel::nextPeriod() {
    period_ = period_ % 3 + 1;
}

std::string MovedListsModel::periodCaption() const {
    return periodText(period_);
}

std::string MovedListsModel::actionCaption(bool leftListActive) const {
    return std::string(leftListActive ? res::kDeleteAction : res::kMoveAction);
}

// ------------------------------------------------------------------ the removal dialog

RemovalModel::RemovalModel(const CZelvoDoc& doc, int row, int currentYear)
    : row_(row),
      currentYear_(std::max(currentYear, kFirstYear)),
      initialMonth_(doc.calendar.reportMonth + 1),
      caption_(row > 0 && row < doc.recordCount() ? personName(doc, row) : std::string()) {
    monthEntry = initialMonthEntry();
    yearEntry = initialYearEntry();
}

std::vector<std::string> RemovalModel::monthEntries() const {
    std::vector<std::string> entries{std::string()};
    for (int m = 0; m < 12; ++m) entries.emplace_back(res::monthAbbrev(m));
    return entries;
}

std::vector<int> RemovalModel::yearEntries() const {
    std::vector<int> years;
    for (int y = kFirstYear; y <= currentYear_; ++y) years.push_back(y);
    return years;
}

int RemovalModel::initialYearEntry() const {
    return currentYear_ - kFirstYear;
}

Refusal RemovalModel::apply(CZelvoDoc& doc) const {
    if (!temporary) {
        if (Refusal refusal = canDeletePermanently(doc, row_)) return refusal;
        deletePerson(doc, row_);
        return std::nullopt;
    }
    if (Refusal refusal = canRemoveToDeleted(doc, row_)) return refusal;
    const int month = std::clamp(monthEntry, 0, 12);
    const int year = kFirstYear + std::clamp(yearEntry, 0, currentYear_ - kFirstYear);
    removeToDeleted(doc, row_, month, year);
    return std::nullopt;
}

}  // namespace zelvo::records
