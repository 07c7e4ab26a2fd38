#include "store/file_io.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "store/cp1253.h"

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zelvo {

namespace {

bool sameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        const auto la = ca < 0x80 && ca >= 'A' && ca <= 'Z' ? ca + 32 : ca;
        const auto lb = cb < 0x80 && cb >= 'A' && cb <= 'Z' ? cb + 32 : cb;
        if (la != lb) return false;
    }
    return true;
}

// Makes sure the bytes reach the disk before the rename makes them visible.
bool syncFile(const fs::path& path) {
#if defined(__unix__)
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    (void)path;
    return true;
#endif
}

}  // namespace

fs::path resolvePath(const fs::path& folder, std::string_view relative) {
    fs::path current = folder;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find('/', start);
        if (end == std::string_view::npos) end = relative.size();
        const std::string_view part = relative.substr(start, end - start);
        start = end + 1;
        if (part.empty()) {
            if (end == relative.size()) break;
            continue;
        }
        fs::path exact = current / std::string(part);
        std::error_code ec;
        if (!fs::exists(exact, ec)) {
            for (fs::directory_iterator it(current, ec), last; !ec && it != last;
                 it.increment(ec)) {
                const std::string name = it->path().filename().string();
                if (sameNoCase(name, part)) {
                    exact = it->path();
                    break;
                }
            }
        }
        current = exact;
        if (end == relative.size()) break;
    }
    return current;
}

std::optional<Bytes> readFileBytes(const fs::path& path, std::size_t limit) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    Bytes data;
    const auto size = fs::file_size(path, ec);
    const std::size_t want =
        ec ? limit : static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit));
    data.resize(want);
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(want));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return data;
}

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::optional<std::uintmax_t> fileSize(const fs::path& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) return std::nullopt;
    return size;
}

bool writeFileAtomic(const fs::path& path, const Byte* data, std::size_t size) {
    fs::path temp = path;
    temp += ".tmp~";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        if (size > 0)
            out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    if (!syncFile(temp)) {
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool writeFileAtomic(const fs::path& path, std::string_view text) {
    return writeFileAtomic(path, reinterpret_cast<const Byte*>(text.data()), text.size());
}

bool copyFileAtomic(const fs::path& from, const fs::path& to) {
    constexpr std::size_t kCopyLimit = std::size_t{1} << 30;
    const auto data = readFileBytes(from, kCopyLimit);
    if (!data) return false;
    return writeFileAtomic(to, *data);
}

bool removeFile(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    return !fs::exists(path, ec);
}

}  // namespace zelvo
