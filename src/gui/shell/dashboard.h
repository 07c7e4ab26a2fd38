// The dashboard: the panel of large buttons from which every daily task is reached. Its buttons,
// their sections and their rules come from the command table.
#pragma once

#include <QWidget>
#include <map>

#include "shell/command_ids.h"
#include "shell/command_state.h"

class QPushButton;

namespace zelvo::gui {

class Dashboard : public QWidget {
    Q_OBJECT
public:
    explicit Dashboard(QWidget* parent = nullptr);

    // Enabling, visibility and texts of every button.
    void refresh(const shell::CommandState& state);
    // The return-to-live-month button alone: shown only while a month copy is open.
    void refreshReturnButton(const shell::CommandState& state);

    QPushButton* button(shell::DashboardButtonId id) const;
    // The first button that can take the focus, for a freshly shown dashboard.
    QPushButton* firstEnabledButton() const;
    // The focus goes back to the button that had it last (the one that showed a report, say)
    // while that button can still take it; otherwise to the first enabled button.
    void restoreFocus();

signals:
    // A button was pressed (object name "button" + its id's number).
    void buttonPressed(zelvo::shell::DashboardButtonId id);

private:
    std::map<shell::DashboardButtonId, QPushButton*> buttons_;
    void applyRules(shell::DashboardButtonId id, const shell::CommandState& state);
};

}  // namespace zelvo::gui
