#include "records/household_model.h"

#include <algorithm>

#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

constexpr std::uint8_t kHeadOfFamily = privilege::kHeadOfFamily;

}  // namespace

HouseholdModel::HouseholdModel(const CZelvoDoc& doc, const PublisherRecord& working, int editedRow,
                               NewMembers* newMembers)
    : editedRow_(editedRow) {
    openedForHead_ = (working.privileges() & kHeadOfFamily) != 0;
    if (openedForHead_ && editedRow == 0) newMembers_ = newMembers;
    if (openedForHead_) {
        // The head's names as typed in the details, which may not have reached the table yet.
        headId_ = working.id();
        head_ = {editedRow, headId_, cp1253::toUtf8(doc.nameOf(working, true))};
        title_ = cp1253::toUtf8(doc.nameOf(working));
    } else {
        headId_ = working.householdKey();
        const auto row = doc.findById(headId_);
        head_ = {row.value_or(0), headId_, row ? listEntryText(doc, *row) : std::string()};
        title_ = cp1253::toUtf8(doc.householdName(headId_));
    }
    reload(doc);
    members_.select(0);
}

void HouseholdModel::reload(const CZelvoDoc& doc) {
    std::vector<PickEntry> entries{head_};
    for (const IndexEntry& e : doc.masterIndex) {
        if (headId_ == 0 || e.id == headId_) continue;
        if (doc.publishers[e.recordIndex].householdKey() == headId_ || isNewMember(e.id))
            entries.push_back({e.recordIndex, e.id, listEntryText(doc, e.recordIndex)});
    }
    members_.setEntries(std::move(entries));
}

bool HouseholdModel::isNewMember(int id) const {
    return newMembers_ != nullptr &&
           std::find(newMembers_->begin(), newMembers_->end(), id) != newMembers_->end();
}

void HouseholdModel::addMember(CZelvoDoc& doc, int row) {
    if (!addVisible() || row <= 0 || row >= doc.recordCount() || headId_ == 0) return;
    PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    if (r.id() == headId_) return;
    if (newMembers_ != nullptr) {
        if (!isNewMember(r.id())) newMembers_->push_back(r.id());
    } else {
        r.setWord(PublisherRecord::kHouseholdKey, static_cast<std::uint16_t>(headId_));
        doc.markModified();
        changedTable_ = true;
    }
    reload(doc);
    members_.selectId(r.id());
}

HouseholdModel::Removal HouseholdModel::removeSelected(CZelvoDoc& doc, PublisherRecord& working) {
    if (!removeEnabled()) return Removal::Nothing;
    const int row = members_.selectedRow();
    if (row <= 0 || row >= doc.recordCount()) return Removal::Nothing;
    // A member chosen for a head not stored yet was never linked: their own link stays.
    if (const int id = members_.selectedId(); isNewMember(id)) {
        std::erase(*newMembers_, id);
        reload(doc);
        return Removal::Removed;
    }
    doc.publishers[static_cast<std::size_t>(row)].setWord(PublisherRecord::kHouseholdKey, 0);
    doc.markModified();
    changedTable_ = true;
    if (row == editedRow_) {
        working.setWord(PublisherRecord::kHouseholdKey, 0);
        return Removal::LeftHousehold;
    }
    reload(doc);
    return Removal::Removed;
}

}  // namespace zelvo::records
