// The services outside the program: dialing a telephone number and handing a mail to the
// desktop's mail program. Callers use the interface, so tests can stand in for the desktop.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <string>

#include "shell/outside_requests.h"

namespace zelvo {
class UserPrompts;
}

namespace zelvo::gui {

class OutsideServices {
public:
    virtual ~OutsideServices() = default;
    // `digits` as dialDigits gives them; `name` is the person called. True when handed over.
    virtual bool dial(const std::string& digits, const std::string& name) = 0;
    virtual bool sendMail(const MailRequest& request) = 0;
};

// Dialing opens a "tel:" address with the desktop's handler; mail runs xdg-email with the
// attachment. Failures are reported through `prompts` with the program's own messages.
class DesktopOutsideServices : public OutsideServices {
public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit DesktopOutsideServices(UserPrompts& prompts);

    bool dial(const std::string& digits, const std::string& name) override;
    bool sendMail(const MailRequest& request) override;

    // Stand-ins for the desktop, for tests.
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }
    void setMailProgram(const QString& program) { mailProgram_ = program; }

private:
    UserPrompts& prompts_;
    UrlOpener openUrl_;
    QString mailProgram_;
};

}  // namespace zelvo::gui
