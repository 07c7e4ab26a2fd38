#include "store/folder_access.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace zelvo {

FileState probeFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status link = fs::symlink_status(path, ec);
    if (ec || !fs::exists(link)) {
        // ENOENT alone is absence; any other failure to look (a component that is not a folder
        // is absence too) means something is there that we cannot see.
        if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory)
            return FileState::Absent;
        return FileState::Unreadable;
    }
    if (!fs::is_regular_file(fs::status(path, ec)) || ec) return FileState::Unreadable;
    std::ifstream in(path, std::ios::binary);
    return in ? FileState::Readable : FileState::Unreadable;
}

bool FolderAccess::noteState(std::string_view name, const fs::path& path) const {
    switch (probeFile(path)) {
        case FileState::Readable:
            return true;
        case FileState::Unreadable:
            unreadable_.emplace(name);
            return false;
        case FileState::Absent:
            return false;
    }
    return false;
}

std::optional<Bytes> FolderAccess::read(std::string_view name, std::size_t limit) const {
    if (const auto it = overlay_.find(name); it != overlay_.end()) {
        if (!it->second) return std::nullopt;
        Bytes data = *it->second;
        if (data.size() > limit) data.resize(limit);
        return data;
    }
    const fs::path path = pathOf(name);
    if (!noteState(name, path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    const std::size_t want =
        ec ? limit : static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit));
    Bytes data(want);
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(want));
    if (in.bad() || (in.fail() && !in.eof())) {
        unreadable_.emplace(name);
        return std::nullopt;
    }
    data.resize(static_cast<std::size_t>(in.gcount()));
    return data;
}

std::optional<std::uintmax_t> FolderAccess::size(std::string_view name) const {
    if (const auto it = overlay_.find(name); it != overlay_.end()) {
        if (!it->second) return std::nullopt;
        return it->second->size();
    }
    const fs::path path = pathOf(name);
    if (!noteState(name, path)) return std::nullopt;
    return fileSize(path);
}

void FolderAccess::remember(std::string_view name, std::optional<Bytes> data) {
    overlay_[std::string(name)] = std::move(data);
    if (holding_) {
        std::erase(heldOrder_, name);
        heldOrder_.emplace_back(name);
    }
}

bool FolderAccess::write(std::string_view name, const Bytes& data) {
    // What could not be read is never replaced: its contents would be lost.
    if (unreadable_.contains(name)) return false;
    if (inMemory()) {
        remember(name, data);
        return true;
    }
    return writeFileAtomic(pathOf(name), data);
}

bool FolderAccess::remove(std::string_view name) {
    if (unreadable_.contains(name)) return false;
    if (inMemory()) {
        remember(name, std::nullopt);
        return true;
    }
    return removeFile(pathOf(name));
}

bool FolderAccess::copy(std::string_view from, std::string_view to) {
    constexpr std::size_t kLimit = std::size_t{1} << 30;
    if (unreadable_.contains(to)) return false;
    if (!inMemory() && !overlay_.contains(from)) {
        // On disk the copy keeps the source's permissions: an undo copy of a private file
        // stays private.
        if (!noteState(from, pathOf(from))) return false;
        return copyFileAtomic(pathOf(from), pathOf(to));
    }
    const auto data = read(from, kLimit);
    if (!data) return false;
    return write(to, *data);
}

std::vector<std::string> FolderAccess::commitHeld() {
    std::vector<std::string> failed;
    if (!holding_) return failed;
    holding_ = false;
    if (readOnly_) return failed;
    for (const std::string& name : heldOrder_) {
        const auto it = overlay_.find(name);
        const bool ok =
            it->second ? writeFileAtomic(pathOf(name), *it->second) : removeFile(pathOf(name));
        if (!ok) failed.push_back(name);
        overlay_.erase(it);
    }
    heldOrder_.clear();
    return failed;
}

}  // namespace zelvo
