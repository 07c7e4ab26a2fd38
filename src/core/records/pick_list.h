// A list of people to pick from, as the pickers and the household dialog show it: names with the
// marks of their lists, the selection, the first letters of a name typed to find it, and moving
// along the list with wrap-around.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/type_ahead.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

struct PickEntry {
    int row = 0;       // row in the publisher table (0 for a person not in it yet)
    int id = 0;        // publisher id
    std::string text;  // UTF-8
};

// The name as the lists show it (last name first unless the language option says otherwise),
// with " ( i )" for an inactive person and " ( σ )" for a student.
std::string listEntryText(const CZelvoDoc& doc, int row);

// The people of one kind list, in its order.
std::vector<PickEntry> kindEntries(const CZelvoDoc& doc, int kind);

// The next and previous positions, from the last to the first and the first to the last.
int wrapNext(int index, int count);
int wrapPrevious(int index, int count);

class PickList {
public:
    // The entries replaced; the selection stays on the same person when still listed, else on the
    // entry at the same position (the last one when the list got shorter), none when empty.
    void setEntries(std::vector<PickEntry> entries);
    const std::vector<PickEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }
    int size() const { return static_cast<int>(entries_.size()); }
    std::vector<int> ids() const;

    int selected() const { return selected_; }  // -1 when none
    void select(int index);
    // False when the person is not listed (the selection is then unchanged).
    bool selectId(int id);
    int selectedId() const;
    int selectedRow() const;
    void selectNext() { select(wrapNext(selected_, size())); }
    void selectPrevious() { select(wrapPrevious(selected_, size())); }

    // Letters typed at `nowMs`: selects the entry TypeAhead finds (typing ε finds Έλενα), or
    // keeps the selection when no name begins so. Returns the selection.
    int typeAhead(std::string_view lettersUtf8, long long nowMs);

private:
    std::vector<PickEntry> entries_;
    int selected_ = -1;
    TypeAhead typed_;
};

}  // namespace zelvo::records
