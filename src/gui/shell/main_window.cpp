#include "gui/shell/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>
#include <QToolBar>

#include "gui/records/option_dialogs.h"
#include "gui/records/record_commands.h"
#include "gui/reporting/attendance_commands.h"
#include "gui/reporting/collection_commands.h"
#include "gui/reporting/history_commands.h"
#include "gui/reporting/late_report_commands.h"
#include "gui/reports/label_commands.h"
#include "gui/reports/record_card_commands.h"
#include "gui/reports/report_commands.h"
#include "gui/reports/status_list_commands.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/dashboard.h"
#include "gui/shell/help_commands.h"
#include "gui/shell/password_change_dialog.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/toolbar_icons.h"
#include "gui/shell/zelvo_view.h"
#include "gui/store/backup_commands.h"
#include "resources/strings.h"
#include "shell/command_table.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

constexpr int kPaneMargin = 16;

using C = shell::CommandId;

shell::TimeOfDay systemTimeOfDay() {
    const QTime now = QTime::currentTime();
    return {now.hour(), now.minute()};
}

}  // namespace

QString frameTitle(std::string_view caption) {
    const QString title = caption.empty() ? qtText(res::kProgramName)
                                          : qtText(res::format(res::kWindowTitle, caption));
    return title + QStringLiteral("[*]");
}

CMainFrame::CMainFrame(CZelvoDoc& doc, UserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      prompts_(prompts),
      actions_(new CommandActions(this)),
      view_(new CZelvoView(this)),
      pane0_(new QLabel(this)),
      pane1_(new QLabel(this)),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      now_(systemTimeOfDay) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(programIcon());
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    actions_->fillMenuBar(menuBar());
    // Menus show the state of the moment they open.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, &CMainFrame::openMenuBar);

    auto* toolBar = addToolBar(qtText(res::kToolbarTitle));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(24, 24));
    actions_->fillToolBar(toolBar);

    setCentralWidget(view_);
    buildStatusBar();

    connect(actions_, &CommandActions::triggered, this, &CMainFrame::runCommand);
    connect(view_->dashboard(), &Dashboard::buttonPressed, this, &CMainFrame::pressDashboardButton);
    connect(view_, &CZelvoView::modeChanged, this, &CMainFrame::placeForMode);
    connect(view_, &CZelvoView::modeChanged, this, &CMainFrame::updateCommands);
    // The two refreshes are posted, so they run once the current command has finished.
    connect(this, &CMainFrame::dashboardRefreshRequested, this, &CMainFrame::showDashboardAndMonth,
            Qt::QueuedConnection);
    connect(this, &CMainFrame::returnButtonUpdateRequested, this, &CMainFrame::updateReturnButton,
            Qt::QueuedConnection);
    connect(this, &CMainFrame::statusPaneTextRequested, this, &CMainFrame::setStatusPaneText);

    installReportCommands(*this);
    installRecordCommands(*this);
    installOptionCommands(*this);
    installCollectionCommands(*this);
    installStatusListCommands(*this);
    installAttendanceCommands(*this);
    installLateReportCommands(*this);
    installLabelCommands(*this);
    installRecordCardCommands(*this);
    installBackupCommands(*this);
    installHistoryCommands(*this);
    updateCommands();
    // Sized to the dashboard, within the screen.
    QSize size = sizeHint().expandedTo(QSize(960, 680));
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableSize() * 0.95);
    resize(size);
}

CMainFrame::~CMainFrame() = default;

QLabel* CMainFrame::statusPane(int pane) const {
    return pane == 0 ? pane0_ : pane1_;
}

void CMainFrame::buildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    pane0_->setObjectName(QStringLiteral("statusPane0"));
    pane1_->setObjectName(QStringLiteral("statusPane1"));
    pane0_->setText(qtText(res::kStatusReady));
    pane1_->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(pane0_, 1);
    statusBar()->addPermanentWidget(pane1_);
}

shell::CommandState CMainFrame::commandState() const {
    return shell::commandState(doc_, view_->mode());
}

void CMainFrame::updateCommands() {
    const shell::CommandState state = commandState();
    actions_->refresh(state);
    view_->dashboard()->refresh(state);
    setWindowTitle(frameTitle(cp1253::toUtf8(doc_.settings.congregationName)));
    setWindowModified(doc_.isModified());
}

void CMainFrame::openMenuBar() {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty()) menuBar()->setActiveAction(menus.first());
}

void CMainFrame::postDashboardRefresh() {
    emit dashboardRefreshRequested();
    emit returnButtonUpdateRequested();
}

void CMainFrame::showDashboardAndMonth() {
    view_->showDashboard();
    emit statusPaneTextRequested(
        1, qtText(res::format(res::kStatusReportMonth, res::monthName(doc_.calendar.reportMonth))));
    updateCommands();
    view_->dashboard()->restoreFocus();
}

void CMainFrame::placeForMode(shell::ViewMode mode) {
    if (mode == placedMode_) return;
    const QPoint at = pos();
    placement_.leave(placedMode_ == shell::ViewMode::Report, {at.x(), at.y()});
    placedMode_ = mode;
    const QScreen* s = screen();
    if (s == nullptr) return;
    const QRect desktop = s->availableGeometry();
    const std::optional<shell::FramePoint> target = placement_.enter(
        mode == shell::ViewMode::Report,
        {desktop.x(), desktop.y(), desktop.width(), desktop.height()}, frameGeometry().width());
    if (target) move(target->x, target->y);
}

