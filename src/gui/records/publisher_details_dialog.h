// The details dialog of a publisher or a student, over PublisherDetailsModel.
#pragma once

#include <vector>

class QWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

struct DetailsOutcome {
    bool changed = false;  // something reached the table
    int currentId = 0;     // the person shown last (for the picker's selection); 0 when none
};

// Opens the details of the person with `id` among `listIds` (the picker's entries, in order:
// Previous and Next move along them, wrapping), or of a new person when `id` is 0. `student`
// opens the student variant.
DetailsOutcome runPublisherDetails(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                                   bool student, const std::vector<int>& listIds, int id);

}  // namespace zelvo::gui
