// The emergency contact dialog, and the full name with the special need; both change the keys of
// the details dialog's working copy, while the records themselves are written to their files at
// once.
#pragma once

class QWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
struct PublisherRecord;
struct ContactExtra;
}  // namespace zelvo

namespace zelvo::gui {

// `editedRow` is the person's row in the table (0 for a person being added). True on OK.
bool editEmergencyContact(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                          PublisherRecord& working, int editedRow);

// `extra` is the working copy of the person's contact extra. `focusNeed` opens on the need
// instead of the full name. True on OK.
bool editFullNameAndNeed(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                         PublisherRecord& working, ContactExtra& extra, int editedRow,
                         bool focusNeed);

}  // namespace zelvo::gui
