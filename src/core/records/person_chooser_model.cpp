#include "records/person_chooser_model.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "records/group_caption.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/name_collation.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

// A list kind of the export and import modes (1-3) as the table's kind.
int kindOfList(int list) {
    return list == 2 ? kInactive : list == 3 ? kNonPublisher : kPublisher;
}

std::string_view listName(int list) {
    return list == 2   ? res::kChooserInactiveList
           : list == 3 ? res::kChooserStudentsList
                       : res::kChooserActiveList;
}

bool endsWithMark(const std::string& name) {
    return !name.empty() && name.back() == '*';
}

}  // namespace

PersonChooserModel::PersonChooserModel(const CZelvoDoc& doc, ChooserSetup setup)
    : doc_(doc), setup_(std::move(setup)) {
    if (exporting()) rightChoice_ = setup_.exportList - 1;
    fill();
}

bool PersonChooserModel::listedHead(int householdKey, int kind) const {
    const std::optional<int> row = doc_.findById(householdKey);
    if (!row) return false;
    const PublisherRecord& head = doc_.publishers[static_cast<std::size_t>(*row)];
    return head.kind() == kind && (head.privileges() & privilege::kHeadOfFamily) != 0;
}

void PersonChooserModel::fill() {
    entries_.clear();
    if (importing()) {
        for (const std::string& name : setup_.importNames) entries_.push_back({0, 0, name, false});
        return;
    }
    const int kind = exporting()             ? kindOfList(setup_.exportList)
                     : setup_.inactiveSource ? kInactive
                                             : kPublisher;
    std::vector<std::pair<std::string, ChooserEntry>> keyed;
    std::set<int> households;  // keys of the households given their entry
    for (const IndexEntry& e : doc_.kindLists[static_cast<std::size_t>(kind)]) {
        const PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(e.recordIndex)];
        // A household is listed once, under its head; people of no household by themselves.
        // A family whose head is not listed (inactive, moved) keeps its entry under its first
        // member, so its form can still be printed.
        if (setup_.householdMode && (r.privileges() & privilege::kHeadOfFamily) == 0 &&
            r.householdKey() > 9 &&
            (listedHead(r.householdKey(), kind) || !households.insert(r.householdKey()).second))
            continue;
        const std::string name = doc_.displayName(e.recordIndex);
        keyed.push_back({setup_.householdMode ? collation::sortKey(name) : std::string{},
                         {e.recordIndex, e.id, cp1253::toUtf8(name), false}});
    }
    if (setup_.householdMode)
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& k : keyed) entries_.push_back(std::move(k.second));
}

std::string PersonChooserModel::title() const {
    switch (setup_.purpose) {
        case ChooserPurpose::RecordCards:
            return std::string(res::kChooserCardsTitle);
        case ChooserPurpose::Labels:
            return std::string(res::kChooserLabelsTitle);
        case ChooserPurpose::EmergencyForms:
            return std::string(res::kChooserEmergencyTitle);
        case ChooserPurpose::XmlExport:
            return std::string(res::kChooserExportTitle);
        case ChooserPurpose::XmlImport:
            return std::string(res::kChooserImportTitle);
    }
    return {};
}

void PersonChooserModel::setSelected(int index, bool on) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return;
    entries_[static_cast<std::size_t>(index)].selected = on;
    counted_ = true;
}

int PersonChooserModel::groupCount() const {
    return groupsInUse(doc_.groups);
}

std::vector<std::string> PersonChooserModel::rightEntries() const {
    if (importing()) return {};
    if (exporting())
        return {std::string(res::kChooserActiveList), std::string(res::kChooserInactiveList),
                std::string(res::kChooserStudentsList)};
    std::vector<std::string> rows;
    for (int n = 1; n <= groupCount(); ++n) rows.push_back(groupCaption(doc_.groups, n));
    rows.emplace_back(setup_.householdMode ? res::kChooserBlankForm : res::kChooserPioneers);
    return rows;
}