void CMainFrame::updateReturnButton() {
    view_->dashboard()->refreshReturnButton(commandState());
}

void CMainFrame::setStatusPaneText(int pane, const QString& text) {
    QLabel* label = statusPane(pane);
    label->setText(text);
    if (label == pane1_)
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + kPaneMargin);
}

void CMainFrame::bringToFront() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void CMainFrame::setCommandHandler(shell::CommandId id, CommandHandler handler) {
    handlers_[id] = std::move(handler);
}

void CMainFrame::runCommand(shell::CommandId id) {
    const shell::Command* command = shell::findCommand(id);
    // Nothing runs that its rules do not allow at this moment (a shortcut may race a refresh).
    if (command == nullptr || !shell::commandEnabled(*command, commandState())) return;
    execute(id);
}

void CMainFrame::pressDashboardButton(shell::DashboardButtonId id) {
    // The dashboard has rules of its own, which may allow what the menu entry would not.
    const shell::DashboardButton* button = shell::findDashboardButton(id);
    if (button == nullptr || !shell::buttonEnabled(*button, commandState())) return;
    execute(button->command);
}

void CMainFrame::execute(shell::CommandId id) {
    if (const int k = shell::monthsBackOf(id); k != 0) {
        openPreviousReport(k);
    } else {
        switch (id) {
            case C::Save:
                save();
                break;
            case C::Exit:
                close();
                return;
            case C::ReturnToDashboard:
                view_->showDashboard();
                break;
            case C::ReturnToLiveData:
                returnToLiveData();
                break;
            case C::ChangePassword:
                runPasswordChange(this, doc_, prompts_);
                break;
            case C::ToggleStartupNotice:
                toggleNotice();
                break;
            case C::ToggleAutoCapitalize:
                toggleAutoCapitalize();
                break;
            case C::About:
                showAboutBox(this, qtText(doc_.dataFolder));
                break;
            case C::HelpContents:
            case C::HelpIndex:
            case C::ContextHelp:
                openUserGuide();
                break;
            default:
                if (const auto handler = handlers_.find(id); handler != handlers_.end())
                    handler->second();
                break;
        }
    }
    if (abandoned_) return;
    updateCommands();
}

bool CMainFrame::save() {
    const SaveResult result = doc_.saveAll(prompts_);
    setStatusPaneText(0, qtText(shell::saveStatusText(result, now_())));
    updateCommands();
    return result.ok;
}

void CMainFrame::toggleNotice() {
    doc_.settings.noticeOff = doc_.settings.noticeOff == 1 ? 0 : 1;
    doc_.markModified();
}

void CMainFrame::toggleAutoCapitalize() {
    doc_.settings.autoCapitalize = doc_.settings.autoCapitalize == 0 ? 1 : 0;
    doc_.markModified();
}

void CMainFrame::openPreviousReport(int monthsBack) {
    prompts_.forget();
    doc_.openMonthCopy(monthsBack, prompts_);
    // A copy that could not be shown brings the live data back, through the password gate.
    if (doc_.calendar.viewingPrevious == 0 && prompts_.lastCheckRefused()) {
        leaveAfterLostData();
        return;
    }
    postDashboardRefresh();
}

void CMainFrame::returnToLiveData() {
    prompts_.forget();
    const LoadResult result = doc_.returnToLiveData(prompts_);
    if (result.passwordRefused) {
        leaveAfterLostData();
        return;
    }
    postDashboardRefresh();
}

// Working on, or saving, an empty document would put an empty table in place of the
// congregation's data.
void CMainFrame::leaveAfterLostData() {
    abandoned_ = true;
    close();
}

void CMainFrame::openUserGuide() {
    QString failed;
    const QUrl page = userGuidePage(userGuidePath(), &failed);
    if (page.isEmpty()) {
        prompts_.showMessage(res::format(res::kHelpUnavailable, utf8Text(failed)));
        return;
    }
    if (!openUrl_(page))
        prompts_.showMessage(res::format(res::kHelpUnavailable, utf8Text(page.toLocalFile())));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (view_->printing()) {
        prompts_.showMessage(res::kUseCloseButton);
        event->ignore();
        return;
    }
    if (!closeDocument()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool CMainFrame::closeDocument() {
    if (documentClosed_) return true;
    if (!abandoned_ && doc_.isModified() && !doc_.readOnly()) {
        switch (prompts_.askYesNoCancel(res::kSaveChanges)) {
            case Answer::Yes:
                // A save that failed keeps the window open, so nothing is lost unnoticed.
                if (!save()) return false;
                break;
            case Answer::No:
                doc_.discardRemarkChanges(prompts_);
                break;
            case Answer::Cancel:
                return false;
        }
    }
    if (!abandoned_ && closingStep_) closingStep_();
    doc_.closeDocument();
    documentClosed_ = true;
    return true;
}

}  // namespace zelvo::gui
