#include "gui/shell/outside_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/user_prompts.h"

namespace zelvo::gui {

namespace {

// xdg-email's exit status when it finds no mail program to hand the mail to.
constexpr int kNoMailProgram = 3;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The command line of a mail request, for xdg-email.
QStringList mailArguments(const MailRequest& request) {
    // xdg-email has no way to name the originator; the mail program uses its own account.
    QStringList args{QStringLiteral("--utf8")};
    if (!request.subject.empty()) args << QStringLiteral("--subject") << qtText(request.subject);
    if (!request.body.empty()) args << QStringLiteral("--body") << qtText(request.body);
    if (!request.attachmentPath.empty())
        args << QStringLiteral("--attach") << qtText(request.attachmentPath);
    for (const MailRecipient& r : request.recipients) args << qtText(bareAddress(r));
    return args;
}

}  // namespace

DesktopOutsideServices::DesktopOutsideServices(UserPrompts& prompts)
    : prompts_(prompts),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      mailProgram_(QStringLiteral("xdg-email")) {}

bool DesktopOutsideServices::dial(const std::string& digits, const std::string& name) {
    (void)name;  // a tel: address carries only the number
    if (digits.empty()) return false;
    if (openUrl_(QUrl(QStringLiteral("tel:") + qtText(digits)))) return true;
    prompts_.showMessage(res::kTelephoneUnavailable);
    return false;
}

bool DesktopOutsideServices::sendMail(const MailRequest& request) {
    QProcess process;
    process.setProgram(mailProgram_);
    process.setArguments(mailArguments(request));
    {
        const WaitCursor busy;
        process.start();
        if (process.waitForStarted()) {
            // Keep painting, but take no input until the mail program has taken the mail.
            QEventLoop loop;
            QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
            if (process.state() != QProcess::NotRunning)
                loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
    }
    if (process.error() == QProcess::FailedToStart ||
        (process.exitStatus() == QProcess::NormalExit && process.exitCode() == kNoMailProgram)) {
        prompts_.showMessage(res::kMailUnavailable);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        prompts_.showMessage(res::kMailFailed);
        return false;
    }
    return true;
}

}  // namespace zelvo::gui
