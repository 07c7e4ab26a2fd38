// Changing the password: the two entries of the change dialog, the 13-character limit, removal,
// characters the data file cannot keep, and the whole command from the old password to the
// stored result.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/strings.h"
#include "shell/password_change.h"
#include "shell/utf8_chars.h"
#include "store/cp1253.h"
#include "store/password_check.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using Result = PasswordChange::Result;

const std::string kNewPrompt(res::kPasswordNewPrompt);
const std::string kAgainPrompt =
    std::string(res::kPasswordNewPrompt) + " " + std::string(res::kPasswordTryAgain);

// Types `text` one character at a time, as the edit box reports it.
void typeInto(PasswordChange& change, const std::string& text) {
    std::string shown = change.editText();
    for (std::string_view c : utf8Chars(text)) {
        if (change.finished()) return;
        shown += c;
        change.textChanged(shown);
        shown = change.editText();
    }
}

Result enterTwice(const std::string& first, const std::string& second,
                  PasswordChange* out = nullptr) {
    PasswordChange local;
    PasswordChange& change = out ? *out : local;
    change.okPressed(first);
    change.okPressed(second);
    return change.result();
}

// ---------------------------------------------------------------- the dialog's model

TEST(PasswordChange, AsksForTheNewPasswordThenForItAgainInAnEmptyBox) {
    PasswordChange change;
    EXPECT_EQ(change.prompt(), kNewPrompt);
    typeInto(change, "abc");
    EXPECT_EQ(change.editText(), "abc");
    change.okPressed("abc");
    EXPECT_FALSE(change.finished());
    EXPECT_TRUE(change.confirming());
    EXPECT_EQ(change.prompt(), "Δώσε νέο Κωδικό Ξαναπροσπάθησε.");
    EXPECT_EQ(change.prompt(), kAgainPrompt);
    EXPECT_EQ(change.editText(), "");
    change.okPressed("abc");
    EXPECT_EQ(change.result(), Result::Changed);
    EXPECT_EQ(change.newPassword(), "abc");
    EXPECT_EQ(change.message(), "Ο Κωδικός έχει αλλάξει.");
}

TEST(PasswordChange, OnlyAnEqualSecondEntryConfirms) {
    EXPECT_EQ(enterTwice("secret", "secret"), Result::Changed);
    EXPECT_EQ(enterTwice("secret", "Secret"), Result::NotChanged) << "exact comparison";
    EXPECT_EQ(enterTwice("secret", "secre"), Result::NotChanged);
    EXPECT_EQ(enterTwice("secret", ""), Result::NotChanged);
    PasswordChange change;
    enterTwice("secret", "other", &change);
    EXPECT_EQ(change.message(), "Ο Κωδικός ΔΕΝ έχει αλλάξει.");
    EXPECT_EQ(change.newPassword(), "");
}

TEST(PasswordChange, CancelAtEitherEntryChangesNothing) {
    PasswordChange atFirst;
    typeInto(atFirst, "abc");
    atFirst.cancelled();
    EXPECT_EQ(atFirst.result(), Result::NotChanged);

    PasswordChange atSecond;
    atSecond.okPressed("abc");
    typeInto(atSecond, "abc");
    EXPECT_FALSE(atSecond.finished()) << "the second entry needs OK";
    atSecond.cancelled();
    EXPECT_EQ(atSecond.result(), Result::NotChanged);
    EXPECT_EQ(atSecond.message(), std::string(res::kPasswordNotChanged));

    PasswordChange done;
    enterTwice("abc", "abc", &done);
    done.cancelled();
    EXPECT_EQ(done.result(), Result::Changed) << "closing after the end keeps the result";
}

TEST(PasswordChange, AFourteenthCharacterCutsToThirteenAndActsAsOk) {
    PasswordChange change;
    typeInto(change, "abcdefghijklm");
    EXPECT_FALSE(change.confirming()) << "13 characters are still being typed";
    EXPECT_EQ(change.editText(), "abcdefghijklm");
    typeInto(change, "n");
    EXPECT_TRUE(change.confirming());
    EXPECT_EQ(change.editText(), "");
    typeInto(change, "abcdefghijklmnopqrst");  // 20 characters: the 14th ends it
    EXPECT_EQ(change.result(), Result::Changed);
    EXPECT_EQ(change.newPassword(), "abcdefghijklm");

    PasswordChange pasted;
    pasted.textChanged("12345678901234567890");
    EXPECT_TRUE(pasted.confirming()) << "a pasted long text counts as OK too";
    pasted.okPressed("12345678901234567890");
    EXPECT_EQ(pasted.newPassword(), "1234567890123");
}

TEST(PasswordChange, CountsGreekLettersAsOneCharacterEach) {
    PasswordChange change;
    const std::string thirteen = "αβγδεζηθικμνξ";
    typeInto(change, thirteen);
    EXPECT_FALSE(change.confirming());
    typeInto(change, "ο");
    ASSERT_TRUE(change.confirming());
    typeInto(change, thirteen + "ο");
    EXPECT_EQ(change.result(), Result::Changed);
    EXPECT_EQ(change.newPassword(), cp1253::fromUtf8(thirteen));
    EXPECT_EQ(change.newPassword().size(), kPasswordMax);
}

TEST(PasswordChange, EmptyOrLeadingBlankRemovesThePassword) {
    for (const std::string typed : {"", " ", " secret", "  "}) {
        PasswordChange change;
        EXPECT_EQ(enterTwice(typed, typed, &change), Result::Removed) << "'" << typed << "'";
        EXPECT_EQ(change.newPassword(), " ");
        EXPECT_EQ(change.message(), "Ο Κωδικός απενεργοποιήθηκε.");
    }
    EXPECT_EQ(enterTwice("secret ", "secret "), Result::Changed) << "a trailing blank is kept";
}

