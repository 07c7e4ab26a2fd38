#include "records/pick_list.h"

#include <algorithm>

#include "resources/strings.h"
#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

std::string kindSuffix(int kind) {
    return res::format(res::kKindSuffix,
                       kind == kInactive ? res::kInactiveMark : res::kStudentMark);
}

}  // namespace

std::string listEntryText(const CZelvoDoc& doc, int row) {
    std::string text = cp1253::toUtf8(doc.displayName(row, true));
    const int kind = doc.publishers[static_cast<std::size_t>(row)].kind();
    if (kind == kInactive || kind == kNonPublisher) text += kindSuffix(kind);
    return text;
}

std::vector<PickEntry> kindEntries(const CZelvoDoc& doc, int kind) {
    std::vector<PickEntry> entries;
    if (kind < 0 || kind >= static_cast<int>(doc.kindLists.size())) return entries;
    for (const IndexEntry& e : doc.kindLists[static_cast<std::size_t>(kind)])
        entries.push_back({e.recordIndex, e.id, listEntryText(doc, e.recordIndex)});
    return entries;
}

int wrapNext(int index, int count) {
    if (count <= 0) return -1;
    return index < 0 || index + 1 >= count ? 0 : index + 1;
}

int wrapPrevious(int index, int count) {
    if (count <= 0) return -1;
    return index <= 0 || index > count ? count - 1 : index - 1;
}

void PickList::setEntries(std::vector<PickEntry> entries) {
    const int id = selectedId();
    const int at = selected_;
    entries_ = std::move(entries);
    if (id != 0 && selectId(id)) return;
    if (entries_.empty())
        selected_ = -1;
    else
        selected_ = std::clamp(at, 0, size() - 1);
}

std::vector<int> PickList::ids() const {
    std::vector<int> out;
    out.reserve(entries_.size());
    for (const PickEntry& e : entries_) out.push_back(e.id);
    return out;
}

void PickList::select(int index) {
    selected_ = index >= 0 && index < size() ? index : -1;
}

bool PickList::selectId(int id) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [id](const PickEntry& e) { return e.id == id; });
    if (it == entries_.end()) return false;
    selected_ = static_cast<int>(it - entries_.begin());
    return true;
}

int PickList::selectedId() const {
    return selected_ >= 0 && selected_ < size() ? entries_[static_cast<std::size_t>(selected_)].id
                                                : 0;
}

int PickList::selectedRow() const {
    return selected_ >= 0 && selected_ < size() ? entries_[static_cast<std::size_t>(selected_)].row
                                                : 0;
}

int PickList::typeAhead(std::string_view lettersUtf8, long long nowMs) {
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (const PickEntry& e : entries_) texts.push_back(e.text);
    const int found = typed_.find(texts, selected_, lettersUtf8, nowMs);
    if (found >= 0) selected_ = found;
    return selected_;
}

}  // namespace zelvo::records
