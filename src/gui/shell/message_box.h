// Message boxes with the program's own button texts: Qt carries no Greek translation of its
// standard buttons, so every box of the program is made here.
#pragma once

#include <QString>

#include "store/user_prompts.h"

class QWidget;

namespace zelvo::gui {

// A message with an OK button. The title is the program's name.
void showInformation(QWidget* parent, const QString& text);

// Questions. Escape and the close box answer Cancel (No where there is no Cancel). `preferred`
// is the default button: No where Yes would throw something away.
Answer askYesNoCancel(QWidget* parent, const QString& text, Answer preferred = Answer::Yes);
// Yes/No with No as the default button.
bool askYesNo(QWidget* parent, const QString& text);
// OK/Cancel with Cancel as the default button, for a step that cannot be taken back.
bool askOkCancel(QWidget* parent, const QString& text);

}  // namespace zelvo::gui
