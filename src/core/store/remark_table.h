// A month's remark of a publisher, as the report form reads and stores it: the remark table's
// rows 1 .. remarkCount - 1, one per remark, linked from the person's remarkIndex.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

class CZelvoDoc;
class UserPrompts;

struct RemarkSlot {
    int number = 0;    // the remark's row in the table; remarkCount for a new one
    std::string text;  // Windows-1253
};

// The remark of (`row`, `month`, `slot`) for editing: its row and text when it has one; else the
// number a new remark will take (remarkCount, not yet counted) with an empty text. When the table
// is full (3,854 rows) the user is told there is no room and the person's index comes back.
RemarkSlot prepareRemark(const CZelvoDoc& doc, int row, int month, int slot, UserPrompts& prompts);

// Stores `text` (Windows-1253, at most 43 characters kept) as remark `number` of (`row`,
// `month`, `slot`). A new remark (number == remarkCount) is appended and linked from the
// person's remarkIndex. False, with nothing changed, when the table is empty, `number` lies
// beyond it, or a new remark would go into a full table (an existing one is always stored).
bool storeRemark(CZelvoDoc& doc, int row, int month, int slot, int number, std::string_view text);

}  // namespace zelvo
