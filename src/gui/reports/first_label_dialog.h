// The first-label dialog: twenty buttons laid out as the labels sit on the sheet, two columns of
// ten; the one pressed is where the labels begin.
#pragma once

#include <optional>

class QWidget;

namespace zelvo::gui {

// The position chosen (1-20), or nothing when the user cancelled.
std::optional<int> chooseFirstLabel(QWidget* parent);

}  // namespace zelvo::gui
