#include "reporting/status_list_rules.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

#include "records/appointments.h"
#include "records/group_caption.h"
#include "records/person_lists.h"
#include "records/person_transitions.h"
#include "resources/strings.h"
#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

using L = StatusList;

constexpr std::size_t kDateLength = 8;

const std::array<std::string_view, 3> kPeriods{res::kPeriodSixMonths, res::kPeriodServiceYear,
                                               res::kPeriodTwelveMonths};

struct Band {
    std::string_view text;
    int from;
    int to;
};
const std::array<Band, 9> kBands{{
    {res::kBandRecent, 0, 1},
    {res::kBandZeroToFour, 0, 4},
    {res::kBandFiveToNine, 5, 9},
    {res::kBandTens, 10, 19},
    {res::kBandTwenties, 20, 29},
    {res::kBandThirties, 30, 39},
    {res::kBandForties, 40, 49},
    {res::kBandFifties, 50, 59},
    {res::kBandOverSixty, 60, 100},
}};

std::string_view privilegeText(PrivilegeEntry e) {
    switch (e) {
        case PrivilegeEntry::Servants:
            return res::kListServants;
        case PrivilegeEntry::Elders:
            return res::kListElders;
        case PrivilegeEntry::RegularPioneers:
            return res::kRegularPioneersTitle;
        case PrivilegeEntry::ContinuousAuxiliary:
            return res::kListContinuousAuxiliary;
        case PrivilegeEntry::SpecialPioneers:
            return res::kSpecialPioneersTitle;
        case PrivilegeEntry::FullTimeServants:
            return res::kListFullTimeServants;
        case PrivilegeEntry::FieldMissionaries:
            return res::kListFieldMissionaries;
    }
    return {};
}

// What a privilege entry asks of a publisher: the tick the privileges dialog would show now.
bool holds(const CZelvoDoc& doc, const PublisherRecord& r, PrivilegeEntry e) {
    const int code = r.privileges() & privilege::kCodeMask;
    const CalendarState& cal = doc.calendar;
    switch (e) {
        case PrivilegeEntry::Servants:
            return code == privilege::kServant;
        case PrivilegeEntry::Elders:
            return code == privilege::kElder;
        case PrivilegeEntry::RegularPioneers:
            return r.pioneerKind(cal.reportMonth, cal.reportSlot()) == 2;
        case PrivilegeEntry::ContinuousAuxiliary:
            return (r.privileges() & privilege::kContinuousAuxiliary) != 0;
        case PrivilegeEntry::SpecialPioneers:
            return r.pioneerKind(cal.reportMonth, cal.reportSlot()) == 3;
        case PrivilegeEntry::FullTimeServants:
            return (r.appointmentBits() & appointment::kSpecialFullTimeServant) != 0;
        case PrivilegeEntry::FieldMissionaries:
            return (r.appointmentBits() & appointment::kFieldMissionary) != 0;
    }
    return false;
}

// The appointment kind that holds an entry's dates; 0 for the two marks without dates.
std::uint16_t appointmentKindOf(PrivilegeEntry e) {
    const int n = static_cast<int>(e);
    return n <= static_cast<int>(PrivilegeEntry::SpecialPioneers)
               ? static_cast<std::uint16_t>(n + 1)
               : 0;
}

