#include "records/group_assignment_model.h"

#include <algorithm>
#include <cstdio>

#include "records/group_caption.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

constexpr int kMaxGroups = ServiceGroupTable::kMaxGroups;

bool assignable(const PublisherRecord& r) {
    return r.kind() == kPublisher || r.kind() == kInactive;
}

std::vector<std::string> numbers(std::string_view first) {
    std::vector<std::string> out;
    if (!first.empty()) out.emplace_back(first);
    for (int n = 1; n <= kMaxGroups; ++n) {
        char text[4];
        std::snprintf(text, sizeof text, "%2d", n);
        out.emplace_back(text);
    }
    return out;
}

}  // namespace

std::optional<std::string> cannotAssign(const CZelvoDoc& doc, int row, int group) {
    if (row < 1 || row >= doc.recordCount()) return std::string(res::kNoSuchPerson);
    if (!assignable(doc.publishers[static_cast<std::size_t>(row)]))
        return std::string(res::kOnlyPublishersInGroups);
    if (group < 0 || group > groupsInUse(doc.groups))
        return res::format(res::kNoSuchGroup, std::to_string(group));
    return std::nullopt;
}

bool assignToGroup(CZelvoDoc& doc, int row, int group) {
    if (row < 1 || row >= doc.recordCount() || group < 0 || group > kMaxGroups) return false;
    PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    if (!assignable(r) || r.groupNumber() == group) return false;
    r.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
    doc.markModified();
    return true;
}

int listedGroup(const CZelvoDoc& doc, int row) {
    const int group = doc.publishers[static_cast<std::size_t>(row)].groupNumber();
    return group <= kMaxGroups ? group : 0;
}

GroupAssignmentModel::GroupAssignmentModel(CZelvoDoc& doc, int group) : doc_(doc) {
    group_ = group >= 1 && group <= kMaxGroups ? group : 1;
    refresh();
}

std::vector<std::string> GroupAssignmentModel::groupEntries() {
    return numbers({});
}

void GroupAssignmentModel::selectGroup(int group) {
    if (group < 1 || group > kMaxGroups) return;
    group_ = group;
    refresh();
}

std::string GroupAssignmentModel::title() const {
    return res::format(res::kAssignmentTitle, std::to_string(group_));
}

std::string GroupAssignmentModel::includeInactiveCaption() const {
    return std::string(res::kIncludeInactive);
}

void GroupAssignmentModel::setIncludeInactive(bool on) {
    includeInactive_ = on;
    refresh();
}

std::string GroupAssignmentModel::memberCountLine() const {
    return res::format(res::kMemberCountFormat, std::to_string(members_.size()));
}

std::string GroupAssignmentModel::inactiveCountLine() const {
    if (!includeInactive_ || inactiveMembers_ == 0) return {};
    return res::format(res::kInactiveMemberCountFormat, std::to_string(inactiveMembers_));
}

std::vector<std::string> GroupAssignmentModel::filterEntries() {
    return numbers(res::kAllGroupsFilter);
}

void GroupAssignmentModel::setFilter(int group) {
    if (group < 0 || group > kMaxGroups) return;
    filter_ = group;
    refresh();
}

std::string GroupAssignmentModel::unassignedCaption() const {
    return res::format(res::kUnassignedFormat, std::to_string(unassigned_));
}

bool GroupAssignmentModel::unassignedVisible() const {
    return unassigned_ > 0;
}

void GroupAssignmentModel::setUnassignedOnly(bool on) {
    unassignedOnly_ = on;
    refresh();
}

void GroupAssignmentModel::selectCandidate(int index) {
    selected_ = index >= 0 && index < static_cast<int>(candidates_.size()) ? index : -1;
}

std::string GroupAssignmentModel::selectedName() const {
    if (selected_ < 0) return {};
    return cp1253::toUtf8(doc_.displayName(candidates_[static_cast<std::size_t>(selected_)].row));
}

std::string GroupAssignmentModel::selectedTarget() const {
    if (selected_ < 0) return {};
    return res::format(res::kToGroupFormat, std::to_string(group_));
}

std::string GroupAssignmentModel::assignCaption() const {
    return std::string(res::kAssignButton);
}

bool GroupAssignmentModel::assign() {
    if (selected_ < 0) return false;
    const int index = selected_;
    const bool done = assignToGroup(doc_, candidates_[static_cast<std::size_t>(index)].row, group_);
    refresh();
    selectCandidate(std::min(index, static_cast<int>(candidates_.size()) - 1));
    return done;
}

bool GroupAssignmentModel::removeMember(int index) {
    if (index < 0 || index >= static_cast<int>(members_.size())) return false;
    const bool done = assignToGroup(doc_, members_[static_cast<std::size_t>(index)].row, 0);
    refresh();
    return done;
}

void GroupAssignmentModel::refresh() {
    members_.clear();
    candidates_.clear();
    inactiveMembers_ = 0;
    unassigned_ = 0;
    // The master index is in name order, so both lists are too.
    for (const IndexEntry& e : doc_.masterIndex) {
        const int row = e.recordIndex;
        if (row < 1 || row >= doc_.recordCount()) continue;
        const PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(row)];
        const bool inactive = r.kind() == kInactive;
        if (r.kind() != kPublisher && !(inactive && includeInactive_)) continue;
        const int group = listedGroup(doc_, row);
        std::string name = cp1253::toUtf8(doc_.displayName(row));
        if (group == 0) ++unassigned_;
        if (group == group_) {
            inactiveMembers_ += inactive ? 1 : 0;
            members_.push_back({row, name + (inactive ? " *" : "")});
            continue;
        }
        if (unassignedOnly() && group != 0) continue;
        if (filter_ != 0 && group != 0 && group != filter_) continue;
        if (group != 0) name += " (" + std::to_string(group) + ")";
        candidates_.push_back({row, name + (inactive ? " *" : "")});
    }
    selectCandidate(selected_);
}

}  // namespace zelvo::records
