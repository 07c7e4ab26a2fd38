// The rules of dialing and mail: which digits are dialed, how recipients, originator and
// attachment are made, and how the sender address is kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/outside_requests.h"

namespace zelvo {
namespace {

TEST(DialDigits, KeepsOnlyTheDigits) {
    EXPECT_EQ(dialDigits("(210) 123-45 67"), "2101234567");
    EXPECT_EQ(dialDigits("+30 697.123.4567"), "306971234567");
    EXPECT_EQ(dialDigits("τηλ. 210/55 55 55 εσωτ. 12"), "21055555512");
    EXPECT_EQ(dialDigits(""), "");
    EXPECT_EQ(dialDigits(" - () "), "") << "nothing to dial";
    EXPECT_EQ(dialDigits("٣٤"), "") << "only the digits 0-9";
}

MailRequest mailTo(std::string_view recipients) {
    return buildMailRequest(recipients, "Θέμα", "Κείμενο", "", "", "", MailOriginator::Program);
}

TEST(MailRequest, OneRecipientPerAddressBetweenSemicolons) {
    const MailRequest two = mailTo("anna@example.gr;nikos@example.gr");
    EXPECT_EQ(two.recipients, (std::vector<MailRecipient>{
                                  {"anna@example.gr", "SMTP:anna@example.gr"},
                                  {"nikos@example.gr", "SMTP:nikos@example.gr"},
                              }));
    EXPECT_EQ(bareAddress(two.recipients[1]), "nikos@example.gr");

    const MailRequest untidy = mailTo("  anna@example.gr ; ;nikos@example.gr;");
    ASSERT_EQ(untidy.recipients.size(), 2u);
    EXPECT_EQ(untidy.recipients[0].displayName, "anna@example.gr");
    EXPECT_EQ(untidy.recipients[1].address, "SMTP:nikos@example.gr");

    EXPECT_TRUE(mailTo("").recipients.empty());
    EXPECT_TRUE(mailTo(" ; ").recipients.empty());
    EXPECT_EQ(mailTo("solo@example.gr").recipients.size(), 1u);
}

TEST(MailRequest, TheSenderNamesTheMailOnlyWhenItHasFourCharacters) {
    auto from = [](std::string_view sender, MailOriginator who) {
        return buildMailRequest("a@b.gr", "", "", "", "", sender, who).originator;
    };
    EXPECT_EQ(from("a@b", MailOriginator::SenderEmail), "ZELVO");
    EXPECT_EQ(from("", MailOriginator::SenderEmail), "ZELVO");
    EXPECT_EQ(from("a@bc", MailOriginator::SenderEmail), "a@bc");
    EXPECT_EQ(from("αβγ", MailOriginator::SenderEmail), "ZELVO") << "characters, not bytes";
    EXPECT_EQ(from("sec@example.gr", MailOriginator::Program), "ZELVO")
        << "the collection-file mail always comes from the program";
}

TEST(MailRequest, TheAttachmentTakesOneBlankAtTheEndOfTheBody) {
    const MailRequest with =
        buildMailRequest("a@b.gr", "Αναφορές", "Καλησπέρα", "/data/Exports/Ομάδα 1.z09",
                         "Ομάδα 1.z09", "", MailOriginator::Program);
    EXPECT_EQ(with.body, "Καλησπέρα ");
    EXPECT_EQ(with.attachmentPath, "/data/Exports/Ομάδα 1.z09");
    EXPECT_EQ(with.attachmentName, "Ομάδα 1.z09");
    EXPECT_EQ(with.subject, "Αναφορές");

    const MailRequest without = buildMailRequest("a@b.gr", "Αναφορές", "Καλησπέρα", "", "ignored",
                                                 "", MailOriginator::Program);
    EXPECT_EQ(without.body, "Καλησπέρα");
    EXPECT_EQ(without.attachmentPath, "");
    EXPECT_EQ(without.attachmentName, "");
}

TEST(SenderEmail, CutToFiftyAndEmptiedWithoutAUsableAtSign) {
    EXPECT_EQ(editSenderEmail("secretary@example.gr"), "secretary@example.gr");
    EXPECT_EQ(editSenderEmail("no at sign"), "");
    EXPECT_EQ(editSenderEmail(""), "");

    const std::string longAddress = "sec@" + std::string(60, 'x');
    EXPECT_EQ(editSenderEmail(longAddress), longAddress.substr(0, kSenderEmailMax));

    const std::string at47 = std::string(47, 'a') + "@bc";
    EXPECT_EQ(editSenderEmail(at47), at47);
    EXPECT_EQ(editSenderEmail(std::string(48, 'a') + "@bc"), "");
    EXPECT_EQ(editSenderEmail(std::string(55, 'a') + "@bc"), "") << "the @ is beyond the cut";
    EXPECT_EQ(editSenderEmail("a@" + std::string(46, 'b') + "@c"),
              "a@" + std::string(46, 'b') + "@c")
        << "only the first @ counts";

    const std::string greek = "γραμματέας@" + std::string(60, 'x');
    const std::string kept = editSenderEmail(greek);
    EXPECT_EQ(kept, "γραμματέας@" + std::string(39, 'x')) << "fifty characters, not bytes";
}

}  // namespace
}  // namespace zelvo