std::string trimmedText(const std::string& s) {
    return std::string(trimmed(s));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int numberAt(const std::string& s, std::size_t at, std::size_t length) {
    int n = 0;
    for (std::size_t i = at; i < at + length && i < s.size() && isDigit(s[i]); ++i)
        n = n * 10 + (s[i] - '0');
    return n;
}

// Years since baptism: today's year minus the baptism year, one less while today's month is
// before the baptism month of an earlier year. Nothing for a date without a year.
std::optional<int> yearsSinceBaptism(const std::string& stored, const Date& today) {
    if (stored.size() < 5 || !isDigit(stored[4])) return std::nullopt;
    const int year = numberAt(stored, 4, 4);
    const int month = numberAt(stored, 0, 2);
    int years = today.year - year;
    if (today.month < month && year < today.year) --years;
    return years;
}

// The months of a period of the pioneer and conductor lists, oldest first: the six months ending
// with the report month, the service year so far, or the twelve months ending with it.
std::vector<MonthSlot> periodMonths(const CalendarState& cal, int filter) {
    const int report = cal.reportMonth;
    const int serviceYearSoFar = report >= 8 ? report - 7 : report + 5;
    const int count = filter == 0 ? 6 : filter == 1 ? serviceYearSoFar : 12;
    std::vector<MonthSlot> months;
    MonthWalk walk = cal.walkFromReportMonth();
    for (int i = 0; i < count; ++i, walk.back()) months.push_back(walk.current());
    std::reverse(months.begin(), months.end());
    return months;
}

// The entries of a period filter: the three periods, then the lists' own.
int periodCount(StatusList list) {
    switch (list) {
        case L::NewPublishers:
        case L::Reactivated:
        case L::Moved:
            return 4;
        case L::Inactive:
            return 5;
        default:
            return 3;
    }
}

int periodOf(StatusList list, int filter) {
    return std::clamp(filter, 0, periodCount(list) - 1);
}

const std::vector<IndexEntry>& sourceList(const CZelvoDoc& doc, StatusList list) {
    switch (list) {
        case L::Inactive:
            return doc.kindLists[kInactive];
        case L::Moved:
            return doc.kindLists[kMoved];
        case L::Students:
            return doc.kindLists[kNonPublisher];
        default:
            return doc.kindLists[kPublisher];
    }
}

std::string groupMark(const PublisherRecord& r) {
    return "  (" + std::to_string(r.groupNumber()) + ")";
}

std::string consentDateOf(const CZelvoDoc& doc, const PublisherRecord& r) {
    if (const AppointmentRecord* a = records::appointmentOf(doc, r.id(), kConsentKind))
        return dateShown(a->appointmentText());
    return dateShown(r.consentDate());
}

std::string privilegeDates(const CZelvoDoc& doc, const PublisherRecord& r, PrivilegeEntry e) {
    const std::uint16_t kind = appointmentKindOf(e);
    const AppointmentRecord* a = kind == 0 ? nullptr : records::appointmentOf(doc, r.id(), kind);
    if (a == nullptr) return {};
    const std::string text = a->appointmentText();
    const std::string start = dateShown(text.substr(0, std::min(text.size(), kDateLength)));
    const std::string end = text.size() > kDateLength ? dateShown(text.substr(kDateLength)) : "";
    if (start.empty()) return {};
    return "\t" + start + (end.empty() ? "" : " - " + end);
}

// The row of a list for the publisher at `row`, or nothing when the list leaves it out.
class RowRule {
public:
    RowRule(const CZelvoDoc& doc, const StatusQuery& q, const Date& today)
        : doc_(doc), cal_(doc.calendar), q_(q), today_(today) {}

    std::optional<std::string> operator()(int row, const PublisherRecord& r) const {
        const std::string name = records::personName(doc_, row);
        switch (q_.list) {
            case L::NoReport: {
                const int m = std::clamp(q_.filter, 0, 11);
                const int s = cal_.slotOfMonth(m);
                if (doc_.hasReport(row, m, s) || doc_.hasRemark(row, m, s)) return std::nullopt;
                return phonesRow(name, row, r);
            }
            case L::CollectionForm:
                return phonesRow(name, row, r);
            case L::Irregular:
                return irregularRow(name, row);
            case L::NewPublishers:
            case L::Reactivated:
                return markRow(name, row, r,
                               q_.list == L::NewPublishers ? kMarkNew : kMarkReactivated);
            case L::Inactive:
                if (!records::inactivePeriodShown(cal_, r, periodOf(q_.list, q_.filter) + 1))
                    return std::nullopt;
                return name + "\t" + std::string(res::kGroupCaption) + "\t" +
                       std::to_string(r.groupNumber());
            case L::Moved:
                return movedRow(name, r);
            case L::Baptized: {
                const Band& band = kBands[static_cast<std::size_t>(std::clamp(q_.filter, 0, 8))];
                const auto years = yearsSinceBaptism(r.baptismDate(), today_);
                if (!years || *years < band.from || *years > band.to) return std::nullopt;
                return name + "\t" + dateShown(r.baptismDate());
            }
            case L::AuxiliaryPioneers:
                return pioneerRow(name, r);
            case L::StudyConductors:
                return conductorRow(name, r);
            case L::Unbaptized:
                if (!trimmed(r.baptismDate()).empty()) return std::nullopt;
                return name;
            case L::Students: {
                const std::string conductor = trimmedText(cp1253::toUtf8(r.conductor()));
                return conductor.empty() ? name : name + "\t( " + conductor + " )";
            }
            case L::Privileges: {
                const std::vector<PrivilegeEntry> entries = privilegeEntries(doc_);
                const PrivilegeEntry e = entries[static_cast<std::size_t>(
                    std::clamp(q_.filter, 0, static_cast<int>(entries.size()) - 1))];
                if (!holds(doc_, r, e)) return std::nullopt;
                return name + privilegeDates(doc_, r, e);
            }
            case L::Consent:
            case L::NoConsent:
                if ((r.consentGiven() == 1) != (q_.list == L::Consent)) return std::nullopt;
                return name + (q_.group == 0 ? groupMark(r) : "") + "\t" + consentDateOf(doc_, r);
            case L::CustomCategory:
                if ((r.privileges() & privilege::kCustomCategory) == 0) return std::nullopt;
                return name;
        }
        return std::nullopt;
    }

private:
    std::string phonesRow(const std::string& name, int row, const PublisherRecord& r) const {
        return name + (q_.group == 0 ? groupMark(r) : "") + "\t" + telephonesColumn(doc_, row);
    }

    std::optional<std::string> irregularRow(const std::string& name, int row) const {
        const int mask = irregularMask(doc_, row);
        if (mask == 0) return std::nullopt;
        std::vector<std::string> months;
        MonthWalk walk = cal_.walkFromReportMonth();
        for (int i = 0; i < 6; ++i, walk.back()) {
            const auto [m, s] = walk.current();
            if ((mask & (1 << m)) == 0) continue;
            months.push_back(std::string(res::monthAbbrev(m)) +
                             (doc_.hasRemark(row, m, s) ? "!" : ""));
        }
        std::string text = name;
        for (auto it = months.rbegin(); it != months.rend(); ++it) text += "\t" + *it;
        return text;
    }

    std::optional<std::string> markRow(const std::string& name, int row, const PublisherRecord& r,
                                       int bits) const {
        using Test = int (*)(const CZelvoDoc&, int, int);
        static constexpr std::array<Test, 4> kTests{markMonthRecent, markMonthThisYear, markMonth,
                                                    markMonthWithSince};
        const int month =
            kTests[static_cast<std::size_t>(std::clamp(q_.filter, 0, 3))](doc_, row, bits);
        if (month < 1 || month > 12) return std::nullopt;
        const int since = r.statusSince();
        const int year = since != 0 ? 2000 + since / 12
                                    : 2000 + cal_.reportYear - (month - 1 > cal_.reportMonth);
        return name + "\t" + std::to_string(year) + " " + std::string(res::monthName(month - 1));
    }

    std::optional<std::string> movedRow(const std::string& name, const PublisherRecord& r) const {
        const int month = statusMonth(r.statusFlags());
        const int period = periodOf(q_.list, q_.filter);
        // The record keeps no year of the move: the twelve-month entries both list every move
        // whose month is known.
        const bool shown =
            period < 2 ? records::movedPeriodShown(cal_, r, period + 1) : month >= 1 && month <= 12;
        if (!shown) return std::nullopt;
        const std::string abbrev =
            month >= 1 && month <= 12 ? std::string(res::monthAbbrev(month - 1)) : "";
        return name + "\t" + abbrev;
    }

    std::optional<std::string> pioneerRow(const std::string& name, const PublisherRecord& r) const {
        std::string months;
        for (const auto [m, s] : periodMonths(cal_, periodOf(q_.list, q_.filter)))
            if (r.pioneerKind(m, s) == 1)
                months += (months.empty() ? "" : " ") + std::string(res::monthAbbrev(m));
        if (months.empty()) return std::nullopt;
        return name + "\t" + months;
    }

    std::optional<std::string> conductorRow(const std::string& name,
                                            const PublisherRecord& r) const {
        const auto months = periodMonths(cal_, periodOf(q_.list, q_.filter));
        if (std::none_of(months.begin(), months.end(),
                         [&](MonthSlot ms) { return r.bibleStudies(ms.month, ms.slot) > 0; }))
            return std::nullopt;
        const int studies = r.bibleStudies(cal_.reportMonth, cal_.reportSlot());
        if (studies == 0) return name;
        return name + "\t" + std::to_string(studies) + " " +
               std::string(res::monthName(cal_.reportMonth));
    }

    const CZelvoDoc& doc_;
    const CalendarState& cal_;
    const StatusQuery& q_;
    Date today_;
};

}  // namespace

