#include "records/group_editor_model.h"

#include <algorithm>

#include "records/group_caption.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

using Groups = ServiceGroupTable;

bool validGroup(int n) {
    return n >= 1 && n <= Groups::kMaxGroups;
}

std::string cut(std::string_view utf8, int length) {
    std::string text = cp1253::fromUtf8(utf8);
    if (text.size() > static_cast<std::size_t>(length))
        text.resize(static_cast<std::size_t>(length));
    return text;
}

// What the editor can change: the group table and the group number of every row.
std::vector<unsigned char> groupState(const CZelvoDoc& doc) {
    std::vector<unsigned char> state(doc.groups.bytes.begin(), doc.groups.bytes.end());
    for (const PublisherRecord& r : doc.publishers) state.push_back(r.groupNumber());
    return state;
}

std::string fullName(const PublisherRecord& r) {
    return r.firstName() + " " + r.lastName();
}

}  // namespace

bool notInPublisherFile(const CZelvoDoc& doc, const std::string& nameCp1253) {
    if (trimmed(nameCp1253).empty()) return false;
    return std::none_of(
        doc.kindLists[kPublisher].begin(), doc.kindLists[kPublisher].end(),
        [&](const IndexEntry& e) { return fullName(doc.publishers[e.recordIndex]) == nameCp1253; });
}

std::string editorGroupCaption(const CZelvoDoc& doc, int group) {
    if (groupHasOwnName(doc.groups, group)) return groupCaption(doc.groups, group);
    return std::string(res::kGroupWord) + " " + std::to_string(group);
}

int recountedGroups(const CZelvoDoc& doc) {
    int count = 0;
    while (count < Groups::kMaxGroups &&
           !trimmed(doc.groups.text(Groups::overseerField(count + 1))).empty())
        ++count;
    return count;
}

GroupEditorModel::GroupEditorModel(CZelvoDoc& doc) : doc_(doc), atOpen_(groupState(doc)) {}

std::string GroupEditorModel::title() const {
    return std::string(res::kGroupEditorTitle);
}

std::vector<GroupEditorRow> GroupEditorModel::rows() const {
    std::vector<GroupEditorRow> out;
    const int inUse = groupsInUse(doc_.groups);
    for (int n = 1; n <= Groups::kMaxGroups; ++n) {
        GroupEditorRow row;
        row.group = n;
        row.text = std::string(res::kNumberSign) + std::to_string(n) + " ";
        if (n <= inUse) {
            const auto& g = doc_.groups;
            const std::string overseer = g.text(Groups::overseerField(n));
            const std::string assistant = g.text(Groups::assistantField(n));
            row.overseerMarked = notInPublisherFile(doc_, overseer);
            row.assistantMarked = notInPublisherFile(doc_, assistant);
            const int day = g.meetingDay(n);
            row.text += "\t" + std::string(row.overseerMarked ? "*" : "") +
                        cp1253::toUtf8(overseer) + " \t" + (row.assistantMarked ? "*" : "") +
                        cp1253::toUtf8(assistant) + " \t" +
                        cp1253::toUtf8(g.text(Groups::placeField(n))) + " \t" +
                        std::string(day < 7 ? res::kDayNames[day] : "") + " \t" +
                        cp1253::toUtf8(g.text(Groups::timeField(n)));
        }
        out.push_back(std::move(row));
    }
    return out;
}

bool GroupEditorModel::noteVisible() const {
    const auto all = rows();
    return std::any_of(all.begin(), all.end(), [](const GroupEditorRow& r) {
        return r.overseerMarked || r.assistantMarked;
    });
}

std::string GroupEditorModel::note() const {
    return std::string(res::kNotInPublisherFile);
}

void GroupEditorModel::select(int group) {
    if (!validGroup(group)) return;
    // Groups are filled in order: past the first free group there is nothing to edit yet.
    const int firstFree = groupsInUse(doc_.groups) + 1;
    selected_ = std::min(group, std::min(firstFree, Groups::kMaxGroups));
}

std::string GroupEditorModel::editCaption() const {
    return res::format(res::kEditGroupFormat, editorGroupCaption(doc_, selected_));
}

std::string GroupEditorModel::assignCaption() const {
    return std::string(res::kAssignedPublishers);
}

bool GroupEditorModel::assignEnabled() const {
    return !doc_.kindLists[kPublisher].empty();
}

std::string GroupEditorModel::doneCaption() const {
    return std::string(res::kDoneAction);
}

bool GroupEditorModel::done() {
    const int count = recountedGroups(doc_);
    if (count != doc_.groups.groupCount()) {
        doc_.groups.setGroupCount(static_cast<std::uint8_t>(count));
        doc_.markModified();
    }
    return groupState(doc_) != atOpen_;
}

GroupDetailsModel::GroupDetailsModel(CZelvoDoc& doc, int group)
    : doc_(doc), group_(std::clamp(group, 1, Groups::kMaxGroups)) {
    const auto& g = doc.groups;
    overseer = cp1253::toUtf8(g.text(Groups::overseerField(group_)));
    assistant = cp1253::toUtf8(g.text(Groups::assistantField(group_)));
    place = cp1253::toUtf8(g.text(Groups::placeField(group_)));
    time = cp1253::toUtf8(g.text(Groups::timeField(group_)));
    day = g.meetingDay(group_) < 7 ? g.meetingDay(group_) : 0;
    useLabel = g.useLabel(group_) != 0;
    labelName = cp1253::toUtf8(g.text(Groups::labelNameField(group_)));
}

std::string GroupDetailsModel::title() const {
    return editorGroupCaption(doc_, group_);
}

std::vector<std::string> GroupDetailsModel::dayNames() {
    return {std::begin(res::kDayNames), std::end(res::kDayNames)};
}

std::string GroupDetailsModel::nameOfRow(int row) const {
    if (row < 1 || row >= doc_.recordCount()) return {};
    return cp1253::toUtf8(fullName(doc_.publishers[static_cast<std::size_t>(row)]));
}

void GroupDetailsModel::chooseOverseer(int row) {
    if (const std::string name = nameOfRow(row); !name.empty()) overseer = name;
}

void GroupDetailsModel::chooseAssistant(int row) {
    if (const std::string name = nameOfRow(row); !name.empty()) assistant = name;
}

bool GroupDetailsModel::store() {
    const Groups before = doc_.groups;
    Groups& g = doc_.groups;
    const std::string overseerText = cut(overseer, kGroupNameLength);
    g.setText(Groups::overseerField(group_), overseerText);
    g.setText(Groups::assistantField(group_), cut(assistant, kGroupNameLength));
    g.setText(Groups::placeField(group_), cut(place, kGroupPlaceLength));
    g.setText(Groups::timeField(group_), cut(time, kGroupTimeLength));
    g.setMeetingDay(group_, static_cast<std::uint8_t>(std::clamp(day, 0, 6)));
    const std::string label(trimmed(cp1253::fromUtf8(labelName)));
    g.setLabelName(group_, label);
    // The tick means nothing without a label to show.
    g.setUseLabel(group_, useLabel && !label.empty() ? 1 : 0);
    if (group_ > g.groupCount() && !overseerText.empty())
        g.setGroupCount(static_cast<std::uint8_t>(group_));
    if (g == before) return false;
    doc_.markModified();
    return true;
}

}  // namespace zelvo::records
