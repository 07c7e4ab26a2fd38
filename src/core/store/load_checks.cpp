#include "store/load_checks.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

// A damaged file can give the same problem for every person: name a few, count the rest.
constexpr int kNamedPerProblem = 10;
// Household keys below this mean no household.
constexpr std::uint16_t kFirstHouseholdKey = 10;

class PeopleReport {
public:
    PeopleReport(CZelvoDoc& doc, std::string_view pattern) : doc_(doc), pattern_(pattern) {}
    ~PeopleReport() {
        if (count_ > kNamedPerProblem)
            doc_.problems.push_back(
                res::format(res::kProblemMorePeople, std::to_string(count_ - kNamedPerProblem)));
    }
    PeopleReport(const PeopleReport&) = delete;
    PeopleReport& operator=(const PeopleReport&) = delete;

    void add(const PublisherRecord& r, const std::string& detail) {
        if (++count_ <= kNamedPerProblem)
            doc_.problems.push_back(res::format(pattern_, cp1253::toUtf8(doc_.nameOf(r)), detail));
    }

private:
    CZelvoDoc& doc_;
    std::string_view pattern_;
    int count_ = 0;
};

bool knownKind(int kind) {
    return kind >= kPublisher && kind <= kCircuitOverseer;
}

// Whole hours out of quarter units above 3, so that every later sum sees at most 3 units.
bool carryQuarterHours(PublisherRecord& r, int m, int s) {
    const int quarters = r.quarters(m, s);
    if (quarters <= 3) return false;
    const long hours = std::min<long>(long{r.hours(m, s)} + quarters / 4, 0xFFFF);
    r.setMonthWord(MonthWord::Hours, m, s, static_cast<std::uint16_t>(hours));
    const auto low = static_cast<std::uint16_t>(r.studiesAndFlags(m, s) & ~(0xF << kQuarterShift));
    r.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                   static_cast<std::uint16_t>(low | ((quarters % 4) << kQuarterShift)));
    return true;
}

}  // namespace

void checkPublisherRows(CZelvoDoc& doc, bool groupsKnown) {
    const int groupCount = doc.groups.groupCount();
    {
        PeopleReport kinds(doc, res::kProblemUnknownKind);
        for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
            PublisherRecord& r = doc.publishers[row];
            if (knownKind(r.kind())) continue;
            kinds.add(r, std::to_string(int{r.kind()}));
            r.setKind(kInactive);
            doc.markModified();
        }
    }
    {
        PeopleReport units(doc, res::kProblemQuarterUnits);
        for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
            PublisherRecord& r = doc.publishers[row];
            int months = 0;
            for (int m = 0; m < 12; ++m)
                for (int s = 0; s < 3; ++s) months += carryQuarterHours(r, m, s) ? 1 : 0;
            if (months == 0) continue;
            units.add(r, std::to_string(months));
            doc.markModified();
        }
    }
    {
        // A link to a head nobody is: the next new person given that id would become the head
        // of these members.
        std::unordered_set<std::uint16_t> ids;
        for (std::size_t row = 1; row < doc.publishers.size(); ++row)
            ids.insert(doc.publishers[row].id());
        PeopleReport links(doc, res::kProblemMissingHead);
        for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
            PublisherRecord& r = doc.publishers[row];
            const std::uint16_t head = r.householdKey();
            if (head < kFirstHouseholdKey || ids.contains(head)) continue;
            links.add(r, std::to_string(head));
            r.setWord(PublisherRecord::kHouseholdKey, 0);
            doc.markModified();
        }
    }
    if (!groupsKnown) return;
    PeopleReport groups(doc, res::kProblemMissingGroup);
    for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
        const PublisherRecord& r = doc.publishers[row];
        if (r.groupNumber() > groupCount) groups.add(r, std::to_string(int{r.groupNumber()}));
    }
}

void checkAppointments(CZelvoDoc& doc) {
    // Records of people no longer in the table are normal (a deletion may leave them); a kind
    // that does not exist is not.
    const auto bad = std::count_if(doc.appointments.begin(), doc.appointments.end(),
                                   [](const AppointmentRecord& a) {
                                       const int kind = a.appointmentKind();
                                       return kind > kSpecialStart && kind != kConsentKind;
                                   });
    if (bad > 0)
        doc.problems.push_back(
            res::format(res::kProblemBadRecords, files::kAppointments, std::to_string(bad)));
}

}  // namespace zelvo
