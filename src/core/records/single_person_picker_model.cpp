#include "records/single_person_picker_model.h"

#include <algorithm>
#include <set>

#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

std::vector<PickEntry> householdCandidates(const CZelvoDoc& doc, int headId,
                                           const std::vector<int>& listed) {
    std::set<int> heads;  // ids that members point to
    for (std::size_t row = 1; row < doc.publishers.size(); ++row)
        if (const int key = doc.publishers[row].householdKey(); key != 0) heads.insert(key);

    std::vector<PickEntry> entries;
    for (const IndexEntry& e : doc.masterIndex) {
        // Moved and deleted people, and the circuit overseer, belong to no household here.
        if (e.kind != kPublisher && e.kind != kInactive && e.kind != kNonPublisher) continue;
        const PublisherRecord& r = doc.publishers[e.recordIndex];
        if (r.id() == headId || (headId != 0 && r.householdKey() == headId)) continue;
        if (std::find(listed.begin(), listed.end(), r.id()) != listed.end()) continue;
        std::string text = listEntryText(doc, e.recordIndex);
        if (heads.count(r.id()) != 0) text += res::kHeadWithMembersMark;
        if (r.householdKey() != 0) text += res::kInOtherHouseholdMark;
        entries.push_back({e.recordIndex, r.id(), std::move(text)});
    }
    return entries;
}

}  // namespace

SinglePersonPickerModel::SinglePersonPickerModel(const CZelvoDoc& doc, Mode mode, int headId,
                                                 const std::vector<int>& listed)
    : mode_(mode) {
    switch (mode) {
        case Mode::Inactive:
            list_.setEntries(kindEntries(doc, kInactive));
            break;
        case Mode::Students:
            list_.setEntries(kindEntries(doc, kNonPublisher));
            break;
        case Mode::Household:
            list_.setEntries(householdCandidates(doc, headId, listed));
            break;
    }
    list_.select(0);
}

std::string SinglePersonPickerModel::title() const {
    switch (mode_) {
        case Mode::Inactive:
            return std::string(res::kChooseInactiveTitle);
        case Mode::Students:
            return std::string(res::kChooseStudentTitle);
        case Mode::Household:
            break;
    }
    return std::string(res::kChooseMemberTitle);
}

std::string SinglePersonPickerModel::legend() const {
    return legendVisible() ? std::string(res::kHouseholdLegend) : std::string();
}

}  // namespace zelvo::records
