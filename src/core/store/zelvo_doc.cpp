#include "store/zelvo_doc.h"

#include <algorithm>
#include <cstdio>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/name_collation.h"
#include "store/user_prompts.h"

namespace zelvo {

CZelvoDoc::CZelvoDoc() {
    publishers.reserve(kMaxRows);
    remarks.reserve(kMaxRemarks);
    publishers.emplace_back();
    remarks.emplace_back();
    PublisherRecord& h = publishers[0];
    h.setText(PublisherRecord::kFirstName, " ");
    h.bytes[PublisherRecord::kScrambleMarker] = 'A';
}

// ---------------------------------------------------------------- report values

std::uint16_t CZelvoDoc::reportValue(int row, int month, ReportColumn column, int slot) const {
    if (row < 0 || row >= recordCount() || month < 0 || month > 11 || slot < 0 || slot > 2)
        return 0;
    const PublisherRecord& r = publishers[static_cast<std::size_t>(row)];
    switch (column) {
        case ReportColumn::Placements:
            return r.monthWord(MonthWord::Placements, month, slot);
        case ReportColumn::Videos:
            return r.monthWord(MonthWord::Videos, month, slot);
        case ReportColumn::Hours:
            return r.monthWord(MonthWord::Hours, month, slot);
        case ReportColumn::ReturnVisits:
            return r.monthWord(MonthWord::ReturnVisits, month, slot);
        case ReportColumn::Studies:
            return static_cast<std::uint16_t>(r.bibleStudies(month, slot));
    }
    return 0;
}

int CZelvoDoc::pioneerKindOf(int row, int month, int slot) const {
    if (row <= 0 || row >= recordCount() || month < 0 || month > 11 || slot < 0 || slot > 2)
        return 0;
    return publishers[static_cast<std::size_t>(row)].pioneerKind(month, slot);
}

bool CZelvoDoc::hasHours(int row, int month, int slot) const {
    if (row < 0 || row >= recordCount() || month < 0 || month > 11 || slot < 0 || slot > 2)
        return false;
    const PublisherRecord& r = publishers[static_cast<std::size_t>(row)];
    return (row != 0 && r.hours(month, slot) > 0) || r.quarters(month, slot) > 0;
}

bool CZelvoDoc::hasReport(int row, int month, int slot) const {
    if (hasHours(row, month, slot)) return true;
    if (row < 0 || row >= recordCount() || month < 0 || month > 11 || slot < 0 || slot > 2)
        return false;
    return publishers[static_cast<std::size_t>(row)].tookPart(month, slot);
}

long CZelvoDoc::sumOverMonths(int row, ReportColumn column, int count) const {
    if (column == ReportColumn::Hours) return hoursOverMonths(row, count).whole;
    long total = 0;
    MonthWalk walk = calendar.walkFromReportMonth();
    for (int i = 0; i < count; ++i, walk.back())
        total += reportValue(row, walk.current().month, column, walk.current().slot);
    return total;
}

CZelvoDoc::HoursSum CZelvoDoc::hoursOverMonths(int row, int count) const {
    HoursSum sum;
    if (row < 0 || row >= recordCount()) return sum;
    const PublisherRecord& r = publishers[static_cast<std::size_t>(row)];
    MonthWalk walk = calendar.walkFromReportMonth();
    long quarters = 0;
    for (int i = 0; i < count; ++i, walk.back()) {
        const auto [m, s] = walk.current();
        sum.whole += r.hours(m, s);
        quarters += r.quarters(m, s);
    }
    sum.whole += quarters / 4;
    sum.quarters = static_cast<int>(quarters % 4);
    return sum;
}

std::string CZelvoDoc::sumOverMonthsText(int row, ReportColumn column, int count) const {
    if (column != ReportColumn::Hours) return std::to_string(sumOverMonths(row, column, count));
    const HoursSum sum = hoursOverMonths(row, count);
    return std::to_string(sum.whole) + std::string(res::quarterSuffix(sum.quarters));
}

double CZelvoDoc::averageOverMonths(int row, ReportColumn column, int count) const {
    if (count <= 0) return 0.0;
    if (column != ReportColumn::Hours)
        return static_cast<double>(sumOverMonths(row, column, count)) / count;
    const HoursSum sum = hoursOverMonths(row, count);
    const long total = sum.whole + (sum.quarters == 3 ? 1 : 0);
    return static_cast<double>(total) / count;
}

long CZelvoDoc::pioneerHoursOverMonths(int row, int count) const {
    if (row <= 0 || row >= recordCount()) return 0;
    const PublisherRecord& r = publishers[static_cast<std::size_t>(row)];
    long total = 0;
    MonthWalk walk = calendar.walkFromReportMonth();
    for (int i = 0; i < count; ++i, walk.back()) {
        const auto [m, s] = walk.current();
        if (r.pioneerKind(m, s) != 0) total += r.hours(m, s);
    }
    return total;
}

std::string CZelvoDoc::pioneerHoursOverMonthsText(int row, int count) const {
    return std::to_string(pioneerHoursOverMonths(row, count));
}

// ---------------------------------------------------------------- people

std::optional<int> CZelvoDoc::rowOf(int value) const {
    if (value <= 0) return std::nullopt;
    const auto v = static_cast<std::uint32_t>(value);
    const std::vector<IndexEntry>* list = nullptr;
    if (v & kNonPublisherPosition)
        list = &kindLists[kNonPublisher];
    else if (v & kInactivePosition)
        list = &kindLists[kInactive];
    else if (v & kMovedPosition)
        list = &kindLists[kMoved];
    if (list != nullptr) {
        const std::size_t pos = v & kPositionMask;
        if (pos >= list->size()) return std::nullopt;
        return (*list)[pos].recordIndex;
    }
    if (value >= recordCount()) return std::nullopt;
    return value;
}

std::string CZelvoDoc::displayName(int rowOrPosition, bool lastNameFirst) const {
    const auto row = rowOf(rowOrPosition);
    if (!row) return {};
    return nameOf(publishers[static_cast<std::size_t>(*row)], lastNameFirst);
}

std::string CZelvoDoc::nameOf(const PublisherRecord& r, bool lastNameFirst) const {
    const bool lastFirst =
        (lastNameFirst || displayConfig.lastNameFirst()) && settings.languageOption == 0;
    if (!lastFirst) return r.firstName() + " " + r.lastName();
    if (languageWord == "hun") return r.lastName() + " " + r.firstName();
    return r.lastName() + ", " + r.firstName();
}

std::string CZelvoDoc::phoneHome(int v) const {
    const auto row = rowOf(v);
    return row ? publishers[static_cast<std::size_t>(*row)].phoneHome() : std::string();
}

std::string CZelvoDoc::phoneMobile(int v) const {
    const auto row = rowOf(v);
    return row ? publishers[static_cast<std::size_t>(*row)].phoneMobile() : std::string();
}

std::string CZelvoDoc::phoneWork(int v) const {
    const auto row = rowOf(v);
    return row ? publishers[static_cast<std::size_t>(*row)].phoneWork() : std::string();
}

std::string CZelvoDoc::bestPhone(int row) const {
    const std::string home = phoneHome(row);
    return home.empty() ? phoneMobile(row) : home;
}

std::optional<int> CZelvoDoc::findById(int id) const {
    if (id <= 9 || id >= static_cast<int>(rowOfId_.size())) return std::nullopt;
    const int row = rowOfId_[static_cast<std::size_t>(id)];
    if (row == 0) return std::nullopt;
    return row;
}

int CZelvoDoc::nextFreeId(int start) const {
    std::vector<bool> used(30000, false);
    for (std::size_t row = 1; row < publishers.size(); ++row) {
        const int id = publishers[row].id();
        if (id < 30000) used[static_cast<std::size_t>(id)] = true;
    }
    for (int id = std::max(start, 100); id < 30000; ++id)
        if (!used[static_cast<std::size_t>(id)]) return id;
    return 0;
}

std::string CZelvoDoc::householdName(int id) const {
    const auto row = findById(id);
    return row ? displayName(*row) : std::string();
}

std::optional<ContactExtra> CZelvoDoc::contactExtraOf(int row) const {
    if (row <= 0 || row >= recordCount()) return std::nullopt;
    const int n = publishers[static_cast<std::size_t>(row)].extraIndex();
    if (n == 0) return std::nullopt;
    return readContactExtra(n, row);
}

std::string CZelvoDoc::emailOf(int row) const {
    const auto extra = contactExtraOf(row);
    if (!extra || extra->presence() == 0) return {};
    return extra->email();
}

int CZelvoDoc::groupOf(int rowOrPosition, bool skipLeftOut) const {
    const auto row = rowOf(rowOrPosition);
    if (!row) return 0;
    const PublisherRecord& r = publishers[static_cast<std::size_t>(*row)];
    if (skipLeftOut && (r.privileges() & 0x80) != 0) return 0;
    return r.groupNumber();
}

bool CZelvoDoc::hasRemark(int row, int month, int slot) const {
    if (row < 0 || row >= recordCount() || month < 0 || month > 11 || slot < 0 || slot > 2)
        return false;
    const int index =
        publishers[static_cast<std::size_t>(row)].monthWord(MonthWord::RemarkIndex, month, slot);
    if (index < 1 || index >= remarkCount()) return false;
    return !remarks[static_cast<std::size_t>(index)].remarkText().empty();
}

// ---------------------------------------------------------------- indexes

int CZelvoDoc::countKind(int kind) {
    int n = 0;
    for (std::size_t row = 1; row < publishers.size(); ++row)
        if (publishers[row].kind() == kind) ++n;
    if (kind >= 0 && kind < 5) kindCounts[static_cast<std::size_t>(kind)] = n;
    return n;
}

void CZelvoDoc::countAllKinds() {
    kindCounts.fill(0);
    for (std::size_t row = 1; row < publishers.size(); ++row) {
        const int kind = publishers[row].kind();
        if (kind < 5) ++kindCounts[static_cast<std::size_t>(kind)];
    }
}

void CZelvoDoc::buildIndexes(UserPrompts* prompts) {
    masterIndex.clear();
    for (auto& list : kindLists) list.clear();
    circuitOverseerRow = 0;
    for (std::size_t row = 1; row < publishers.size(); ++row) {
        const PublisherRecord& r = publishers[row];
        masterIndex.push_back({r.id(), static_cast<std::uint16_t>(row), r.kind()});
        if (r.kind() == kCircuitOverseer) {
            if (circuitOverseerRow != 0 && prompts != nullptr)
                prompts->showMessage(res::format(
                    res::kDuplicateOverseer, cp1253::toUtf8(nameOf(publishers[circuitOverseerRow])),
                    cp1253::toUtf8(nameOf(r))));
            circuitOverseerRow = static_cast<std::uint16_t>(row);
        }
    }
    rebuildIdLookup();
    // Each kind list in master order, up to the kind's count.
    for (const IndexEntry& e : masterIndex) {
        if (e.kind >= 5) continue;
        auto& list = kindLists[e.kind];
        if (static_cast<int>(list.size()) < kindCounts[e.kind]) list.push_back(e);
    }
}

void CZelvoDoc::rebuildIdLookup() {
    rowOfId_.assign(65536, 0);
    for (const IndexEntry& e : masterIndex)
        if (rowOfId_[e.id] == 0) rowOfId_[e.id] = e.recordIndex;
}

void CZelvoDoc::renumberDuplicateIds() {
    std::vector<int> seen(65536, 0);
    for (IndexEntry& e : masterIndex) {
        // Ids up to 9 are never found, so such a row gets a number as a duplicate would.
        if (seen[e.id]++ == 0 && e.id > 9) continue;
        int fresh = nextFreeId(std::max<int>(e.id, 100));
        if (fresh == 0) fresh = nextFreeId(100);
        if (fresh == 0) continue;
        problems.push_back(res::format(e.id > 9 ? res::kProblemDuplicateId : res::kProblemInvalidId,
                                       std::to_string(e.id), std::to_string(fresh)));
        publishers[e.recordIndex].setId(static_cast<std::uint16_t>(fresh));
        e.id = static_cast<std::uint16_t>(fresh);
        ++seen[static_cast<std::size_t>(fresh)];
        markModified();
    }
    for (auto& list : kindLists)
        for (IndexEntry& e : list) e.id = publishers[e.recordIndex].id();
    rebuildIdLookup();
}

CZelvoDoc::SortKey CZelvoDoc::sortKey(const PublisherRecord& r) const {
    // The lists show last name first unless the language option says otherwise.
    return {r.kind() == kCircuitOverseer, collation::sortKey(trimmed(nameOf(r, true)))};
}

void CZelvoDoc::sortRows() {
    if (publishers.size() <= 2) return;
    struct Key {
        SortKey key;
        std::size_t row;
    };
    std::vector<Key> keys;
    keys.reserve(publishers.size() - 1);
    for (std::size_t row = 1; row < publishers.size(); ++row)
        keys.push_back({sortKey(publishers[row]), row});
    std::stable_sort(keys.begin(), keys.end(),
                     [](const Key& a, const Key& b) { return a.key < b.key; });
    std::vector<PublisherRecord> sorted;
    sorted.reserve(publishers.capacity());
    sorted.push_back(publishers[0]);
    for (const Key& k : keys) sorted.push_back(publishers[k.row]);
    publishers.swap(sorted);
}

bool CZelvoDoc::tableUnreadable() const {
    return unreadableFiles.contains(files::kPublishers) ||
           unreadableFiles.contains(files::kOldPublishers);
}

}  // namespace zelvo
