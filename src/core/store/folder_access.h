// Reading and writing the files of one folder by their bare names. A read-only folder keeps
// what would have been written in memory instead, so a read-only load sees exactly what a
// live load would have seen, and writes nothing.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "store/bytes.h"
#include "store/file_io.h"

namespace zelvo {

class FolderAccess {
public:
    FolderAccess(fs::path folder, bool readOnly)
        : folder_(std::move(folder)), readOnly_(readOnly) {}

    const fs::path& folder() const { return folder_; }
    bool readOnly() const { return readOnly_; }
    fs::path pathOf(std::string_view name) const { return resolvePath(folder_, name); }

    std::optional<Bytes> read(std::string_view name, std::size_t limit) const;
    std::optional<std::uintmax_t> size(std::string_view name) const;
    bool exists(std::string_view name) const { return size(name).has_value(); }
    // Atomic write; in a read-only folder the bytes are only remembered.
    bool write(std::string_view name, const Bytes& data);
    bool remove(std::string_view name);
    bool copy(std::string_view from, std::string_view to);

private:
    fs::path folder_;
    bool readOnly_;
    // name -> bytes written (nullopt: removed), for a read-only folder.
    std::map<std::string, std::optional<Bytes>, std::less<>> overlay_;
};

}  // namespace zelvo
