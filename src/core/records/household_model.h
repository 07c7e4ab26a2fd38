// The household dialog: the head of a household and the people living with them.
#pragma once

#include <string>
#include <vector>

#include "records/pick_list.h"
#include "store/publisher_record.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

// The ids of the people chosen as members of a household whose head is still being added. The
// head is not in the table and the id it shows is only the one it would get, so nobody is
// linked to it before it is stored, and then with the id it ends up with.
using NewMembers = std::vector<int>;

class HouseholdModel {
public:
    // Opened from the details of `working`, the person at `editedRow` (0 while being added): a
    // head's own household, or the household `working` belongs to. A head being added keeps the
    // members chosen in `newMembers` (without it, none can be added).
    HouseholdModel(const CZelvoDoc& doc, const PublisherRecord& working, int editedRow,
                   NewMembers* newMembers = nullptr);

    int headId() const { return headId_; }
    std::string title() const { return title_; }  // the head's display name, UTF-8
    // The head first, then every person whose household head is the head.
    PickList& members() { return members_; }
    const PickList& members() const { return members_; }

    // Members are added only from the head's own details.
    bool addVisible() const {
        return openedForHead_ && (editedRow_ != 0 || newMembers_ != nullptr);
    }
    // The head cannot leave their own household.
    bool removeEnabled() const { return members_.selected() > 0; }

    // The person of `row` joins the household (for a head being added: once the head is stored)
    // and is selected.
    void addMember(CZelvoDoc& doc, int row);

    enum class Removal {
        Nothing,
        Removed,        // another member left the household
        LeftHousehold,  // the person of the details left: `working` lost the link; close
    };
    Removal removeSelected(CZelvoDoc& doc, PublisherRecord& working);

    // True once a link of the table changed here.
    bool changedTable() const { return changedTable_; }

private:
    int headId_ = 0;
    int editedRow_ = 0;
    NewMembers* newMembers_ = nullptr;
    bool changedTable_ = false;
    bool openedForHead_ = false;
    std::string title_;
    PickEntry head_;
    PickList members_;

    void reload(const CZelvoDoc& doc);
    bool isNewMember(int id) const;
};

}  // namespace zelvo::records
