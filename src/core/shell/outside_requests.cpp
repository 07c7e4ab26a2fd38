#include "shell/outside_requests.h"

#include "resources/strings.h"
#include "shell/utf8_chars.h"

namespace zelvo {

namespace {

constexpr std::size_t kOriginatorMinChars = 4;

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::vector<MailRecipient> splitRecipients(std::string_view text) {
    std::vector<MailRecipient> recipients;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view part = trimmed(text.substr(start, end - start));
        if (!part.empty())
            recipients.push_back(
                {std::string(part), std::string(res::kMailAddressPrefix) + std::string(part)});
        start = end + 1;
    }
    return recipients;
}

}  // namespace

std::string dialDigits(std::string_view phoneText) {
    std::string digits;
    for (const char c : phoneText)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

MailRequest buildMailRequest(std::string_view recipients, std::string_view subject,
                             std::string_view body, std::string_view attachmentPath,
                             std::string_view attachmentName, std::string_view senderEmail,
                             MailOriginator originator) {
    MailRequest request;
    request.recipients = splitRecipients(recipients);
    request.subject = subject;
    request.body = body;
    if (!attachmentPath.empty()) {
        request.attachmentPath = attachmentPath;
        request.attachmentName = attachmentName;
        request.body += ' ';
    }
    const bool useSender = originator == MailOriginator::SenderEmail &&
                           utf8Chars(senderEmail).size() >= kOriginatorMinChars;
    request.originator =
        useSender ? std::string(senderEmail) : std::string(res::kProgramCallerName);
    return request;
}

std::string bareAddress(const MailRecipient& recipient) {
    const std::string_view prefix = res::kMailAddressPrefix;
    if (recipient.address.starts_with(prefix)) return recipient.address.substr(prefix.size());
    return recipient.address;
}

std::string editSenderEmail(std::string_view text) {
    const std::vector<std::string_view> chars = utf8Chars(text);
    std::string cut;
    bool atSeen = false;
    for (std::size_t i = 0; i < chars.size() && i < kSenderEmailMax; ++i) {
        if (chars[i] == "@" && !atSeen) {
            if (i > kSenderEmailLastAt) return {};
            atSeen = true;
        }
        cut += chars[i];
    }
    return atSeen ? cut : std::string();
}

}  // namespace zelvo
