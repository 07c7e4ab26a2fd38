#include "store/ini_file.h"

#include <cstdint>

#include "store/cp1253.h"
#include "store/file_io.h"

namespace zelvo {
namespace {

// A settings file is a few kilobytes; anything near this size is not one.
constexpr std::size_t kMaxIniBytes = std::size_t{1} << 20;

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

// A line break inside a name or value would turn into lines of its own in the file.
std::string_view firstLine(std::string_view s) {
    return s.substr(0, s.find_first_of("\r\n"));
}

// Compared in upper case, as Windows does: final sigma then matches capital sigma, which
// lower-case folding would miss ("ΕΚΘΈΣΕΙΣ" is "Εκθέσεις").
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (cp1253::toUpper(static_cast<unsigned char>(a[i])) !=
            cp1253::toUpper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool isBlankLine(std::string_view line) {
    return trimBlanks(line).empty();
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    while (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());

    IniFile ini;
    ini.sections_.emplace_back();  // lines before the first header
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);

        const std::string_view t = trimBlanks(line);
        if (t.starts_with('[')) {
            const auto close = t.rfind(']');
            if (close != std::string_view::npos) {
                Section section;
                section.name = trimBlanks(t.substr(1, close - 1));
                section.header = line;
                ini.sections_.push_back(std::move(section));
                continue;
            }
        }

        Entry entry;
        entry.line = line;
        const auto eq = t.find('=');
        if (!t.starts_with(';') && eq != std::string_view::npos) {
            const std::string_view key = trimBlanks(t.substr(0, eq));
            if (!key.empty()) {
                entry.key = key;
                entry.value = trimBlanks(t.substr(eq + 1));
            }
        }
        ini.sections_.back().entries.push_back(std::move(entry));
    }
    return ini;
}

IniFile IniFile::load(const std::filesystem::path& path, bool* found) {
    const auto bytes = readFileBytes(path, kMaxIniBytes);
    if (found) *found = bytes.has_value();
    if (!bytes) return {};
    std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (bytes->size() == kMaxIniBytes) {
        // Cut off at the limit: drop the partial last line rather than read half a value.
        const auto size = fileSize(path);
        if (!size || *size > kMaxIniBytes) {
            const auto lastBreak = text.rfind('\n');
            text = lastBreak == std::string_view::npos ? std::string_view{}
                                                       : text.substr(0, lastBreak + 1);
            IniFile partial = parse(text);
            partial.complete_ = false;
            return partial;
        }
    }
    return parse(text);
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    for (std::size_t i = 1; i < sections_.size(); ++i)
        if (sameName(sections_[i].name, name)) return &sections_[i];
    return nullptr;
}

IniFile::Section& IniFile::sectionFor(std::string_view name) {
    if (sections_.empty()) sections_.emplace_back();
    for (std::size_t i = 1; i < sections_.size(); ++i)
        if (sameName(sections_[i].name, name)) return sections_[i];
    Section section;
    section.name = name;
    sections_.push_back(std::move(section));
    return sections_.back();
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (!found) return std::nullopt;
    for (const Entry& entry : found->entries) {
        if (entry.key.empty() || !sameName(entry.key, key)) continue;
        std::string_view v = entry.value;
        // Windows drops one pair of enclosing quotes.
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        return std::string(v);
    }
    return std::nullopt;
}

std::string IniFile::text(std::string_view section, std::string_view key,
                          std::string_view fallback) const {
    auto v = value(section, key);
    return v ? std::move(*v) : std::string(fallback);
}

int IniFile::integer(std::string_view section, std::string_view key, int fallback) const {
    const auto v = value(section, key);
    if (!v) return fallback;
    std::string_view s = *v;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // A number beyond 32 bits wraps around in unsigned arithmetic instead of overflowing a signed
    // int, which would be undefined.
    std::uint32_t n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') break;
        n = n * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) n = 0u - n;
    return static_cast<int>(n);
}

void IniFile::setText(std::string_view section, std::string_view key, std::string_view value) {
    section = trimBlanks(firstLine(section));
    key = trimBlanks(firstLine(key));
    value = firstLine(value);
    // Such a key would read back as another one.
    if (key.empty() || key.find('=') != std::string_view::npos || key.starts_with(';') ||
        key.starts_with('['))
        return;

    Section& target = sectionFor(section);
    for (Entry& entry : target.entries) {
        if (entry.key.empty() || !sameName(entry.key, key)) continue;
        entry.value = value;
        entry.line.clear();
        return;
    }
    // New keys go after the section's last non-blank line, ahead of the blank lines that
    // separate it from the next section.
    auto at = target.entries.end();
    while (at != target.entries.begin()) {
        const Entry& before = *(at - 1);
        if (!before.key.empty() || !isBlankLine(before.line)) break;
        --at;
    }
    Entry entry;
    entry.key = key;
    entry.value = value;
    target.entries.insert(at, std::move(entry));
}

void IniFile::setInteger(std::string_view section, std::string_view key, int value) {
    setText(section, key, std::to_string(value));
}

void IniFile::remove(std::string_view section, std::string_view key) {
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        if (!sameName(sections_[i].name, section)) continue;
        std::erase_if(sections_[i].entries, [key](const Entry& entry) {
            return !entry.key.empty() && sameName(entry.key, key);
        });
        return;
    }
}

std::string IniFile::serialize() const {
    std::string out;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& section = sections_[i];
        if (i > 0) {
            if (section.header.empty()) {
                out += '[';
                out += section.name;
                out += ']';
            } else {
                out += section.header;
            }
            out += "\r\n";
        }
        for (const Entry& entry : section.entries) {
            if (!entry.line.empty() || entry.key.empty()) {
                out += entry.line;
            } else {
                out += entry.key;
                out += '=';
                out += entry.value;
            }
            out += "\r\n";
        }
    }
    return out;
}

bool IniFile::save(const std::filesystem::path& path) const {
    // A file read only in part is never written back: that would lose the rest.
    if (!complete_) return false;
    return writeFileAtomic(path, std::string_view(serialize()));
}

}  // namespace zelvo