TEST(PasswordChange, RefusesCharactersTheDataFileCannotKeep) {
    // An upper-case Λ (byte 203) in second place would be stored as a zero byte and end the
    // text there; the same letter first, or in lower case, is kept.
    PasswordChange change;
    typeInto(change, "aΛpha");
    change.okPressed(change.editText());
    EXPECT_EQ(change.result(), Result::Unusable) << "refused at the first entry";
    const std::string message = change.message();
    EXPECT_NE(message.find("«Λ» (θέση 2)"), std::string::npos) << message;
    EXPECT_NE(message.find("Ο Κωδικός ΔΕΝ έχει αλλάξει."), std::string::npos) << message;
    PasswordChange none;
    none.okPressed("aΛpha");
    EXPECT_EQ(none.newPassword(), "");

    EXPECT_EQ(enterTwice("Λapha", "Λapha"), Result::Changed);
    EXPECT_EQ(enterTwice("aλpha", "aλpha"), Result::Changed);
    EXPECT_EQ(enterTwice("Μαρία1963", "Μαρία1963"), Result::Changed);
}

TEST(PasswordChange, RefusesCharactersOutsideTheGreekCodePage) {
    PasswordChange change;
    change.okPressed("abЖ€d");  // € is in the code page, Ж is not
    ASSERT_EQ(change.result(), Result::Unusable);
    EXPECT_NE(change.message().find("«Ж» (θέση 3)"), std::string::npos) << change.message();
    EXPECT_EQ(change.message().find("«€»"), std::string::npos) << change.message();

    PasswordChange several;
    several.okPressed("xΛΚЖ");
    EXPECT_NE(several.message().find("«Λ» (θέση 2), «Κ» (θέση 3), «Ж» (θέση 4)"), std::string::npos)
        << several.message();

    EXPECT_EQ(enterTwice(" ΛΚЖ", " ΛΚЖ"), Result::Removed) << "nothing of it is stored";
}

// ---------------------------------------------------------------- the command

class RecordingPrompts : public ScriptedPrompts {
public:
    int passwordDialogs = 0;
    bool runPasswordCheck(PasswordCheck& check) override {
        ++passwordDialogs;
        prompt = check.prompt();
        return ScriptedPrompts::runPasswordCheck(check);
    }
    std::string prompt;
};

// A change dialog that enters the given texts with OK, one by one.
std::function<void(PasswordChange&)> entering(std::vector<std::string> texts, int* runs) {
    return [texts = std::move(texts), runs](PasswordChange& change) {
        ++*runs;
        for (const std::string& t : texts) {
            if (change.finished()) break;
            change.okPressed(t);
        }
    };
}

TEST(ChangePassword, WithNoPasswordSetAsksOnlyForTheNewOneTwice) {
    CZelvoDoc doc;
    RecordingPrompts prompts;
    int runs = 0;
    EXPECT_TRUE(changePassword(doc, prompts, entering({"secret", "secret"}, &runs)));
    EXPECT_EQ(prompts.passwordDialogs, 0) << "no old password to ask for";
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(doc.header().password(), "secret");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Ο Κωδικός έχει αλλάξει."});
}

TEST(ChangePassword, AsksForTheOldPasswordFirstAndAWrongOneEndsSilently) {
    CZelvoDoc doc;
    doc.header().setText(PublisherRecord::kFirstName, "old");
    RecordingPrompts prompts;
    prompts.passwordAttempts = {"wrong", "still"};
    int runs = 0;
    EXPECT_FALSE(changePassword(doc, prompts, entering({"new", "new"}, &runs)));
    EXPECT_EQ(prompts.passwordDialogs, 1);
    EXPECT_EQ(prompts.prompt, "Δώσε τον παλιό Κωδικό");
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(doc.header().password(), "old");
    EXPECT_FALSE(doc.isModified());
}

TEST(ChangePassword, ReportsARefusalAndLeavesTheDocumentAlone) {
    CZelvoDoc doc;
    doc.header().setText(PublisherRecord::kFirstName, "old");
    RecordingPrompts prompts;
    prompts.passwordAttempts = {"old"};
    int runs = 0;
    EXPECT_FALSE(changePassword(doc, prompts, entering({"new"}, &runs)));  // then closed
    EXPECT_EQ(doc.header().password(), "old");
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Ο Κωδικός ΔΕΝ έχει αλλάξει."});
}

TEST(ChangePassword, TheNewPasswordOpensTheSavedFolderAndOnlyIt) {
    test::TestFolder folder;
    constexpr Date kToday{2025, 2, 3};
    {
        CZelvoDoc doc;
        ASSERT_TRUE(test::openDoc(doc, folder, kToday).ok);
        test::addPeople(doc, {test::person(120, "Anna", "Alpha")});
        RecordingPrompts prompts;
        int runs = 0;
        ASSERT_TRUE(changePassword(doc, prompts, entering({"Κλειδί204Ϊ", "Κλειδί204Ϊ"}, &runs)));
        ASSERT_TRUE(doc.saveAll(prompts).ok);
    }
    for (const auto& [typed, opens] :
         std::vector<std::pair<std::string, bool>>{{"Κλειδί204Ϊ", true}, {"κλειδί204ϊ", false}}) {
        CZelvoDoc doc;
        RecordingPrompts prompts;
        prompts.passwordAttempts = {typed};
        doc.startUp(folder.str(), kToday, LoadMode::ReadOnly);
        EXPECT_EQ(doc.load(prompts, LoadMode::ReadOnly).ok, opens) << typed;
        EXPECT_EQ(prompts.passwordDialogs, 1);
    }
}

}  // namespace
}  // namespace zelvo
