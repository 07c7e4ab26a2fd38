// The status dialog of a publisher (mark and month), over StatusDialogModel.
#pragma once

#include <string>

class QWidget;

namespace zelvo {
class CZelvoDoc;
struct PublisherRecord;
}  // namespace zelvo

namespace zelvo::gui {

// Opens the dialog on `working`; OK writes the status fields into it and returns true. The title
// carries the names as typed in the details dialog (UTF-8).
bool runStatusDialog(QWidget* parent, const CZelvoDoc& doc, PublisherRecord& working,
                     const std::string& firstNameUtf8, const std::string& lastNameUtf8);

}  // namespace zelvo::gui
