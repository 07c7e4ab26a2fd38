#include "store/folder_access.h"

namespace zelvo {

std::optional<Bytes> FolderAccess::read(std::string_view name, std::size_t limit) const {
    if (const auto it = overlay_.find(name); it != overlay_.end()) {
        if (!it->second) return std::nullopt;
        Bytes data = *it->second;
        if (data.size() > limit) data.resize(limit);
        return data;
    }
    return readFileBytes(pathOf(name), limit);
}

std::optional<std::uintmax_t> FolderAccess::size(std::string_view name) const {
    if (const auto it = overlay_.find(name); it != overlay_.end()) {
        if (!it->second) return std::nullopt;
        return it->second->size();
    }
    const fs::path path = pathOf(name);
    if (!fileExists(path)) return std::nullopt;
    return fileSize(path);
}

bool FolderAccess::write(std::string_view name, const Bytes& data) {
    if (readOnly_) {
        overlay_[std::string(name)] = data;
        return true;
    }
    return writeFileAtomic(pathOf(name), data);
}

bool FolderAccess::remove(std::string_view name) {
    if (readOnly_) {
        overlay_[std::string(name)] = std::nullopt;
        return true;
    }
    return removeFile(pathOf(name));
}

bool FolderAccess::copy(std::string_view from, std::string_view to) {
    constexpr std::size_t kLimit = std::size_t{1} << 30;
    const auto data = read(from, kLimit);
    if (!data) return false;
    return write(to, *data);
}

}  // namespace zelvo