FilterKind filterKind(StatusList list) {
    switch (list) {
        case L::NoReport:
            return FilterKind::Month;
        case L::NewPublishers:
        case L::Reactivated:
        case L::Inactive:
        case L::Moved:
        case L::AuxiliaryPioneers:
        case L::StudyConductors:
            return FilterKind::Period;
        case L::Baptized:
            return FilterKind::Bands;
        case L::Privileges:
            return FilterKind::Privileges;
        default:
            return FilterKind::None;
    }
}

bool hasGroupList(StatusList list) {
    const FilterKind k = filterKind(list);
    return k == FilterKind::None || k == FilterKind::Month;
}

std::vector<StatusList> offeredLists(const CZelvoDoc& doc) {
    std::vector<StatusList> lists;
    for (int code = 0; code < kStatusListCount; ++code) lists.push_back(static_cast<L>(code));
    if (doc.settings.customCategoryEnabled == 0) lists.pop_back();
    return lists;
}

std::string listText(const CZelvoDoc& doc, StatusList list) {
    static constexpr std::array<std::string_view, kStatusListCount> kTexts{
        std::string_view{},        res::kListIrregular,
        res::kListNewPublishers,   res::kListReactivated,
        res::kListInactive,        res::kListMoved,
        res::kListBaptismYears,    res::kListAuxiliaryPioneers,
        res::kListStudyConductors, res::kListUnbaptized,
        res::kListStudents,        res::kListCollectionForm,
        res::kListPrivileges,      res::kListConsent,
        res::kListNoConsent,       {},
    };
    if (list == L::NoReport)
        return res::format(res::kNoReportInMonth,
                           res::monthNameAccusative(doc.calendar.reportMonth));
    if (list == L::CustomCategory) return cp1253::toUtf8(doc.settings.customCategoryName);
    return std::string(kTexts[static_cast<std::size_t>(list)]);
}

