// Emergency contacts, special needs and contact extras: records written to their files at once.
#include <algorithm>
#include <set>

#include "store/data_files.h"
#include "store/folder_access.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

template <typename Record>
Bytes fileBytes(const std::vector<Record>& records) {
    Bytes out;
    out.reserve(records.size() * Record::kSize);
    for (const Record& r : records) out.insert(out.end(), r.bytes.begin(), r.bytes.end());
    return out;
}

std::optional<std::size_t> slotOfKey(const std::vector<KeySlot>& keys, int key) {
    if (key == 0) return std::nullopt;
    for (const KeySlot& k : keys)
        if (k.key == key) return k.slot;
    return std::nullopt;
}

// The first key from 10 up that is neither in the key list nor used by a person.
template <typename KeyOfRow>
int freeKey(const std::vector<KeySlot>& keys, const std::vector<PublisherRecord>& rows,
            KeyOfRow keyOf) {
    std::set<int> used;
    for (const KeySlot& k : keys) used.insert(k.key);
    for (std::size_t row = 1; row < rows.size(); ++row) used.insert(keyOf(rows[row]));
    int key = 10;
    while (used.count(key) != 0) ++key;
    return key;
}

// Writes `record` under a new key: over the first key-list entry whose key is 0, else appended.
template <typename Record>
std::optional<int> addRecord(CZelvoDoc& doc, std::vector<KeySlot>& keys,
                             std::vector<Record>& records, Record record, std::size_t capacity,
                             std::string_view fileName, int key) {
    record.setKey(static_cast<std::uint16_t>(key));
    auto free = std::find_if(keys.begin(), keys.end(), [](const KeySlot& k) { return k.key == 0; });
    std::vector<Record> updated = records;
    KeySlot entry{static_cast<std::uint16_t>(key), 0};
    if (free != keys.end() && free->slot < updated.size()) {
        entry.slot = free->slot;
        updated[free->slot] = record;
    } else {
        if (keys.size() >= capacity || updated.size() >= capacity) return std::nullopt;
        entry.slot = static_cast<std::uint16_t>(updated.size());
        updated.push_back(record);
        free = keys.end();
    }
    FolderAccess folder(doc.dataFolder, doc.readOnly());
    if (doc.readOnly() || !folder.write(fileName, fileBytes(updated))) return std::nullopt;
    records.swap(updated);
    if (free != keys.end())
        *free = entry;
    else
        keys.push_back(entry);
    return key;
}

template <typename Record>
bool rewriteRecord(CZelvoDoc& doc, const std::vector<KeySlot>& keys, std::vector<Record>& records,
                   int key, Record record, std::string_view fileName) {
    const auto slot = slotOfKey(keys, key);
    if (!slot || *slot >= records.size() || doc.readOnly()) return false;
    record.setKey(static_cast<std::uint16_t>(key));
    std::vector<Record> updated = records;
    updated[*slot] = record;
    FolderAccess folder(doc.dataFolder, false);
    if (!folder.write(fileName, fileBytes(updated))) return false;
    records.swap(updated);
    return true;
}

}  // namespace

EmergencyContact CZelvoDoc::readEmergency(int key) const {
    const auto slot = slotOfKey(emergencyKeys, key);
    if (!slot || *slot >= emergencyRecords.size()) return {};
    return emergencyRecords[*slot];
}

bool CZelvoDoc::writeEmergency(int key, const EmergencyContact& record) {
    return rewriteRecord(*this, emergencyKeys, emergencyRecords, key, record, files::kEmergency);
}

std::optional<int> CZelvoDoc::addEmergency(EmergencyContact record) {
    const int key = freeKey(emergencyKeys, publishers,
                            [](const PublisherRecord& r) { return r.emergencyKey(); });
    return addRecord(*this, emergencyKeys, emergencyRecords, record, kMaxEmergency,
                     files::kEmergency, key);
}

SpecialNeed CZelvoDoc::readSpecialNeed(int key) const {
    const auto slot = slotOfKey(specialNeedsKeys, key);
    if (!slot || *slot >= specialNeedRecords.size()) return {};
    return specialNeedRecords[*slot];
}

bool CZelvoDoc::writeSpecialNeed(int key, const SpecialNeed& record) {
    return rewriteRecord(*this, specialNeedsKeys, specialNeedRecords, key, record,
                         files::kSpecialNeeds);
}

std::optional<int> CZelvoDoc::addSpecialNeed(SpecialNeed record) {
    const int key = freeKey(specialNeedsKeys, publishers,
                            [](const PublisherRecord& r) { return r.specialNeedsKey(); });
    return addRecord(*this, specialNeedsKeys, specialNeedRecords, record, kMaxKeyList,
                     files::kSpecialNeeds, key);
}

std::optional<ContactExtra> CZelvoDoc::readContactExtra(int recordNumber, int row) const {
    if (recordNumber <= 0 || static_cast<std::size_t>(recordNumber) >= contactExtras.size())
        return std::nullopt;
    if (row <= 0 || row >= recordCount()) return std::nullopt;
    ContactExtra e = contactExtras[static_cast<std::size_t>(recordNumber)];
    if (e.publisherId() != publishers[static_cast<std::size_t>(row)].id()) return std::nullopt;
    e.fromFile();
    return e;
}

std::optional<int> CZelvoDoc::writeContactExtra(const ContactExtra& record) {
    if (readOnly()) return std::nullopt;
    const std::uint16_t id = record.publisherId();
    ContactExtra stored = record;
    stored.toFile();
    std::vector<ContactExtra> updated = contactExtras;
    std::vector<ContactExtraKey> keys = contactExtraKeys;
    std::size_t at = 0;
    if (updated.size() > 1) {
        for (std::size_t i = 1; i < keys.size() && at == 0; ++i)
            if (keys[i].publisherId == id) at = i;
        for (std::size_t i = 1; i < updated.size() && at == 0; ++i)
            if (updated[i].isAllZero()) at = i;
    }
    if (at == 0) {
        if (updated.empty()) {
            updated.emplace_back();
            keys.push_back({});
        }
        if (updated.size() >= kMaxContactExtras) return std::nullopt;
        at = updated.size();
        updated.emplace_back();
        keys.push_back({});
    }
    updated[at] = stored;
    keys[at] = {id, record.presence()};
    FolderAccess folder(dataFolder, false);
    if (!folder.write(files::kContactExtras, fileBytes(updated))) return std::nullopt;
    contactExtras.swap(updated);
    contactExtraKeys.swap(keys);
    return static_cast<int>(at);
}

}  // namespace zelvo
