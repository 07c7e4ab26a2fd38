// The household dialog (146): the head of a household and the people living with them.
#pragma once

#include <string>

#include "records/pick_list.h"
#include "store/publisher_record.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

class HouseholdModel {
public:
    // Opened from the details of `working`, the person at `editedRow` (0 while being added): a
    // head's own household, or the household `working` belongs to.
    HouseholdModel(const CZelvoDoc& doc, const PublisherRecord& working, int editedRow);

    int headId() const { return headId_; }
    std::string title() const { return title_; }  // the head's display name, UTF-8
    // The head first, then every person whose household head is the head.
    PickList& members() { return members_; }
    const PickList& members() const { return members_; }

    // Members are added only from the head's own details.
    bool addVisible() const { return openedForHead_; }
    // The head cannot leave their own household.
    bool removeEnabled() const { return members_.selected() > 0; }

    // The person of `row` joins the household and is selected.
    void addMember(CZelvoDoc& doc, int row);

    enum class Removal {
        Nothing,
        Removed,        // another member left the household
        LeftHousehold,  // the person of the details left: `working` lost the link; close
    };
    Removal removeSelected(CZelvoDoc& doc, PublisherRecord& working);

private:
    int headId_ = 0;
    int editedRow_ = 0;
    bool openedForHead_ = false;
    std::string title_;
    PickEntry head_;
    PickList members_;

    void reload(const CZelvoDoc& doc);
};

}  // namespace zelvo::records
