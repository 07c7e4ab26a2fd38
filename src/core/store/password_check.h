// The password gate: the rules of the password dialog, without the dialog.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

inline constexpr std::size_t kPasswordMax = 13;

class PasswordCheck {
public:
    enum class Outcome { Pending, Passed, Refused };
    // What the check guards, which is what a refusal costs.
    enum class Gate {
        OpenData,        // the load of the live data: a refusal ends the program
        OpenMonthCopy,   // a month copy: a refusal goes back to the live data
        ChangePassword,  // the old password before a change: a refusal cancels the change
    };

    // `stored` is the header row's password (Windows-1253); a single blank means none is set.
    PasswordCheck(std::string stored, Gate gate);

    // False when no password is set: the check passes without asking.
    bool needed() const { return stored_ != " "; }
    // The prompt line (UTF-8): enter the password, enter the old password, or wrong password.
    std::string prompt() const;
    // After one wrong OK the next keystroke or OK decides: the last try.
    bool lastTry() const { return wrongOnce_ && outcome_ == Outcome::Pending; }
    // The line under the box during the last try: what a wrong one costs at this gate (UTF-8).
    std::string lastTryWarning() const;
    // Said once before the program ends, when the gate of the live data refused (UTF-8); empty
    // otherwise.
    std::string endMessage() const;

    // Every change of the typed text (UTF-8). The right password passes at once; a text longer
    // than 13 characters counts as OK. After one wrong OK any change ends the check.
    Outcome textChanged(std::string_view typed);
    Outcome okPressed(std::string_view typed);
    // Escape or the close box.
    Outcome cancelled();

    Outcome outcome() const { return outcome_; }
    bool wrongOnce() const { return wrongOnce_; }

private:
    std::string stored_;
    Gate gate_;
    bool wrongOnce_ = false;
    Outcome outcome_;
};

}  // namespace zelvo
