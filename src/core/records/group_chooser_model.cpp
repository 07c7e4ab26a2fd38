#include "records/group_chooser_model.h"

#include <cstdio>

#include "records/group_caption.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo {

PublisherGroupChooserModel::PublisherGroupChooserModel(const CZelvoDoc& doc, int current)
    : doc_(doc) {
    select(current);
}

std::vector<std::string> PublisherGroupChooserModel::entries() {
    std::vector<std::string> out;
    for (int n = 1; n <= ServiceGroupTable::kMaxGroups; ++n) {
        char two[4];
        std::snprintf(two, sizeof two, "%02d", n);
        out.emplace_back(two);
    }
    return out;
}

void PublisherGroupChooserModel::select(int group) {
    selected_ = group >= 1 && group <= ServiceGroupTable::kMaxGroups ? group : 0;
}

std::string PublisherGroupChooserModel::caption() const {
    if (selected_ == 0) return std::string(res::kGroupMembers);
    return groupCaption(doc_.groups, selected_);
}

std::vector<std::string> PublisherGroupChooserModel::members() const {
    std::vector<std::string> out;
    if (selected_ == 0) return out;
    for (const IndexEntry& e : doc_.kindLists[kPublisher]) {
        if (e.recordIndex == 0 || e.recordIndex >= doc_.recordCount()) continue;
        if (doc_.publishers[e.recordIndex].groupNumber() == selected_)
            out.push_back(cp1253::toUtf8(doc_.displayName(e.recordIndex)));
    }
    return out;
}

std::string PublisherGroupChooserModel::overseerLine() const {
    if (selected_ == 0) return {};
    const std::string name(trimmed(doc_.groups.text(ServiceGroupTable::overseerField(selected_))));
    if (name.empty()) return {};
    return res::format(res::kOverseerLine, cp1253::toUtf8(name));
}

std::string PublisherGroupChooserModel::place() const {
    if (selected_ == 0) return {};
    return cp1253::toUtf8(doc_.groups.text(ServiceGroupTable::placeField(selected_)));
}

TaskGroupChooserModel::TaskGroupChooserModel(const CZelvoDoc& doc, int preset)
    : doc_(doc), count_(groupsInUse(doc.groups)) {
    selected_ = count_ > 0 ? 1 : 0;
    select(preset);
}

std::vector<std::string> TaskGroupChooserModel::entries() const {
    std::vector<std::string> out;
    for (int n = 1; n <= count_; ++n) out.push_back(groupCaption(doc_.groups, n));
    return out;
}

void TaskGroupChooserModel::select(int group) {
    if (group >= 1 && group <= count_) selected_ = group;
}

std::string TaskGroupChooserModel::printAllCaption() const {
    return std::string(res::kPrint) +
           res::format(res::kPrintAllGroupsFormat, std::to_string(count_));
}

std::string TaskGroupChooserModel::printOneCaption() const {
    return std::string(res::kPrint) +
           res::format(res::kPrintOneGroupFormat, res::kNumberSign, std::to_string(selected_));
}

TaskGroupChoice TaskGroupChooserModel::choose() const {
    if (!canChoose()) return {};
    return {TaskGroupChoice::Action::Chosen, selected_};
}

TaskGroupChoice TaskGroupChooserModel::printAll() const {
    if (!canChoose()) return {};
    return {TaskGroupChoice::Action::PrintAll, 0};
}

TaskGroupChoice TaskGroupChooserModel::printOne() const {
    if (!canChoose()) return {};
    return {TaskGroupChoice::Action::PrintOne, selected_};
}

}  // namespace zelvo