void PersonChooserModel::chooseRight(int index) {
    if (importing() || index < 0 || index >= static_cast<int>(rightEntries().size())) return;
    if (exporting()) {
        rightChoice_ = index;
        setup_.exportList = index + 1;
        fill();
        return;
    }
    // The first group selected after the pioneers replaces them rather than adding to them.
    if (rightChoice_ == groupCount() && index < groupCount()) afterPioneers_ = true;
    rightChoice_ = index;
}

bool PersonChooserModel::blankFormChosen() const {
    return setup_.householdMode && rightChoice_ == groupCount();
}

bool PersonChooserModel::isPioneer(int row) const {
    const int kind = doc_.pioneerKindOf(row, doc_.calendar.reportMonth, doc_.calendar.reportSlot());
    return kind == 2 || kind == 3;
}

void PersonChooserModel::apply(bool on) {
    if (wholeListMode()) {
        for (ChooserEntry& e : entries_) e.selected = on;
        counted_ = true;
        return;
    }
    if (rightChoice_ < 0) return;
    if (rightChoice_ == groupCount()) {
        if (setup_.householdMode) return;  // the blank form selects nobody
        for (ChooserEntry& e : entries_)
            if (isPioneer(e.row)) e.selected = on;
        return;
    }
    if (on && afterPioneers_)
        for (ChooserEntry& e : entries_)
            if (isPioneer(e.row)) e.selected = false;
    if (on) afterPioneers_ = false;
    const int group = rightChoice_ + 1;
    for (ChooserEntry& e : entries_)
        if (doc_.publishers[static_cast<std::size_t>(e.row)].groupNumber() == group)
            e.selected = on;
}

std::string PersonChooserModel::selectCaption() const {
    return std::string(wholeListMode() ? res::kChooserSelectAll : res::kChooserSelect);
}

std::string PersonChooserModel::clearCaption() const {
    return std::string(wholeListMode() ? res::kChooserClearAll : res::kChooserClear);
}

std::string PersonChooserModel::caption() const {
    if (wholeListMode()) return counted_ ? std::to_string(selectedCount()) : std::string{};
    if (rightChoice_ >= 0 && rightChoice_ == groupCount())
        return std::string(setup_.householdMode ? res::kChooserBlankForm : res::kChooserPioneers);
    return std::string(res::kChooserWholeGroup);
}

std::string PersonChooserModel::overseerLine() const {
    if (importing()) return counted_ && tooMany() ? std::string(res::kChooserTooMany) : "";
    if (exporting() || rightChoice_ < 0 || rightChoice_ >= groupCount()) return {};
    const int n = rightChoice_ + 1;
    return res::format(res::kOverseerLine,
                       cp1253::toUtf8(doc_.groups.text(ServiceGroupTable::overseerField(n))));
}

std::string PersonChooserModel::totalsLine() const {
    if (!importing() || !counted_) return {};
    const int added = addedCount();
    return res::format(res::kChooserTotals, listName(setup_.importList),
                       std::to_string(setup_.existingCount), std::to_string(added)) +
           std::to_string(setup_.existingCount + added);
}

std::string PersonChooserModel::radioFrameCaption() const {
    const int d = counted_ ? duplicatesChosen() : 0;
    return d == 0 ? std::string{} : res::format(res::kChooserDuplicates, std::to_string(d));
}

bool PersonChooserModel::okVisible() const {
    if (!wholeListMode()) return true;
    return counted_ && !(importing() && tooMany());
}

int PersonChooserModel::selectedCount() const {
    return static_cast<int>(
        std::count_if(entries_.begin(), entries_.end(), [](const auto& e) { return e.selected; }));
}

int PersonChooserModel::duplicatesChosen() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [](const auto& e) {
        return e.selected && endsWithMark(e.text);
    }));
}

int PersonChooserModel::addedCount() const {
    return updateExisting_ ? selectedCount() - duplicatesChosen() : selectedCount();
}

bool PersonChooserModel::tooMany() const {
    const int limit = setup_.importList == 3 ? 99 : 299;
    return setup_.existingCount + addedCount() > limit;
}

std::vector<int> PersonChooserModel::chosen() const {
    std::vector<int> out;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].selected) out.push_back(importing() ? static_cast<int>(i) : entries_[i].id);
    return out;
}

}  // namespace zelvo::records
