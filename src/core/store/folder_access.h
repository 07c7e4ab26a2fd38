// Reading and writing the files of one folder by their bare names. A read-only folder keeps
// what would have been written in memory instead, so a read-only load sees exactly what a
// live load would have seen, and writes nothing. Writes can also be held back until the
// caller commits them (the load keeps its tidying until the password has been given).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "store/bytes.h"
#include "store/file_io.h"

namespace zelvo {

// What a look at a file found: absent is an empty table, unreadable is a problem.
enum class FileState {
    Absent,      // no such name in the folder
    Readable,    // a regular file that could be opened and read
    Unreadable,  // something is there but cannot be read: permissions, a folder, a FIFO, ...
};

// The state of the file at `path`, without reading it.
FileState probeFile(const fs::path& path);

class FolderAccess {
public:
    FolderAccess(fs::path folder, bool readOnly)
        : folder_(std::move(folder)), readOnly_(readOnly) {}

    const fs::path& folder() const { return folder_; }
    bool readOnly() const { return readOnly_; }
    fs::path pathOf(std::string_view name) const { return resolvePath(folder_, name); }

    // Nothing when the file is absent or unreadable; the unreadable ones are remembered.
    std::optional<Bytes> read(std::string_view name, std::size_t limit) const;
    std::optional<std::uintmax_t> size(std::string_view name) const;
    bool exists(std::string_view name) const { return size(name).has_value(); }
    // Atomic write; in a read-only folder the bytes are only remembered. A name found
    // unreadable is neither written nor removed.
    [[nodiscard]] bool write(std::string_view name, const Bytes& data);
    [[nodiscard]] bool remove(std::string_view name);
    [[nodiscard]] bool copy(std::string_view from, std::string_view to);

    // Names found unreadable so far (as asked for, not as resolved).
    const std::set<std::string, std::less<>>& unreadable() const { return unreadable_; }

    // From now on writes and removals are held in memory (and read back from there) until
    // `commitHeld` carries them out in their order, or the object goes away without it.
    void holdWrites() { holding_ = true; }
    // Carries out the held writes; the names that could not be written.
    [[nodiscard]] std::vector<std::string> commitHeld();

private:
    fs::path folder_;
    bool readOnly_;
    bool holding_ = false;
    // name -> bytes written (nullopt: removed), for a read-only folder or held writes.
    std::map<std::string, std::optional<Bytes>, std::less<>> overlay_;
    std::vector<std::string> heldOrder_;
    mutable std::set<std::string, std::less<>> unreadable_;

    bool inMemory() const { return readOnly_ || holding_; }
    void remember(std::string_view name, std::optional<Bytes> data);
    bool noteState(std::string_view name, const fs::path& path) const;
};

}  // namespace zelvo
