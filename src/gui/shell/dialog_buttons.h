// The buttons every dialog of ours shares: Greek texts from the string table, stable object names,
// and the OK and Cancel pair on the right with OK the default.
#pragma once

#include <string_view>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace zelvo::gui {

// A push button that never becomes the default just by taking the focus.
QPushButton* dialogButton(QWidget* parent, std::string_view text, const char* objectName);

struct OkCancelRow {
    QPushButton* ok = nullptr;      // "okButton", the default
    QPushButton* cancel = nullptr;  // "cancelButton", rejects the dialog
    QHBoxLayout* row = nullptr;
};

// OK and Cancel right-aligned in a row. Cancel rejects `dialog`; what OK does is the caller's.
OkCancelRow okCancelRow(QDialog* dialog);

}  // namespace zelvo::gui
