// What the program asks of the telephone and mail services: the number to dial, the mail to
// send, and the sender address the secretary keeps in the settings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// Only the digits 0-9 of a phone text are dialed; an empty result means nothing to dial.
std::string dialDigits(std::string_view phoneText);

struct MailRecipient {
    std::string displayName;  // the address as written
    std::string address;      // "SMTP:" and the address
    friend bool operator==(const MailRecipient&, const MailRecipient&) = default;
};

struct MailRequest {
    std::vector<MailRecipient> recipients;
    std::string subject;
    std::string body;  // ends with one blank per attachment, where the attachment is placed
    std::string attachmentPath;
    std::string attachmentName;
    std::string originator;
};

// Who the mail says it comes from: the secretary's address (when it looks like one), or
// always the program, as the collection-file mail does.
enum class MailOriginator { SenderEmail, Program };

// Texts are UTF-8. `recipients` holds addresses separated by ";"; blanks around them and
// empty parts are dropped. No attachment when `attachmentPath` is empty.
MailRequest buildMailRequest(std::string_view recipients, std::string_view subject,
                             std::string_view body, std::string_view attachmentPath,
                             std::string_view attachmentName, std::string_view senderEmail,
                             MailOriginator originator);

// The bare address of a recipient, without its "SMTP:" prefix.
std::string bareAddress(const MailRecipient& recipient);

inline constexpr std::size_t kSenderEmailMax = 50;
inline constexpr std::size_t kSenderEmailLastAt = 47;

// The sender address as the settings keep it (UTF-8): cut to 50 characters, and emptied when
// it has no "@" or its first "@" comes after position 47 (counted from 0).
std::string editSenderEmail(std::string_view text);

}  // namespace zelvo
