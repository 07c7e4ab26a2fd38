// The commands of the main window as QActions, with the menu bar and the toolbar built from the
// command table, and the refresh that applies its enabling, check-mark and text rules.
#pragma once

#include <QObject>
#include <QString>
#include <map>

#include "shell/command_ids.h"
#include "shell/command_state.h"

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace zelvo::gui {

// A command's menu text with its mnemonic, for a window title or a button that stands for it.
QString commandMenuText(shell::CommandId id);

class CommandActions : public QObject {
    Q_OBJECT
public:
    // One action per command of the table, owned by `owner` so that their shortcuts work
    // while the window has the focus. Object names are "action" + the id's number.
    explicit CommandActions(QWidget* owner);

    void fillMenuBar(QMenuBar* bar);
    void fillToolBar(QToolBar* bar);

    QAction* action(shell::CommandId id) const;
    QMenu* previousReportsMenu() const { return previousReports_; }

    // Applies every rule of the table to the actions and the menus.
    void refresh(const shell::CommandState& state);

signals:
    void triggered(zelvo::shell::CommandId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* owner_;
    std::map<shell::CommandId, QAction*> actions_;
    QMenu* previousReports_ = nullptr;
    bool greyTipShown_ = false;

    void showGreyTip(const QString& tip);
};

}  // namespace zelvo::gui
