// Passes every question on to the real prompts and remembers how the last password check ended,
// so that the window can tell when reloading the live data was refused at the password gate.
#pragma once

#include "store/password_check.h"
#include "store/user_prompts.h"

namespace zelvo::gui {

class PasswordGateWatch : public UserPrompts {
public:
    explicit PasswordGateWatch(UserPrompts& inner) : inner_(inner) {}

    void forget() { lastRefused_ = false; }
    bool lastCheckRefused() const { return lastRefused_; }

    void showMessage(std::string_view text) override { inner_.showMessage(text); }
    Answer askYesNoCancel(std::string_view text) override { return inner_.askYesNoCancel(text); }
    bool askYesNo(std::string_view text) override { return inner_.askYesNo(text); }
    Answer askYesNoCancelDefaultNo(std::string_view text) override {
        return inner_.askYesNoCancelDefaultNo(text);
    }
    bool askOkCancel(std::string_view text) override { return inner_.askOkCancel(text); }
    bool runPasswordCheck(PasswordCheck& check) override {
        const bool passed = inner_.runPasswordCheck(check);
        lastRefused_ = !passed;
        return passed;
    }
    void showStartupNotice(std::string_view text) override { inner_.showStartupNotice(text); }
    std::vector<std::string> chooseExportsToDelete(const std::vector<std::string>& files) override {
        return inner_.chooseExportsToDelete(files);
    }
    std::string chooseSaveFile(std::string_view title, std::string_view suggested,
                               std::string_view filter) override {
        return inner_.chooseSaveFile(title, suggested, filter);
    }
    void beginWait(std::string_view text) override { inner_.beginWait(text); }
    void endWait() override { inner_.endWait(); }

private:
    UserPrompts& inner_;
    bool lastRefused_ = false;
};

}  // namespace zelvo::gui
