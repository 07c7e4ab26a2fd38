// A scratch data folder for one test: a unique folder under the system's temporary folder,
// removed with everything in it when the test ends.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "store/calendar.h"
#include "store/publisher_record.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::test {

namespace fs = std::filesystem;
using FileBytes = std::vector<std::uint8_t>;

// The fixed-size records of a file's bytes, in file order (a partial record at the end is left
// out).
template <typename R>
std::vector<R> recordsOf(const FileBytes& file) {
    std::vector<R> out(file.size() / R::kSize);
    for (std::size_t i = 0; i < out.size(); ++i)
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(i * R::kSize), R::kSize,
                    out[i].bytes.begin());
    return out;
}

class TestFolder {
public:
    TestFolder() {
        static std::atomic<unsigned> counter{0};
        std::random_device rd;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = fs::temp_directory_path() /
                ("zelvo_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) +
                 "_" + std::to_string(stamp % 1000000) + "_" + std::to_string(rd() % 100000));
        fs::create_directories(path_);
    }
    ~TestFolder() {
        std::error_code ec;
        // A test may have made parts of the folder read-only.
        for (auto it = fs::recursive_directory_iterator(path_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const fs::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    fs::path file(std::string_view relative) const { return path_ / fs::path(relative); }

    void write(std::string_view relative, const FileBytes& data) const {
        const fs::path p = file(relative);
        fs::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()),
                  static_cast<std::streamsize>(data.size()));
    }
    void writeText(std::string_view relative, std::string_view text) const {
        write(relative, FileBytes(text.begin(), text.end()));
    }
    FileBytes read(std::string_view relative) const {
        std::ifstream in(file(relative), std::ios::binary);
        return FileBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string readText(std::string_view relative) const {
        const FileBytes b = read(relative);
        return std::string(b.begin(), b.end());
    }
    bool exists(std::string_view relative) const { return fs::exists(file(relative)); }
    std::uintmax_t size(std::string_view relative) const {
        std::error_code ec;
        const auto n = fs::file_size(file(relative), ec);
        return ec ? 0 : n;
    }
    void remove(std::string_view relative) const {
        std::error_code ec;
        fs::remove(file(relative), ec);
    }

    // Every file below the folder by its relative path, with its bytes: compare two snapshots
    // to prove that nothing was written, added or removed.
    std::map<std::string, FileBytes> snapshot() const {
        std::map<std::string, FileBytes> all;
        for (const auto& entry : fs::recursive_directory_iterator(path_)) {
            const std::string rel = fs::relative(entry.path(), path_).generic_string();
            all[rel] = entry.is_regular_file() ? read(rel) : FileBytes{};
        }
        return all;
    }

private:
    fs::path path_;
};

// Bytes of a record-like object with a `bytes` array.
template <typename Record>
FileBytes bytesOf(const Record& r) {
    return FileBytes(r.bytes.begin(), r.bytes.end());
}

template <typename Record>
FileBytes concat(const std::vector<Record>& records) {
    FileBytes out;
    for (const Record& r : records) out.insert(out.end(), r.bytes.begin(), r.bytes.end());
    return out;
}

// --- data-folder fixtures, built in code ---

// A person of `kind` with a name; every other byte zero.
inline PublisherRecord person(std::uint16_t id, std::string_view first, std::string_view last,
                              std::uint8_t kind = kPublisher) {
    PublisherRecord r;
    r.setId(id);
    r.setKind(kind);
    r.setText(PublisherRecord::kFirstName, first);
    r.setText(PublisherRecord::kLastName, last);
    return r;
}

// The header row as a fresh start leaves it: password " " (none), byte 23 'A'.
inline PublisherRecord headerRow(std::string_view password = " ") {
    PublisherRecord h;
    h.setText(PublisherRecord::kFirstName, password);
    h.setByte(PublisherRecord::kScrambleMarker, 'A');
    return h;
}

// zdat9.bin holding `rows` (row 0 the header) in their file form.
inline FileBytes tableFile(std::vector<PublisherRecord> rows) {
    for (PublisherRecord& r : rows) scrambleRecord(r);
    return concat(rows);
}

// Report values of one month.
inline void setReport(PublisherRecord& r, int month, int slot, std::uint16_t hours,
                      int quarters = 0, std::uint16_t studies = 0, bool tookPart = false) {
    r.setMonthWord(MonthWord::Hours, month, slot, hours);
    r.setMonthWord(
        MonthWord::StudiesAndFlags, month, slot,
        static_cast<std::uint16_t>((quarters << kQuarterShift) | studies | (tookPart ? kTookPart : 0)));
}

// Creates and loads the document of `folder` as the program does at start.
inline LoadResult openDoc(CZelvoDoc& doc, const TestFolder& folder, Date today,
                          LoadMode mode = LoadMode::Live) {
    ScriptedPrompts prompts;
    doc.startUp(folder.str(), today, mode);
    return doc.load(prompts, mode);
}

// Appends people to a loaded document as the editors do: rows, counts, indexes.
inline void addPeople(CZelvoDoc& doc, const std::vector<PublisherRecord>& people) {
    for (const PublisherRecord& p : people) doc.publishers.push_back(p);
    doc.countAllKinds();
    doc.buildIndexes();
}

}  // namespace zelvo::test
