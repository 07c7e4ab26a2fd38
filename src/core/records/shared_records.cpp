#include "records/shared_records.h"

#include <map>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

// A need of this many characters or fewer counts as none.
constexpr std::size_t kNoNeedLength = 3;

int keyOf(const PublisherRecord& r, SharedFile file) {
    return file == SharedFile::Emergency ? r.emergencyKey() : r.specialNeedsKey();
}

const std::vector<KeySlot>& keyList(const CZelvoDoc& doc, SharedFile file) {
    return file == SharedFile::Emergency ? doc.emergencyKeys : doc.specialNeedsKeys;
}

// The records reachable by key, by their position in the file.
std::map<int, int> keysBySlot(const CZelvoDoc& doc, SharedFile file) {
    std::map<int, int> out;
    for (const KeySlot& k : keyList(doc, file))
        if (k.key != 0 && out.count(k.slot) == 0) out[k.slot] = k.key;
    return out;
}

}  // namespace

int personsUsingKey(const CZelvoDoc& doc, SharedFile file, int key) {
    if (key == 0) return 0;
    int n = 0;
    for (std::size_t row = 1; row < doc.publishers.size(); ++row)
        if (keyOf(doc.publishers[row], file) == key) ++n;
    return n;
}

bool isShared(const CZelvoDoc& doc, SharedFile file, int key, int editedRow) {
    const int users = personsUsingKey(doc, file, key);
    if (users > 1) return true;
    if (users == 0) return false;
    const bool editedUsesIt =
        editedRow > 0 && editedRow < doc.recordCount() &&
        keyOf(doc.publishers[static_cast<std::size_t>(editedRow)], file) == key;
    return !editedUsesIt;
}

SharedRecordChoice emergencyChoice(const CZelvoDoc& doc, const PublisherRecord& person) {
    SharedRecordChoice choice;
    choice.title = std::string(res::kEmergencyChooserTitle);
    int headKey = 0;
    if (person.householdKey() != 0) {
        if (const auto head = doc.findById(person.householdKey()))
            headKey = doc.publishers[static_cast<std::size_t>(*head)].emergencyKey();
    }
    for (const auto& [slot, key] : keysBySlot(doc, SharedFile::Emergency)) {
        if (static_cast<std::size_t>(slot) >= doc.emergencyRecords.size()) continue;
        const std::string name(trimmed(
            doc.emergencyRecords[static_cast<std::size_t>(slot)].text(EmergencyContact::kName)));
        if (name.empty()) continue;
        if (key == headKey && choice.preselected < 0)
            choice.preselected = static_cast<int>(choice.entries.size());
        choice.entries.push_back({key, cp1253::toUtf8(name)});
    }
    return choice;
}

SharedRecordChoice specialNeedChoice(const CZelvoDoc& doc) {
    SharedRecordChoice choice;
    choice.title = std::string(res::kSharedNeedsTitle);
    for (const auto& [slot, key] : keysBySlot(doc, SharedFile::SpecialNeeds)) {
        if (static_cast<std::size_t>(slot) >= doc.specialNeedRecords.size()) continue;
        const std::string text = doc.specialNeedRecords[static_cast<std::size_t>(slot)].needText();
        if (text.size() <= kNoNeedLength) continue;
        choice.entries.push_back({key, cp1253::toUtf8(text)});
    }
    return choice;
}

void reportRecordNotWritten(const CZelvoDoc& doc, SharedFile file, UserPrompts& prompts) {
    const bool emergency = file == SharedFile::Emergency;
    const std::string_view name = emergency ? files::kEmergency : files::kSpecialNeeds;
    const std::size_t capacity = emergency ? CZelvoDoc::kMaxEmergency : CZelvoDoc::kMaxKeyList;
    const auto& keys = keyList(doc, file);
    bool freeSlot = false;
    for (const KeySlot& k : keys)
        if (k.key == 0) freeSlot = true;
    const std::size_t records =
        emergency ? doc.emergencyRecords.size() : doc.specialNeedRecords.size();
    const std::string path = doc.dataFolder + "/" + std::string(name);
    if (!freeSlot && (records >= capacity || keys.size() >= capacity))
        prompts.showMessage(res::format(res::kRecordFileFull, path, std::to_string(capacity)));
    else
        prompts.showMessage(res::format(res::kRecordNotWritten, path));
}

}  // namespace zelvo
