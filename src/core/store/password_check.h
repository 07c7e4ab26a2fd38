// The password gate: the rules of the password dialog, without the dialog.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

inline constexpr std::size_t kPasswordMax = 13;

class PasswordCheck {
public:
    enum class Outcome { Pending, Passed, Refused };

    // `stored` is the header row's password (Windows-1253); a single blank means none is set.
    PasswordCheck(std::string stored, bool askingOld);

    // False when no password is set: the check passes without asking.
    bool needed() const { return stored_ != " "; }
    // The prompt line (UTF-8): enter the password, enter the old password, or wrong password.
    std::string prompt() const;

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
    bool askingOld_;
    bool wrongOnce_ = false;
    Outcome outcome_;
};

}  // namespace zelvo
