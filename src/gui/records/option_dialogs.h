// The congregation-wide editors of the options and edit menus: the custom category, the circuit
// overseer, the report layout and the record card preferences. Each changes the document only on
// OK and returns true when something changed.
#pragma once

class QWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

bool runCustomCategory(QWidget* parent, CZelvoDoc& doc);
bool runCircuitOverseer(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts);
bool runLayoutOptions(QWidget* parent, CZelvoDoc& doc);
bool runRecordCardOptions(QWidget* parent, CZelvoDoc& doc);

// Installs the four commands on the frame.
class CMainFrame;
void installOptionCommands(CMainFrame& frame);

}  // namespace zelvo::gui
