#include "gui/shell/application.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "gui/shell/greek_translation.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_prompts.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/single_instance.h"
#include "gui/shell/toolbar_icons.h"
#include "gui/store/backup_commands.h"
#include "resources/strings.h"
#include "store/clock.h"
#include "store/folder_lock.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFolder = 4;
constexpr int kExitLocked = 6;

// For measuring the start: ends the program once the main window is on the screen.
class ExitWhenShown : public QObject {
public:
    explicit ExitWhenShown(CMainFrame* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_->windowHandle() != nullptr &&
            window_->windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, window_, &QWidget::close);
        }
        return false;
    }

private:
    CMainFrame* window_;
};

std::string joinedProblems(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& p : problems) text += "- " + p + "\n";
    return text;
}

}  // namespace

ZelvoApplication::ZelvoApplication(UserPrompts& prompts)
    : prompts_(prompts), doc_(std::make_unique<CZelvoDoc>()) {}

ZelvoApplication::~ZelvoApplication() = default;

ZelvoApplication::Start ZelvoApplication::start(const QString& folder, const Date& today) {
    const std::string path = utf8Text(QDir(folder).absolutePath());
    // One writer per folder. A folder where no lock file can be made is one where nothing can be
    // written either: it opens, and a save reports what it could not write.
    lock_ = std::make_unique<FolderLock>(fs::path(path));
    if (lock_->state() == FolderLock::State::HeldByOther) {
        prompts_.showMessage(lock_->refusal());
        return Start::Locked;
    }
    if (lock_->locked()) removeLeftoverTempFiles(path);
    doc_->startUp(path, today, LoadMode::Live);
    const LoadResult loaded = doc_->load(prompts_, LoadMode::Live);
    if (!loaded.ok) return Start::Refused;
    if (!doc_->problems.empty())
        prompts_.showMessage(res::format(res::kLoadProblems, joinedProblems(doc_->problems)));
    doc_->showStartupNotice(prompts_);
    doc_->tidyExports(prompts_);

    window_ = std::make_unique<CMainFrame>(*doc_, prompts_);
    window_->show();
    window_->postDashboardRefresh();
    return Start::Opened;
}

int runZelvo(QApplication& app, QtPrompts& prompts) {
    // Before the first window, so that Qt's dialogs and menus are Greek from the start.
    installGreekTranslation(app);
    QApplication::setApplicationName(qtText(res::kProgramName));
    QApplication::setWindowIcon(programIcon());
    const QStringList args = QApplication::arguments();
    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith(QLatin1Char('-')))) {
        std::fprintf(stderr, "%s\n", res::kUsageDesktop.data());
        return kExitUsage;
    }
    const QString folder = QDir(args.size() == 2 ? args[1] : QDir::currentPath()).absolutePath();
    if (!QDir(folder).exists()) {
        const std::string message = res::format(res::kFolderMissing, utf8Text(folder));
        std::fprintf(stderr, "%s\n", message.c_str());
        prompts.showMessage(message);
        return kExitFolder;
    }
    // Files the program opens by bare name (and the file dialogs) start in the data folder.
    QDir::setCurrent(folder);

    SingleInstance instance(SingleInstance::editionKey());
    if (!instance.claim()) return 0;

    ZelvoApplication zelvo(prompts);
    switch (zelvo.start(folder, todayFromEnvironment())) {
        case ZelvoApplication::Start::Opened:
            break;
        case ZelvoApplication::Start::Refused:
            return 0;
        case ZelvoApplication::Start::Locked:
            return kExitLocked;
    }
    CMainFrame* window = zelvo.mainWindow();
    prompts.setParentWidget(window);
    QObject::connect(&instance, &SingleInstance::raiseRequested, window, &CMainFrame::bringToFront);
    // The backup offered on exit is the secretary's, not a measured start's.
    if (qEnvironmentVariableIntValue("ZELVO_EXIT_AFTER_SHOWN") != 1)
        window->setClosingStep([window] { offerBackupOnExit(*window); });
    if (qEnvironmentVariableIntValue("ZELVO_EXIT_AFTER_SHOWN") == 1) {
        QWindow* handle = window->windowHandle();
        if (handle != nullptr && !handle->isExposed())
            handle->installEventFilter(new ExitWhenShown(window));
        else
            QTimer::singleShot(0, window, &QWidget::close);
    }
    return app.exec();
}

}  // namespace zelvo::gui
