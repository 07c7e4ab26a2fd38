#include "records/custom_category_model.h"

#include "resources/strings.h"
#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

CustomCategoryModel::CustomCategoryModel(CZelvoDoc& doc)
    : name(cp1253::toUtf8(doc.settings.customCategoryName)),
      enabled(doc.settings.customCategoryEnabled != 0),
      doc_(doc) {}

std::string CustomCategoryModel::storedName() const {
    std::string stored(trimmed(cp1253::fromUtf8(name)));
    if (stored.size() > kCustomCategoryMax) stored.resize(kCustomCategoryMax);
    return stored;
}

int CustomCategoryModel::members() const {
    int count = 0;
    for (std::size_t row = 1; row < doc_.publishers.size(); ++row)
        if (doc_.publishers[row].privileges() & privilege::kCustomCategory) ++count;
    return count;
}

std::optional<CustomCategoryModel::RenameQuestion> CustomCategoryModel::renameQuestion() const {
    const std::string& old = doc_.settings.customCategoryName;
    const int count = members();
    if (storedName() == old || count == 0) return std::nullopt;
    const std::string oldName = cp1253::toUtf8(old), newName = cp1253::toUtf8(storedName());
    return RenameQuestion{
        res::format(res::kRenameCategoryLine, std::to_string(count) + " ", oldName),
        res::format(res::kRenameCategoryKeep, oldName, newName)};
}

bool CustomCategoryModel::store(bool clearMembers) {
    bool changed = false;
    if (clearMembers && renameQuestion()) {
        for (std::size_t row = 1; row < doc_.publishers.size(); ++row) {
            PublisherRecord& r = doc_.publishers[row];
            r.setByte(PublisherRecord::kPrivileges,
                      static_cast<std::uint8_t>(r.privileges() & ~privilege::kCustomCategory));
        }
        changed = true;
    }
    const std::string newName = storedName();
    const int on = enabled && !newName.empty() ? 1 : 0;
    if (newName != doc_.settings.customCategoryName || on != doc_.settings.customCategoryEnabled)
        changed = true;
    doc_.settings.customCategoryName = newName;
    doc_.settings.customCategoryEnabled = on;
    if (changed) doc_.markModified();
    return changed;
}

}  // namespace zelvo::records
