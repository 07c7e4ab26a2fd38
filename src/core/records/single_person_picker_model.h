// The single-person picker: an inactive person to bring back, a student who became a
// publisher, or a new member of a household.
#pragma once

#include <string>
#include <vector>

#include "records/pick_list.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

class SinglePersonPickerModel {
public:
    enum class Mode { Inactive, Students, Household };

    // In household mode `headId` is the head's id: everybody of the active, inactive and
    // students lists is offered except the head, the head's members and the ids `listed` (the
    // members chosen for a head not stored yet); " *" marks a head with members, " #" a person
    // already in another household.
    SinglePersonPickerModel(const CZelvoDoc& doc, Mode mode, int headId = 0,
                            const std::vector<int>& listed = {});

    Mode mode() const { return mode_; }
    PickList& list() { return list_; }
    const PickList& list() const { return list_; }

    std::string title() const;  // UTF-8
    std::string legend() const;
    bool legendVisible() const { return mode_ == Mode::Household; }

private:
    Mode mode_;
    PickList list_;
};

}  // namespace zelvo::records
