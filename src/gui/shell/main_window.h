// CMainFrame: the main window. Menu bar, toolbar, the two-pane status bar and the view; it routes
// every command, keeps them enabled by the command table's rules, and guards the way out.
#pragma once

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <map>
#include <string_view>

#include "gui/shell/password_gate_watch.h"
#include "shell/command_ids.h"
#include "shell/command_state.h"
#include "shell/frame_placement.h"
#include "shell/save_status.h"

class QLabel;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class CommandActions;
class CZelvoView;

// The main window's title over `caption` (the program's name alone when it is empty), with the
// place Qt marks unsaved changes in.
QString frameTitle(std::string_view caption);

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Borrows the loaded document and the prompts for the life of the window.
    CMainFrame(CZelvoDoc& doc, UserPrompts& prompts, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CZelvoView* view() const { return view_; }
    CommandActions* commandActions() const { return actions_; }
    QLabel* statusPane(int pane) const;

    // Runs a command of the table when its rule allows it (menus, toolbar and shortcuts).
    void runCommand(shell::CommandId id);
    // Runs the command of a dashboard button when the button's own rule allows it.
    void pressDashboardButton(shell::DashboardButtonId id);
    // Applies the enabling, check-mark and text rules to menus, toolbar and dashboard.
    void updateCommands();
    // Posts the two dashboard refreshes: show the dashboard with the report month, and the
    // return-to-live-month button.
    void postDashboardRefresh();
    // A second start of the program asks this one to come to the front.
    void bringToFront();

    // Subsystems outside the shell add the commands they carry out (see installReportCommands,
    // installRecordCommands). A handler runs only when the command's rule allows it.
    using CommandHandler = std::function<void()>;
    void setCommandHandler(shell::CommandId id, CommandHandler handler);
    // A step of closing that runs after the save question, before the document closes (the backup
    // offered on exit). It cannot keep the window open.
    using ClosingStep = std::function<void()>;
    void setClosingStep(ClosingStep step) { closingStep_ = std::move(step); }
    // The document is empty (the live data could not be loaded again): the program ends without
    // a question, as when the password is refused at start.
    void leaveAfterLostData();
    CZelvoDoc& document() const { return doc_; }
    UserPrompts& prompts() { return prompts_; }

    // How a help page is opened; the desktop's browser unless a test says otherwise.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }
    // The time of day a save is stamped with; the system's unless a test says otherwise.
    using ClockSource = std::function<shell::TimeOfDay()>;
    void setClock(ClockSource clock) { now_ = std::move(clock); }

signals:
    void dashboardRefreshRequested();                             // show dashboard, report month
    void returnButtonUpdateRequested();                           // the return-to-live button
    void statusPaneTextRequested(int pane, const QString& text);  // set a status pane's text

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CZelvoDoc& doc_;
    PasswordGateWatch prompts_;
    CommandActions* actions_;
    CZelvoView* view_;
    QLabel* pane0_;
    QLabel* pane1_;
    UrlOpener openUrl_;
    ClockSource now_;
    std::map<shell::CommandId, CommandHandler> handlers_;
    ClosingStep closingStep_;
    shell::FramePlacement placement_;
    shell::ViewMode placedMode_ = shell::ViewMode::Dashboard;
    bool documentClosed_ = false;
    bool abandoned_ = false;  // the live data could not be reloaded: leave without a question

    shell::CommandState commandState() const;
    void execute(shell::CommandId id);
    void buildStatusBar();
    // F10 opens the first menu, as it does on the desktop the program was made for.
    void openMenuBar();
    void showDashboardAndMonth();
    // Each mode of the view has its own place on the desktop.
    void placeForMode(shell::ViewMode mode);
    void updateReturnButton();
    void setStatusPaneText(int pane, const QString& text);

    bool save();
    // The document's side of closing: the save question, then the end of the session.
    bool closeDocument();
    void toggleNotice();
    void toggleAutoCapitalize();
    void openPreviousReport(int monthsBack);
    void returnToLiveData();
    void openUserGuide();
};

}  // namespace zelvo::gui
