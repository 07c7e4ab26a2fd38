// The program's start: one copy per user, the data folder, the document loaded through the
// password gate, the start-up notice, the tidy of old exports, and the main window.
#pragma once

#include <QString>
#include <memory>

#include "store/calendar.h"

class QApplication;

namespace zelvo {
class CZelvoDoc;
class FolderLock;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class CMainFrame;
class QtPrompts;

class ZelvoApplication {
public:
    // Refused: the password was not given. Locked: another program has the folder open for
    // writing. In both cases no window was made.
    enum class Start { Opened, Refused, Locked };

    explicit ZelvoApplication(UserPrompts& prompts);
    ~ZelvoApplication();
    ZelvoApplication(const ZelvoApplication&) = delete;
    ZelvoApplication& operator=(const ZelvoApplication&) = delete;

    // Locks the data folder for this session, loads it and shows the main window on the
    // dashboard.
    Start start(const QString& folder, const Date& today);

    CZelvoDoc& doc() { return *doc_; }
    CMainFrame* mainWindow() const { return window_.get(); }

private:
    UserPrompts& prompts_;
    std::unique_ptr<FolderLock> lock_;
    std::unique_ptr<CZelvoDoc> doc_;
    std::unique_ptr<CMainFrame> window_;
};

// All of the desktop program after QApplication: `zelvo [FOLDER]`. Returns the exit code.
int runZelvo(QApplication& app, QtPrompts& prompts);

}  // namespace zelvo::gui
