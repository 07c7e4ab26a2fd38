#include "store/name_collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "store/cp1253.h"

namespace zelvo::collation {

namespace {

// The levels of a key that make a name: letters and accents (letter case is the third).
constexpr std::uint32_t kNameLevels = 2;

std::unique_ptr<icu::Collator> greekCollator(icu::Collator::ECollationStrength strength) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale("el", "GR"), status));
    // Latin names before Greek ones, as the lists have always shown them (ICU's Greek locale
    // would put Greek first).
    if (U_SUCCESS(status) && collator) collator->setReorderCodes(nullptr, 0, status);
    // The Greek rules come with ICU's own data, linked in: only a broken installation lacks them.
    if (U_FAILURE(status) || !collator)
        throw std::runtime_error("ICU has no Greek collation: " + std::string(u_errorName(status)));
    collator->setStrength(strength);
    return collator;
}

// Letters, then accents, then case: the order of every list.
const icu::Collator& ordering() {
    static const std::unique_ptr<icu::Collator> collator = greekCollator(icu::Collator::TERTIARY);
    return *collator;
}

// Letters alone: what the user types to find a name.
const icu::Collator& lettersOnly() {
    static const std::unique_ptr<icu::Collator> collator = greekCollator(icu::Collator::PRIMARY);
    return *collator;
}

icu::UnicodeString unicode(std::string_view text) {
    const std::string utf8 = cp1253::toUtf8(text);
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
}

std::uint8_t* bytes(std::string& s) {
    return reinterpret_cast<std::uint8_t*>(s.data());
}

// ICU writes a key with its terminating zero byte and returns the size it needs (0 on failure);
// the string keeps the key without the zero.
template <typename Write>
std::string keyFrom(Write write) {
    std::string key(64, '\0');
    std::int32_t needed = write(bytes(key), static_cast<std::int32_t>(key.size()));
    if (needed > static_cast<std::int32_t>(key.size())) {
        key.resize(static_cast<std::size_t>(needed));
        needed = write(bytes(key), needed);
    }
    key.resize(needed > 0 ? static_cast<std::size_t>(needed - 1) : 0);
    return key;
}

std::string nameLevels(std::string_view key) {
    const std::string source(key);  // zero-terminated, as ICU reads it
    return keyFrom([&source](std::uint8_t* out, std::int32_t size) {
        UErrorCode status = U_ZERO_ERROR;
        return icu::Collator::getBound(reinterpret_cast<const std::uint8_t*>(source.c_str()), -1,
                                       UCOL_BOUND_LOWER, kNameLevels, out, size, status);
    });
}

}  // namespace

std::string sortKey(std::string_view name) {
    const icu::UnicodeString text = unicode(name);
    return keyFrom([&text](std::uint8_t* out, std::int32_t size) {
        return ordering().getSortKey(text, out, size);
    });
}

bool sameName(std::string_view keyA, std::string_view keyB) {
    return keyA == keyB || nameLevels(keyA) == nameLevels(keyB);
}

bool startsWith(std::string_view name, std::string_view prefix) {
    const icu::UnicodeString whole = unicode(name);
    const icu::UnicodeString start = unicode(prefix);
    if (whole.length() < start.length()) return false;
    UErrorCode status = U_ZERO_ERROR;
    return lettersOnly().compare(whole.tempSubString(0, start.length()), start, status) ==
               UCOL_EQUAL &&
           U_SUCCESS(status);
}

}  // namespace zelvo::collation
