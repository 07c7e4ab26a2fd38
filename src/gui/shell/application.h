// The program's start: one copy per user, the data folder, the document loaded through the
// password gate, the start-up notice, the tidy of old exports, and the main window.
#pragma once

#include <QString>
#include <memory>

#include "store/calendar.h"

class QApplication;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class CMainFrame;
class QtPrompts;

class ZelvoApplication {
public:
    enum class Start { Opened, Refused };

    explicit ZelvoApplication(UserPrompts& prompts);
    ~ZelvoApplication();
    ZelvoApplication(const ZelvoApplication&) = delete;
    ZelvoApplication& operator=(const ZelvoApplication&) = delete;

    // Loads the data folder and shows the main window on the dashboard. Refused: the password
    // was not given; no window was made.
    Start start(const QString& folder, const Date& today);

    CZelvoDoc& doc() { return *doc_; }
    CMainFrame* mainWindow() const { return window_.get(); }

private:
    UserPrompts& prompts_;
    std::unique_ptr<CZelvoDoc> doc_;
    std::unique_ptr<CMainFrame> window_;
};

// All of the desktop program after QApplication: `zelvo [FOLDER]`. Returns the exit code.
int runZelvo(QApplication& app, QtPrompts& prompts);

}  // namespace zelvo::gui
