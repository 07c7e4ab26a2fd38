// A small INI reader and writer with the semantics of the Windows private-profile functions:
// sections and keys match without regard to letter case, integers parse their leading digits,
// and everything read is written back unchanged, in its order. Text is Windows-1253 bytes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

class IniFile {
public:
    // Parses INI text (CRLF or LF line ends). Never fails: unreadable lines are kept as they are.
    static IniFile parse(std::string_view text);
    // Reads a file; a missing or unreadable file gives an empty IniFile and `false`.
    static IniFile load(const std::filesystem::path& path, bool* found = nullptr);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string text(std::string_view section, std::string_view key,
                     std::string_view fallback) const;
    // GetPrivateProfileInt: optional sign and leading digits; the fallback when the key is
    // missing; 0 when the value holds no digits.
    int integer(std::string_view section, std::string_view key, int fallback) const;

    void setText(std::string_view section, std::string_view key, std::string_view value);
    void setInteger(std::string_view section, std::string_view key, int value);
    void remove(std::string_view section, std::string_view key);

    // False when the file was too large to be read whole; `save` then refuses to write it.
    bool complete() const { return complete_; }

    // The file's text with CRLF line ends.
    std::string serialize() const;
    // Atomic write (temporary file, then rename). Returns false when the file cannot be written,
    // and for a file that was too large to be read whole (it is left as it is).
    [[nodiscard]] bool save(const std::filesystem::path& path) const;

private:
    struct Entry {
        std::string key;    // empty for a line kept verbatim (blank, comment or unparsable)
        std::string value;  // trimmed
        std::string line;   // the line as read, written back until the value changes
    };
    struct Section {
        std::string name;
        std::string header;  // the header line as read; empty for a section we added
        std::vector<Entry> entries;
    };
    std::vector<Section> sections_;  // section 0 with an empty name holds lines before any header
    bool complete_ = true;           // false when the file was larger than we read

    const Section* findSection(std::string_view name) const;
    Section& sectionFor(std::string_view name);
};

}  // namespace zelvo
