// The file forms of text: the shift of zdat9.bin and xten7.dat, the byte-204 exception, the
// repair of texts a shifted field cannot hold, and the XOR of the group table.
#include "store/text_form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "store/cp1253.h"
#include "store/publisher_record.h"
#include "store/side_records.h"

namespace zelvo {
namespace {

constexpr std::size_t kEverywhere = static_cast<std::size_t>(-1);

// What the file form does to character `c` at `position`, worked out from the rule itself:
// store c + (position + 52); a byte 204 in an excepted position stays as it is both ways.
bool expectedToSurvive(unsigned c, std::size_t position, std::size_t exceptionBelow) {
    const unsigned shifted = static_cast<unsigned>((c + position + 52) % 256);
    const bool excepted = position < exceptionBelow;
    if (excepted && c == 204) return true;
    if (shifted == 0) return false;                // would end the text
    if (excepted && shifted == 204) return false;  // would come back as 204
    return true;
}

Byte expectedFileByte(unsigned c, std::size_t position, std::size_t exceptionBelow) {
    if (position < exceptionBelow && c == 204) return 204;
    return static_cast<Byte>((c + position + 52) % 256);
}

std::string roundTrip(std::string_view text, std::size_t width, ShiftForm form,
                      std::vector<Byte>* fileForm = nullptr) {
    std::vector<Byte> field(width, 0);
    writeText(field.data(), width, text);
    shiftToFile(field.data(), width, form);
    if (fileForm) *fileForm = field;
    shiftFromFile(field.data(), width, form);
    return readText(field.data(), width);
}

struct FieldKind {
    const char* name;
    std::size_t width;  // holds width - 1 characters
    ShiftForm form;
    std::size_t exceptionBelow;
};

void PrintTo(const FieldKind& k, std::ostream* os) {
    *os << k.name;
}

const FieldKind kFieldKinds[] = {
    {"firstName", 21, kNameShift, kEverywhere},
    {"lastName", 21, kNameShift, kEverywhere},
    {"address", 63, kAddressShift, 30},
    {"phone", 15, kPlainShift, 0},
    {"date", 9, kPlainShift, 0},
    {"xtenFullName", 65, kPlainShift, 0},
    {"xtenEmail", 51, kPlainShift, 0},
    {"xtenOtherContact", 72, kPlainShift, 0},
};

// Character `c` at `position` in a text of filler letters ('a' survives everywhere).
std::string textWith(unsigned char c, std::size_t position, std::size_t width) {
    std::string t(position, 'a');
    t += static_cast<char>(c);
    if (position + 1 < width - 1) t += 'a';
    return t;
}

class EveryCharacterAtEveryPosition : public ::testing::TestWithParam<FieldKind> {};

TEST_P(EveryCharacterAtEveryPosition, SurvivesShiftAtAgreesWithARealRoundTrip) {
    const FieldKind k = GetParam();
    int failures = 0;
    for (std::size_t pos = 0; pos + 1 < k.width && failures < 10; ++pos) {
        for (unsigned c = 1; c <= 255 && failures < 10; ++c) {
            const auto ch = static_cast<unsigned char>(c);
            const std::string text = textWith(ch, pos, k.width);
            std::vector<Byte> file;
            const bool survived = roundTrip(text, k.width, k.form, &file) == text;
            const bool expected = expectedToSurvive(c, pos, k.exceptionBelow);
            const bool claimed = survivesShiftAt(ch, pos, k.form);
            if (survived != expected || claimed != expected ||
                file[pos] != expectedFileByte(c, pos, k.exceptionBelow)) {
                ADD_FAILURE() << k.name << " byte " << c << " at " << pos << ": round trip "
                              << survived << ", survivesShiftAt " << claimed << ", expected "
                              << expected << ", file byte " << int(file[pos]);
                ++failures;
            }
        }
    }
}

TEST_P(EveryCharacterAtEveryPosition, RepairChangesOnlyOffendingCharactersAndAlwaysRoundTrips) {
    const FieldKind k = GetParam();
    int failures = 0;
    for (std::size_t pos = 0; pos + 1 < k.width && failures < 10; ++pos) {
        for (unsigned c = 1; c <= 255 && failures < 10; ++c) {
            const auto ch = static_cast<unsigned char>(c);
            const std::string text = textWith(ch, pos, k.width);
            const std::string repaired = repairForShift(text, k.form);
            auto fail = [&](const char* why) {
                ADD_FAILURE() << k.name << " byte " << c << " at " << pos << ": " << why << " (got "
                              << int(static_cast<unsigned char>(repaired[pos])) << ")";
                ++failures;
            };
            if (repaired.size() != text.size()) {
                fail("length changed");
                continue;
            }
            if (roundTrip(repaired, k.width, k.form) != repaired ||
                !survivesShift(repaired, k.form))
                fail("repaired text does not round-trip");
            for (std::size_t i = 0; i < text.size(); ++i)
                if (i != pos && repaired[i] != text[i]) fail("a good character was changed");
            const auto got = static_cast<unsigned char>(repaired[pos]);
            if (expectedToSurvive(c, pos, k.exceptionBelow)) {
                if (got != ch) fail("a surviving character was changed");
                continue;
            }
            if (got == ch) fail("offending character kept");
            const unsigned char lower = cp1253::toLower(ch);
            if (cp1253::isUpper(ch) && expectedToSurvive(lower, pos, k.exceptionBelow)) {
                if (got != lower) fail("upper-case letter not turned into its lower case");
            } else if (!cp1253::isUpper(ch)) {
                int nearest = 256;
                for (unsigned v = 1; v <= 255; ++v)
                    if (expectedToSurvive(v, pos, k.exceptionBelow))
                        nearest = std::min(nearest, std::abs(int(v) - int(c)));
                if (std::abs(int(got) - int(c)) != nearest) fail("not the nearest surviving byte");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FieldKinds, EveryCharacterAtEveryPosition,
                         ::testing::ValuesIn(kFieldKinds),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ShiftForm, StoresEachByteShiftedByItsPositionPlus52) {
    std::vector<Byte> f(21, 0);
    writeText(f.data(), f.size(), "Ab");
    shiftToFile(f.data(), f.size(), kNameShift);
    EXPECT_EQ(f[0], 65 + 52);
    EXPECT_EQ(f[1], (98 + 53) % 256);
    EXPECT_EQ(f[2], 0);
    shiftFromFile(f.data(), f.size(), kNameShift);
    EXPECT_EQ(readText(f.data(), f.size()), "Ab");

    // The header's "A" becomes the 'u' that marks a table in its file form.
    std::vector<Byte> h(21, 0);
    writeText(h.data(), h.size(), "A");
    shiftToFile(h.data(), h.size(), kNameShift);
    EXPECT_EQ(h[0], 'u');
}

TEST(ShiftForm, ForcesTheTerminatorInTheFieldsLastByte) {
    std::vector<Byte> f(21, 'a');
    shiftToFile(f.data(), f.size(), kNameShift);
    EXPECT_EQ(f[20], 0);
    shiftFromFile(f.data(), f.size(), kNameShift);
    EXPECT_EQ(readText(f.data(), f.size()), std::string(20, 'a'));
}

TEST(ShiftForm, FileTextEndsAtItsFirstZeroByte) {
    std::vector<Byte> f = {117, 0, 99, 99, 0, 0, 0, 0, 0};
    shiftFromFile(f.data(), f.size(), kPlainShift);
    EXPECT_EQ(readText(f.data(), f.size()), "A");
}

TEST(ShiftForm, Byte204InNamesAndTheStartOfTheAddress) {
    const std::string mu = "\xCC";  // upper-case Μ is the byte 204
    std::vector<Byte> file;
    // Left as it is in a name, at any position.
    EXPECT_EQ(roundTrip(mu + "ar" + mu, 21, kNameShift, &file), mu + "ar" + mu);
    EXPECT_EQ(file[0], 204);
    EXPECT_EQ(file[3], 204);
    // Shifted normally past position 29 of the address: 204 + 35 + 52 = 291.
    const std::string addr = std::string(35, 'a') + mu;
    EXPECT_EQ(roundTrip(addr, 63, kAddressShift, &file), addr);
    EXPECT_EQ(file[35], 35);
    // A character whose shifted form is 204: lost before position 30, kept from 30 on.
    EXPECT_FALSE(survivesShiftAt('{', 29, kAddressShift));  // 123 + 81 = 204
    EXPECT_TRUE(survivesShiftAt('z', 30, kAddressShift));   // 122 + 82 = 204
    const std::string lost = std::string(29, 'a') + "{";
    EXPECT_EQ(roundTrip(lost, 63, kAddressShift), std::string(29, 'a') + "\xCC");
    const std::string kept = std::string(30, 'a') + "z";
    EXPECT_EQ(roundTrip(kept, 63, kAddressShift, &file), kept);
    EXPECT_EQ(file[30], 204);
    // In names the same collision happens at every position (151 + 53 = 204).
    EXPECT_FALSE(survivesShiftAt(151, 1, kNameShift));
    EXPECT_TRUE(survivesShiftAt(151, 1, kPlainShift));
}

TEST(ShiftForm, UpperCaseLambdaSecondInANameEndsTheText) {
    const std::string alexis = cp1253::fromUtf8("ΑΛΕΞΗΣ");
    EXPECT_FALSE(survivesShiftAt(0xCB, 1, kNameShift));  // 203 + 53 = 256
    EXPECT_FALSE(survivesShift(alexis, kNameShift));
    EXPECT_EQ(roundTrip(alexis, 21, kNameShift), cp1253::fromUtf8("Α"));
    EXPECT_EQ(repairForShift(alexis, kNameShift), cp1253::fromUtf8("ΑλΕΞΗΣ"));
}

TEST(ShiftForm, UpperCaseMuFirstInAContactFullNameEndsTheText) {
    const std::string maria = cp1253::fromUtf8("Μαρία");
    EXPECT_FALSE(survivesShiftAt(0xCC, 0, kPlainShift));  // 204 + 52 = 256, no exception here
    EXPECT_TRUE(survivesShiftAt(0xCC, 0, kNameShift));
    EXPECT_EQ(roundTrip(maria, 65, kPlainShift), "");
    EXPECT_EQ(repairForShift(maria, kPlainShift), cp1253::fromUtf8("μαρία"));
    EXPECT_EQ(repairForShift(maria, kNameShift), maria);
}

TEST(ShiftForm, RepairOfRandomTextsAlwaysRoundTripsAndIsStable) {
    std::mt19937 rng(1253);
    for (const FieldKind& k : kFieldKinds) {
        for (int n = 0; n < 300; ++n) {
            std::string text(rng() % k.width, ' ');
            for (char& ch : text) ch = static_cast<char>(1 + rng() % 255);
            const std::string repaired = repairForShift(text, k.form);
            ASSERT_EQ(repaired.size(), text.size()) << k.name;
            ASSERT_EQ(roundTrip(repaired, k.width, k.form), repaired) << k.name;
            ASSERT_EQ(repairForShift(repaired, k.form), repaired) << k.name;
            ASSERT_EQ(survivesShift(text, k.form), repaired == text) << k.name;
        }
    }
}

// --- the records that carry shifted texts ---

TEST(PublisherRecordText, SetTextRepairsWhatTheFileCannotHold) {
    PublisherRecord r;
    const std::string alexis = cp1253::fromUtf8("ΑΛΕΞΗΣ");
    r.setText(PublisherRecord::kFirstName, alexis);
    EXPECT_EQ(r.firstName(), cp1253::fromUtf8("ΑλΕΞΗΣ"));
    EXPECT_EQ(fileSafeText(PublisherRecord::kFirstName, alexis), r.firstName());
    // Μ stays in a name; cut to 20 characters.
    const std::string longName = cp1253::fromUtf8("Μαυρομματόπουλος-Παπαδ");
    EXPECT_EQ(fileSafeText(PublisherRecord::kLastName, longName), longName.substr(0, 20));
    // The consent date is never shifted, so nothing needs repair there.
    EXPECT_EQ(fileSafeText(PublisherRecord::kConsentDate, "\xCB\xCB"), "\xCB\xCB");
    // The bytes 23 + 19 = 42 and 22 hold the name terminators; setting a text leaves its field
    // zero-terminated.
    r.setText(PublisherRecord::kLastName, longName);
    EXPECT_EQ(r.bytes[23 + 20], 0);
}

TEST(PublisherRecordText, ScrambleShiftsExactlyTheListedFieldsAndRoundTrips) {
    std::mt19937 rng(816);
    const TextField shifted[] = {PublisherRecord::kFirstName,   PublisherRecord::kLastName,
                                 PublisherRecord::kAddress,     PublisherRecord::kPhoneHome,
                                 PublisherRecord::kPhoneMobile, PublisherRecord::kPhoneWork,
                                 PublisherRecord::kBaptismDate, PublisherRecord::kBirthDate};
    const std::size_t exceptions[] = {kEverywhere, kEverywhere, 30, 0, 0, 0, 0, 0};
    for (int n = 0; n < 200; ++n) {
        PublisherRecord r;
        for (Byte& b : r.bytes) b = static_cast<Byte>(rng());
        for (const TextField& f : shifted) {
            std::string t(rng() % f.width, ' ');
            for (char& ch : t) ch = static_cast<char>(1 + rng() % 255);
            r.setText(f, t);
        }
        r.setText(PublisherRecord::kConsentDate, "\xCB\xCC\x01");
        const PublisherRecord plain = r;
        scrambleRecord(r);
        std::vector<bool> touched(PublisherRecord::kSize, false);
        for (std::size_t i = 0; i < std::size(shifted); ++i) {
            const TextField f = shifted[i];
            const std::string t = plain.text(f);
            for (std::size_t p = 0; p < f.width; ++p) touched[f.offset + p] = true;
            for (std::size_t p = 0; p < t.size(); ++p)
                ASSERT_EQ(r.bytes[f.offset + p],
                          expectedFileByte(static_cast<unsigned char>(t[p]), p, exceptions[i]))
                    << "field at " << f.offset << " position " << p;
        }
        for (std::size_t o = 0; o < PublisherRecord::kSize; ++o)
            if (!touched[o]) {
                ASSERT_EQ(r.bytes[o], plain.bytes[o]) << "offset " << o;
            }
        unscrambleRecord(r);
        ASSERT_EQ(r.bytes, plain.bytes);
    }
}

TEST(PublisherRecordText, ScrambleForcesTheTerminatorsAtTheMaxima) {
    PublisherRecord r;
    for (std::size_t o = 2; o < 23; ++o) r.setByte(o, 'x');     // first name without terminator
    for (std::size_t o = 152; o < 161; ++o) r.setByte(o, '1');  // baptism date likewise
    scrambleRecord(r);
    EXPECT_EQ(r.byte(22), 0);
    EXPECT_EQ(r.byte(160), 0);
    unscrambleRecord(r);
    EXPECT_EQ(r.firstName(), std::string(20, 'x'));
    EXPECT_EQ(r.baptismDate(), std::string(8, '1'));
}

TEST(ContactExtraText, SetTextRepairsAndTheFileFormRoundTrips) {
    ContactExtra c;
    c.setPublisherId(321);
    c.setText(ContactExtra::kFullName, cp1253::fromUtf8("Μαρία Λάμπρου"));
    EXPECT_EQ(c.fullName(), cp1253::fromUtf8("μαρία Λάμπρου"));
    const std::string email(60, 'e');
    c.setText(ContactExtra::kEmail, email);
    EXPECT_EQ(c.email(), email.substr(0, 50));
    c.setText(ContactExtra::kOtherContact, cp1253::fromUtf8("Τηλ. 210 1234567"));
    const ContactExtra plain = c;
    c.toFile();
    EXPECT_EQ(c.publisherId(), 321);
    EXPECT_EQ(c.bytes[2], static_cast<Byte>(0xEC + 52));  // μ shifted, no 204 exception
    EXPECT_NE(c.bytes, plain.bytes);
    c.fromFile();
    EXPECT_EQ(c.bytes, plain.bytes);
}

// --- bkstudy.dat ---

std::string randomText(std::mt19937& rng, std::size_t width) {
    std::string t(rng() % width, ' ');
    for (char& ch : t) ch = static_cast<char>(1 + rng() % 255);
    return t;
}

std::vector<TextField> groupTexts(int n) {
    return {ServiceGroupTable::overseerField(n), ServiceGroupTable::assistantField(n),
            ServiceGroupTable::placeField(n), ServiceGroupTable::labelNameField(n),
            ServiceGroupTable::timeField(n)};
}

TEST(GroupScramble, TogglingTwiceIsTheIdentityAndTextsKeepTheirLength) {
    std::mt19937 rng(2141);
    bool anyChanged = false;
    for (int round = 0; round < 50; ++round) {
        ServiceGroupTable t;
        t.setGroupCount(20);
        for (int g = 1; g <= 20; ++g) {
            for (const TextField& f : groupTexts(g)) t.setText(f, randomText(rng, f.width));
            t.setMeetingDay(g, static_cast<std::uint8_t>(g % 7));
            t.setUseLabel(g, 1);
        }
        const ServiceGroupTable plain = t;
        t.toggleScramble();
        anyChanged = anyChanged || t.bytes != plain.bytes;
        for (int g = 1; g <= 20; ++g) {
            for (const TextField& f : groupTexts(g))
                ASSERT_EQ(t.text(f).size(), plain.text(f).size()) << "group " << g;
            ASSERT_EQ(t.meetingDay(g), plain.meetingDay(g));
            ASSERT_EQ(t.useLabel(g), plain.useLabel(g));
        }
        ASSERT_EQ(t.groupCount(), 20);
        t.toggleScramble();
        ASSERT_EQ(t.bytes, plain.bytes);
    }
    EXPECT_TRUE(anyChanged);
}

TEST(GroupScramble, OnlyTheCountedGroupsAreScrambledAndTheKeyRestartsPerText) {
    ServiceGroupTable t;
    t.setGroupCount(2);
    const std::string text = "Overseer Name 123";
    t.setText(ServiceGroupTable::overseerField(1), text);
    t.setText(ServiceGroupTable::placeField(2), text);
    t.setText(ServiceGroupTable::overseerField(3), text);  // beyond the count
    t.toggleScramble();
    EXPECT_NE(t.text(ServiceGroupTable::overseerField(1)), text);
    EXPECT_EQ(t.text(ServiceGroupTable::overseerField(1)),
              t.text(ServiceGroupTable::placeField(2)));
    EXPECT_EQ(t.text(ServiceGroupTable::overseerField(3)), text);
}

TEST(GroupScramble, XorOfOneTextIsItsOwnInverseAndNeverMakesAZero) {
    for (unsigned c = 1; c <= 255; ++c) {
        std::vector<Byte> f(24, 0);
        for (std::size_t i = 0; i < 23; ++i) f[i] = static_cast<Byte>(c);
        const std::vector<Byte> plain = f;
        xorGroupText(f.data(), f.size());
        ASSERT_EQ(fieldLength(f.data(), f.size()), 23u) << c;
        xorGroupText(f.data(), f.size());
        ASSERT_EQ(f, plain) << c;
    }
}

}  // namespace
}  // namespace zelvo
