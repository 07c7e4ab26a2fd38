// Fuzzes the file forms of text fields: the shift of zdat9.bin and xten7.dat (and the repair of
// texts it cannot hold) and the XOR of bkstudy.dat, on single fields and on whole records.
//
// Input: one byte of options (bits 0-1: name, address or plain form; bits 2-4: spare bytes after
// the text in its field), then the text, which doubles as the raw bytes of records.
#include <algorithm>
#include <array>
#include <string>

#include "fuzz_support.h"
#include "store/cp1253.h"
#include "store/publisher_record.h"
#include "store/side_records.h"
#include "store/text_form.h"

namespace {

using namespace zelvo;
using fuzz::check;

constexpr std::size_t kMaxText = std::size_t{1} << 16;
constexpr ShiftForm kForms[] = {kNameShift, kAddressShift, kPlainShift, kNameShift};

template <std::size_t N>
std::array<Byte, N> rawBytes(std::string_view text) {
    std::array<Byte, N> out{};
    std::copy_n(text.begin(), std::min(N, text.size()), out.begin());
    return out;
}

void checkRepair(std::string_view text, ShiftForm form, std::size_t spare) {
    const std::string repaired = repairForShift(text, form);
    check(repaired.size() == text.size(), "repair changed the length");
    check(survivesShift(repaired, form), "a repaired text does not survive the shift");
    for (std::size_t i = 0; i < text.size(); ++i)
        if (survivesShiftAt(static_cast<unsigned char>(text[i]), i, form))
            check(repaired[i] == text[i], "repair changed a character that survives");

    Bytes field(repaired.size() + 1 + spare, 0);
    std::copy(repaired.begin(), repaired.end(), field.begin());
    Bytes stored = field;
    shiftToFile(stored.data(), stored.size(), form);
    check(fieldLength(stored.data(), stored.size()) == repaired.size(),
          "a repaired text lost bytes in its file form");
    shiftFromFile(stored.data(), stored.size(), form);
    check(stored == field, "a repaired text does not come back from its file form");
}

// Damaged file forms settle after one save: reading, writing and reading again changes nothing.
void checkFileFormSettles(std::string_view text, ShiftForm form, std::size_t spare) {
    Bytes field(text.begin(), text.end());
    field.resize(field.size() + spare + 1, 0);
    shiftFromFile(field.data(), field.size(), form);
    Bytes written = field;
    shiftToFile(written.data(), written.size(), form);
    Bytes reread = written;
    shiftFromFile(reread.data(), reread.size(), form);
    Bytes rewritten = reread;
    shiftToFile(rewritten.data(), rewritten.size(), form);
    check(rewritten == written, "a damaged field is written differently the second time");
}

void checkRecords(std::string_view text) {
    // Texts set through the records read back unchanged from the file form.
    PublisherRecord person;
    for (const TextField f :
         {PublisherRecord::kFirstName, PublisherRecord::kLastName, PublisherRecord::kAddress,
          PublisherRecord::kPhoneHome, PublisherRecord::kBirthDate})
        person.setText(f, text);
    const PublisherRecord set = person;
    scrambleRecord(person);
    unscrambleRecord(person);
    check(person.bytes == set.bytes, "a person's texts do not survive the file form");
    check(set.firstName() == fileSafeText(PublisherRecord::kFirstName, text),
          "setText stored another text");

    ContactExtra extra;
    for (const TextField f :
         {ContactExtra::kFullName, ContactExtra::kEmail, ContactExtra::kOtherContact})
        extra.setText(f, text);
    const ContactExtra extraSet = extra;
    extra.toFile();
    extra.fromFile();
    check(extra == extraSet, "contact texts do not survive the file form");

    // Damaged records from a file settle after one save.
    PublisherRecord damaged;
    damaged.bytes = rawBytes<PublisherRecord::kSize>(text);
    unscrambleRecord(damaged);
    PublisherRecord first = damaged;
    scrambleRecord(first);
    PublisherRecord second = first;
    unscrambleRecord(second);
    scrambleRecord(second);
    check(second.bytes == first.bytes, "a damaged row is written differently the second time");

    // The XOR of the group tables is its own inverse on any bytes.
    ServiceGroupTable groups;
    groups.bytes = rawBytes<ServiceGroupTable::kSize>(text);
    const ServiceGroupTable groupsBefore = groups;
    groups.toggleScramble();
    groups.toggleScramble();
    check(groups == groupsBefore, "the group table XOR is not its own inverse");
    OldServiceGroupTable old;
    old.bytes = rawBytes<OldServiceGroupTable::kSize>(text);
    const OldServiceGroupTable oldBefore = old;
    old.unscramble();
    old.unscramble();
    check(old == oldBefore, "the old group table XOR is not its own inverse");
    const ServiceGroupTable converted = old.converted();
    check(converted.groupCount() <= ServiceGroupTable::kMaxGroups, "converted group count");
}

}  // namespace

namespace zelvo::fuzz {

// Fields are at most a few dozen bytes; longer texts in the smoke run only cost time.
constexpr std::size_t kMaxSmokeText = std::size_t{1} << 13;

Bytes encodeSeed(const Seed& seed) {
    Bytes out{seed.flags};
    for (const SeedPart& part : seed.parts)
        for (std::size_t k = 0; k < part.repeat && out.size() <= kMaxSmokeText; ++k)
            out.insert(out.end(), part.bytes.begin(), part.bytes.end());
    return out;
}

std::vector<Seed> generateSeeds() {
    std::vector<Seed> seeds;
    auto add = [&](std::uint8_t flags, const std::string& text) {
        Seed seed;
        seed.flags = flags;
        seed.parts.push_back({0, Bytes(text.begin(), text.end()), 0, 1});
        seeds.push_back(std::move(seed));
    };
    std::string everyByte;
    for (int c = 1; c < 256; ++c) everyByte.push_back(static_cast<char>(c));
    for (std::uint8_t form = 0; form < 3; ++form) {
        add(form, cp1253::fromUtf8("ΓΙΏΡΓΟΣ Παπαδόπουλος"));
        add(static_cast<std::uint8_t>(form | 4),
            cp1253::fromUtf8("Λεωφόρος Βασιλίσσης Σοφίας 125, 11521 Αθήνα"));
        add(static_cast<std::uint8_t>(form | 12), everyByte);
    }
    add(2, "gpap@example.gr");
    add(2, std::string(64, '\xCC') + std::string(64, '\x98'));
    return seeds;
}

}  // namespace zelvo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::currentInput() = {data, size};
    if (size == 0) return 0;
    const ShiftForm form = kForms[data[0] & 3];
    const std::size_t spare = (data[0] >> 2) & 7;
    const std::string_view text(reinterpret_cast<const char*>(data + 1),
                                std::min(size - 1, kMaxText));
    checkRepair(text, form, spare);
    checkFileFormSettles(text, form, spare);

    // Without a terminator when there are no spare bytes: the XOR must stop at the field's end.
    Bytes field(text.begin(), text.end());
    field.resize(field.size() + spare, 0);
    const Bytes before = field;
    if (!field.empty()) {
        xorGroupText(field.data(), field.size());
        xorGroupText(field.data(), field.size());
    }
    check(field == before, "xorGroupText twice is not the identity");

    checkRecords(text);
    return 0;
}