std::vector<std::string> filterEntries(const CZelvoDoc& doc, StatusList list) {
    std::vector<std::string> entries;
    switch (filterKind(list)) {
        case FilterKind::Month:
            for (int m = 0; m < 12; ++m) entries.emplace_back(res::monthName(m));
            break;
        case FilterKind::Period:
            for (std::string_view p : kPeriods) entries.emplace_back(p);
            if (list == L::NewPublishers || list == L::Reactivated)
                entries.emplace_back(res::kPeriodTwentyFourMonths);
            if (list == L::Inactive || list == L::Moved) entries.emplace_back(res::kPeriodOlder);
            if (list == L::Inactive) entries.emplace_back(res::kPeriodAll);
            break;
        case FilterKind::Bands:
            for (const Band& b : kBands) entries.emplace_back(b.text);
            break;
        case FilterKind::Privileges:
            for (PrivilegeEntry e : privilegeEntries(doc)) entries.emplace_back(privilegeText(e));
            break;
        case FilterKind::None:
            break;
    }
    return entries;
}

int defaultFilter(const CZelvoDoc& doc, StatusList list) {
    return list == L::NoReport ? doc.calendar.reportMonth : 0;
}

std::vector<PrivilegeEntry> privilegeEntries(const CZelvoDoc& doc) {
    std::vector<PrivilegeEntry> entries{
        PrivilegeEntry::Servants, PrivilegeEntry::Elders, PrivilegeEntry::RegularPioneers,
        PrivilegeEntry::ContinuousAuxiliary, PrivilegeEntry::SpecialPioneers};
    // Only active publishers count: the list itself shows no one else.
    for (PrivilegeEntry e : {PrivilegeEntry::FullTimeServants, PrivilegeEntry::FieldMissionaries}) {
        const auto& active = doc.kindLists[kPublisher];
        if (std::any_of(active.begin(), active.end(), [&](const IndexEntry& i) {
                return i.recordIndex < doc.recordCount() &&
                       holds(doc, doc.publishers[i.recordIndex], e);
            }))
            entries.push_back(e);
    }
    return entries;
}

