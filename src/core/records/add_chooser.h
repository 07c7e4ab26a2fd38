// The add chooser: which ways of adding a publisher apply.
#pragma once

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

enum class AddChoice { Cancelled, NewPerson, FromStudents, FromInactive };

struct AddChoices {
    bool fromStudents = false;  // the students list is not empty
    bool fromInactive = false;  // the inactive list is not empty
    // With nothing to transfer the chooser is skipped: a new person at once.
    bool skipChooser() const { return !fromStudents && !fromInactive; }
};

AddChoices addChoices(const CZelvoDoc& doc);

}  // namespace zelvo::records
