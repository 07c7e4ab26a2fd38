#include "store/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <system_error>

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

constexpr std::string_view kTempSuffix = ".tmp~";

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The umask, read without changing it (changing it would race with other threads).
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool writeAll(int fd, const Byte* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Gives the new file the old one's permission bits (`limit` can only narrow them) and, where we
// may, its group. Bits that would reach a group other than the old one are dropped.
bool takeMode(int fd, const fs::path& path, mode_t limit) {
    struct stat old {};
    mode_t mode = 0666 & ~currentUmask();
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 0777;
        struct stat now {};
        if (::fstat(fd, &now) == 0 && now.st_gid != old.st_gid &&
            ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0)
            mode &= ~static_cast<mode_t>(070);
    }
    return ::fchmod(fd, mode & limit) == 0;
}

// The rename is only durable once the folder's entry reaches the disk too.
void syncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool writeAtomic(const fs::path& path, const Byte* data, std::size_t size, mode_t limit) {
    const fs::path temp = path.parent_path() / tempFileName(path.filename().string());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, data, size) && takeMode(fd, path, limit) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(path.parent_path());
    return true;
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

std::string tempFileName(std::string_view name) {
    static std::atomic<unsigned long> counter{0};
    return std::string(name) + "." + std::to_string(::getpid()) + "." + std::to_string(++counter) +
           std::string(kTempSuffix);
}

std::optional<long> tempFileWriter(std::string_view fileName) {
    if (!fileName.ends_with(kTempSuffix)) return std::nullopt;
    std::string_view rest = fileName.substr(0, fileName.size() - kTempSuffix.size());
    const std::size_t counterDot = rest.rfind('.');
    if (counterDot == std::string_view::npos || !allDigits(rest.substr(counterDot + 1)))
        return std::nullopt;
    rest = rest.substr(0, counterDot);
    const std::size_t pidDot = rest.rfind('.');
    if (pidDot == std::string_view::npos || pidDot == 0) return std::nullopt;
    const std::string_view pid = rest.substr(pidDot + 1);
    if (!allDigits(pid) || pid.size() > 9) return std::nullopt;
    return std::stol(std::string(pid));
}

bool writeFileAtomic(const fs::path& path, const Byte* data, std::size_t size) {
    return writeAtomic(path, data, size, 0777);
}

bool writeFileAtomic(const fs::path& path, std::string_view text) {
    return writeFileAtomic(path, reinterpret_cast<const Byte*>(text.data()), text.size());
}

bool copyFileAtomic(const fs::path& from, const fs::path& to) {
    constexpr std::size_t kCopyLimit = std::size_t{1} << 30;
    const auto data = readFileBytes(from, kCopyLimit);
    struct stat source {};
    if (!data || ::stat(from.c_str(), &source) != 0) return false;
    return writeAtomic(to, data->data(), data->size(), source.st_mode & 0777);
}

bool removeFile(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    return !fs::exists(path, ec);
}

}  // namespace zelvo
