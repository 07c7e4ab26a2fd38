#include "store/remark_table.h"

#include "resources/strings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

bool validSlot(const CZelvoDoc& doc, int row, int month, int slot) {
    return row > 0 && row < doc.recordCount() && month >= 0 && month < 12 && slot >= 0 && slot < 2;
}

}  // namespace

RemarkSlot prepareRemark(const CZelvoDoc& doc, int row, int month, int slot, UserPrompts& prompts) {
    if (!validSlot(doc, row, month, slot)) return {};
    const int index = doc.publishers[static_cast<std::size_t>(row)].monthWord(
        MonthWord::RemarkIndex, month, slot);
    const int count = doc.remarkCount();
    if (index >= 1 && index < count)
        return {index, doc.remarks[static_cast<std::size_t>(index)].remarkText()};
    if (count < static_cast<int>(CZelvoDoc::kRemarkRefuseAt)) return {count, {}};
    prompts.showMessage(res::kNoRoomForRemarks);
    return {index, {}};
}

bool storeRemark(CZelvoDoc& doc, int row, int month, int slot, int number, std::string_view text) {
    const int count = doc.remarkCount();
    // Row 0 is the table's empty header, never a remark. A full table refuses only new rows: an
    // existing remark is still edited in place, so its text and link are never lost.
    if (!validSlot(doc, row, month, slot) || count == 0 || number < 1 || number > count ||
        (number == count && count >= static_cast<int>(CZelvoDoc::kRemarkRefuseAt)))
        return false;
    PublisherRecord& p = doc.publishers[static_cast<std::size_t>(row)];
    RemarkRecord record;
    record.set(text.substr(0, RemarkRecord::kText.width - 1), static_cast<std::uint8_t>(month + 1),
               static_cast<std::uint8_t>(slot), p.id());
    if (number == count) {
        doc.remarks.push_back(record);
        p.setMonthWord(MonthWord::RemarkIndex, month, slot, static_cast<std::uint16_t>(number));
    } else {
        doc.remarks[static_cast<std::size_t>(number)] = record;
    }
    doc.markModified();
    return true;
}

}  // namespace zelvo