std::vector<std::string> groupEntries(const CZelvoDoc& doc) {
    std::vector<std::string> entries{std::string(res::kCongregation)};
    for (int g = 1; g <= groupsInUse(doc.groups); ++g)
        entries.push_back(groupCaption(doc.groups, g));
    return entries;
}

std::vector<int> tabStops(StatusList list) {
    switch (list) {
        case L::NoReport:
        case L::CollectionForm:
            return {110, 170};
        case L::Irregular:
            return {100, 120, 140, 160, 180, 200};
        case L::Inactive:
            return {100, 150};
        case L::Students:
            return {120};
        case L::Consent:
        case L::NoConsent:
            return {180, 210};
        default:
            return {100};
    }
}

std::vector<StatusRow> statusRows(const CZelvoDoc& doc, const StatusQuery& query,
                                  const Date& today) {
    const RowRule rule(doc, query, today);
    const bool byGroup = hasGroupList(query.list) && query.group > 0;
    const int kind = query.list == L::Inactive   ? kInactive
                     : query.list == L::Moved    ? kMoved
                     : query.list == L::Students ? kNonPublisher
                                                 : kPublisher;
    std::vector<StatusRow> rows;
    for (const IndexEntry& e : sourceList(doc, query.list)) {
        const int row = e.recordIndex;
        if (row <= 0 || row >= doc.recordCount()) continue;
        const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
        if (r.kind() != kind || (byGroup && r.groupNumber() != query.group)) continue;
        if (auto text = rule(row, r)) rows.push_back({row, std::move(*text)});
    }
    return rows;
}

std::string telephonesColumn(const CZelvoDoc& doc, int row) {
    const std::string home = trimmedText(cp1253::toUtf8(doc.phoneHome(row)));
    const std::string mobile = trimmedText(cp1253::toUtf8(doc.phoneMobile(row)));
    if (mobile.empty()) return home;
    return home.empty() ? mobile : home + "\t" + mobile;
}

std::string dateShown(const std::string& stored) {
    const bool whole = stored.size() >= kDateLength &&
                       std::all_of(stored.begin(), stored.begin() + kDateLength, isDigit);
    if (!whole) return trimmedText(stored);
    return stored.substr(2, 2) + "/" + stored.substr(0, 2) + "/" + stored.substr(4, 4);
}

}  // namespace zelvo::reporting
