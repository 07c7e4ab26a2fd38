// Changing the password: the rules of the change dialog, and the whole change from the old
// password to the result message.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zelvo {

class CZelvoDoc;
class UserPrompts;

class PasswordChange {
public:
    enum class Result {
        Pending,
        Changed,     // a new password is stored
        Removed,     // confirmed empty or starting with a blank: no password any more
        NotChanged,  // the second entry differed, or the dialog was cancelled
        Unusable,    // the new password holds characters the data file cannot keep
    };

    // The prompt line (UTF-8): enter the new password, then enter it again.
    std::string prompt() const;
    // What the edit box should hold now (UTF-8): the typed text cut to 13 characters, and
    // empty again after the first OK.
    const std::string& editText() const { return editText_; }

    // Every change of the typed text (UTF-8). A 14th character cuts the text to 13 and counts
    // as OK.
    void textChanged(std::string_view typed);
    // The first OK remembers the text and asks again; the second ends the dialog.
    void okPressed(std::string_view typed);
    void cancelled();

    bool finished() const { return result_ != Result::Pending; }
    bool confirming() const { return confirming_; }
    Result result() const { return result_; }
    // The confirmed password in the form the header row keeps (Windows-1253); " " when removed.
    const std::string& newPassword() const { return newPassword_; }
    // The message that reports the result (UTF-8); empty while pending.
    std::string message() const;

    // Stores a confirmed change in the header row and marks the document modified. True when
    // the stored password changed.
    bool apply(CZelvoDoc& doc) const;

private:
    bool confirming_ = false;
    std::string first_;  // UTF-8, cut to 13 characters
    std::string editText_;
    std::string newPassword_;
    std::string unusable_;  // the characters that could not be stored, for the message
    Result result_ = Result::Pending;

    void finishFirst(const std::string& typed);
    void finishSecond(const std::string& typed);
};

// The password command: asks for the old password when one is set (a refusal ends the change
// silently), then runs the change dialog over a fresh model through `runDialog` and reports
// the result through `prompts`. True when the stored password changed.
bool changePassword(CZelvoDoc& doc, UserPrompts& prompts,
                    const std::function<void(PasswordChange&)>& runDialog);

}  // namespace zelvo
