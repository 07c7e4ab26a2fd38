// Shared by the shell's GUI tests: data folders written by the demo generator into temporary
// folders, a fixed "today", and a way to act on a modal dialog once it runs.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "demo/demo_congregation.h"
#include "gui/shell/main_window.h"
#include "store/calendar.h"
#include "store/cp1253.h"
#include "store/publisher_record.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::test {

// 8 December 2026: the report month is November 2026 (index 10).
inline constexpr Date kToday{2026, 12, 8};
inline constexpr int kLiveReportMonth = 10;

// A data folder for one test, removed afterwards. Empty, or a demo congregation.
class DataFolder {
public:
    DataFolder() { dir_.setAutoRemove(true); }
    explicit DataFolder(int people) : DataFolder() {
        demo::DemoOptions options;
        options.people = people;
        options.today = kToday;
        written_ = demo::writeDemoCongregation(str(), options);
    }
    bool ok() const { return dir_.isValid() && written_; }
    QString path() const { return dir_.path(); }
    std::string str() const { return dir_.path().toStdString(); }
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    bool exists(const QString& name) const { return QFile::exists(file(name)); }

    // Loads the folder, lets `change` work on the document, and saves it.
    void change(const std::function<void(CZelvoDoc&)>& change, const std::string& password = {}) {
        CZelvoDoc doc;
        ScriptedPrompts prompts;
        if (!password.empty()) prompts.passwordAttempts = {password};
        doc.startUp(str(), kToday, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
        change(doc);
        QVERIFY(doc.saveAll(prompts).ok);
        doc.closeDocument();
    }
    // `password` in UTF-8; the header row keeps it in Windows-1253.
    void setPassword(const std::string& password) {
        change([&](CZelvoDoc& doc) {
            doc.header().setText(PublisherRecord::kFirstName, cp1253::fromUtf8(password));
        });
    }

private:
    QTemporaryDir dir_;
    bool written_ = true;
};

// Acts on the next modal dialog as soon as its exec() runs; gives up after `timeoutMs`.
inline void whenModal(std::function<void(QWidget*)> act, int timeoutMs = 5000) {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, clock, poll, timeoutMs] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            act(modal);
            *poll = nullptr;  // break the cycle
            return;
        }
        if (clock->elapsed() < timeoutMs) QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

// Asks for the activation of `window` until it is the application's active window: on a busy
// machine the activation of the window under it may arrive later and take it back.
// (QTest::qWaitForWindowActive is not enough: a dialog counts as active while its parent is.)
// False when it does not stay active within `timeoutMs`.
inline bool activate(QWidget* window, int timeoutMs = 3000) {
    const auto active = [window] { return QApplication::activeWindow() == window->window(); };
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        window->activateWindow();
        if (!QTest::qWaitFor(active, 50)) continue;
        QTest::qWait(20);  // an activation still on its way lands here
        if (active()) return true;
    }
    return false;
}

// A document loaded as the program loads it, with its main window on the dashboard. The
// prompts answer from their lists; `beforeWindow` may change the document first.
struct WindowSession {
    ScriptedPrompts prompts;
    CZelvoDoc doc;
    std::unique_ptr<gui::CMainFrame> window;
    bool loaded = false;

    explicit WindowSession(const DataFolder& folder,
                           const std::function<void(CZelvoDoc&)>& beforeWindow = {},
                           const std::string& password = {}) {
        if (!password.empty()) prompts.passwordAttempts = {password};
        doc.startUp(folder.str(), kToday, LoadMode::Live);
        loaded = doc.load(prompts, LoadMode::Live).ok;
        if (beforeWindow) beforeWindow(doc);
        window = std::make_unique<gui::CMainFrame>(doc, prompts);
        window->show();
        loaded = activate(window.get()) && loaded;
        window->postDashboardRefresh();
        QCoreApplication::processEvents();
    }
};

}  // namespace zelvo::test
