// What keeps a record dialog steady under the mouse: controls that come and go keep their room,
// and the notes that warn are told apart by their colour.
#pragma once

class QLabel;
class QWidget;

namespace zelvo::gui {

// The widget keeps its room in the layout while hidden, so the form does not jump.
void keepRoom(QWidget* widget);

// A note that warns (a date that does not exist, a name that will be cut) is drawn in the
// warning colour; `on` false draws it as plain text again.
void markAsWarning(QLabel* label, bool on = true);

}  // namespace zelvo::gui
