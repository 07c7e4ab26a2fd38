#include "store/folder_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>

#include "resources/strings.h"

namespace zelvo {

namespace {

// Races with other takers are settled within a few rounds; after them the folder counts as held.
constexpr int kAttempts = 5;
// A lock file that says nothing is being written by its maker; one that stays so is left over.
constexpr std::time_t kSilentLockStaleAfter = 60;
// A taker makes its lock file and holds its flock() in two steps, a moment apart. A lock file
// with no holder text whose flock() is still free after this pause was left by a program that
// ended between the two steps, or before it wrote its id.
constexpr useconds_t kSilentLockSecondLook = 200'000;
// No save keeps its temporary file this long: the writer's id has been reused since.
constexpr std::time_t kTempFileStaleAfter = 3600;
// The kernel keeps this much of a program's name.
constexpr std::size_t kProcessNameLength = 15;

std::string processName(long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::optional<LockHolder> parseHolder(const std::string& text) {
    std::istringstream in(text);
    std::string pidLine;
    LockHolder holder;
    if (!std::getline(in, pidLine)) return std::nullopt;
    const auto [end, ec] =
        std::from_chars(pidLine.data(), pidLine.data() + pidLine.size(), holder.pid);
    if (ec != std::errc() || end != pidLine.data() + pidLine.size() || holder.pid <= 0)
        return std::nullopt;
    std::getline(in, holder.programName);
    std::getline(in, holder.hostName);
    return holder;
}

std::string readHolderText(int fd) {
    char buffer[1024];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

bool writeHolderText(int fd, const std::string& text) {
    return ::pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size());
}

// The lock file's name still leads to the file open as `fd` (it was not replaced meanwhile).
bool sameFile(int fd, const fs::path& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool olderThan(std::time_t modified, std::time_t seconds) {
    return std::time(nullptr) - modified > seconds;
}

// A lock whose program no longer runs. A lock of another machine cannot be judged from here.
bool isStale(const std::optional<LockHolder>& holder, std::time_t modified) {
    if (!holder) return olderThan(modified, kSilentLockStaleAfter);
    if (holder->hostName != hostName()) return false;
    if (!processRunning(holder->pid)) return true;
    // After a restart of the machine the id may belong to another program.
    const std::string running = processName(holder->pid);
    return !running.empty() && !holder->programName.empty() &&
           running != holder->programName.substr(0, kProcessNameLength);
}

void collectLeftovers(const fs::path& folder, const fs::path& base,
                      std::vector<std::string>& found) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto writer = tempFileWriter(it->path().filename().string());
        std::error_code statError;
        if (!writer || *writer == ::getpid() || !it->is_regular_file(statError)) continue;
        struct stat st {};
        const bool old =
            ::stat(it->path().c_str(), &st) == 0 && olderThan(st.st_mtime, kTempFileStaleAfter);
        if (!processRunning(*writer) || old)
            found.push_back(it->path().lexically_relative(base).generic_string());
    }
}

}  // namespace

LockHolder thisProcess() {
    return {::getpid(), processName(::getpid()), hostName()};
}

bool processRunning(long pid) {
    if (pid <= 0 || pid > INT_MAX) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

FolderLock::FolderLock(const fs::path& folder) : path_(folder / std::string(kFileName)) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            // Waits only while another taker looks at the new file (it finds it not stale).
            ::flock(fd, LOCK_EX);
            const LockHolder me = thisProcess();
            // Readable by everyone who shares the folder, so they can see who holds it.
            ::fchmod(fd, 0644);
            if (!writeHolderText(fd, std::to_string(me.pid) + "\n" + me.programName + "\n" +
                                         me.hostName + "\n")) {
                error_ = errno;
                ::unlink(path_.c_str());
                ::close(fd);
                return;
            }
            fd_ = fd;
            state_ = State::Locked;
            return;
        }
        if (errno != EEXIST) {
            error_ = errno;
            return;
        }
        const int other = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (other >= 0) {
            if (tryTakeOver(other)) continue;
        } else if (errno == ENOENT) {
            continue;  // released meanwhile
        } else {
            // A lock file we may not read: only its age tells.
            struct stat st {};
            holder_ = {};
            if (::stat(path_.c_str(), &st) == 0 && isStale(std::nullopt, st.st_mtime) &&
                ::unlink(path_.c_str()) == 0)
                continue;
        }
        break;
    }
    state_ = State::HeldByOther;
}

// Looks at someone else's lock file: true when it was left over and is now removed, or was
// replaced meanwhile (try again). A running holder keeps its flock(), so the flock() taken here
// also keeps two takers of one stale lock from both removing it.
bool FolderLock::tryTakeOver(int fd) {
    const bool nobodyHolds = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const auto holder = parseHolder(readHolderText(fd));
    holder_ = holder.value_or(LockHolder{});
    bool retry = false;
    struct stat st {};
    if (nobodyHolds && ::fstat(fd, &st) == 0) {
        if (!sameFile(fd, path_))
            retry = true;
        else if (isStale(holder, st.st_mtime))
            retry = ::unlink(path_.c_str()) == 0;
        else if (!holder)
            return secondLookAtSilentLock(fd);
    }
    ::close(fd);
    return retry;
}

// Looks again, after a pause, at a lock file without a holder that nobody held: still without a
// holder, still free and still the same file, it was left by a program that ended.
bool FolderLock::secondLookAtSilentLock(int fd) {
    struct stat first {};
    ::fstat(fd, &first);
    ::close(fd);
    ::usleep(kSilentLockSecondLook);
    const int again = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (again < 0) return errno == ENOENT;
    struct stat second {};
    bool retry = false;
    if (::flock(again, LOCK_EX | LOCK_NB) == 0 && ::fstat(again, &second) == 0 &&
        second.st_ino == first.st_ino && second.st_dev == first.st_dev && sameFile(again, path_) &&
        !parseHolder(readHolderText(again)))
        retry = ::unlink(path_.c_str()) == 0;
    else if (second.st_ino != first.st_ino)
        retry = true;
    ::close(again);
    return retry;
}

FolderLock::~FolderLock() {
    if (fd_ < 0) return;
    if (sameFile(fd_, path_)) ::unlink(path_.c_str());
    ::close(fd_);
}

std::string FolderLock::refusal() const {
    switch (state_) {
        case State::Locked:
            return {};
        case State::Failed:
            return res::format(res::kFolderNotLockable, path_.string());
        case State::HeldByOther:
            break;
    }
    std::string who =
        holder_.pid == 0
            ? res::format(res::kLockHolderUnknown, path_.string())
            : res::format(res::kLockHolder, holder_.programName.empty() ? "?" : holder_.programName,
                          std::to_string(holder_.pid));
    if (holder_.pid != 0 && holder_.hostName != hostName())
        who += res::format(res::kLockHolderHost, holder_.hostName);
    return res::format(res::kFolderLocked, who);
}

std::vector<std::string> leftoverTempFiles(const fs::path& folder) {
    std::vector<std::string> found;
    collectLeftovers(folder, folder, found);
    std::error_code ec;
    const fs::path copies = resolvePath(folder, "Roll");
    for (fs::directory_iterator it(copies, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statError;
        if (it->is_directory(statError)) collectLeftovers(it->path(), folder, found);
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::string> removeLeftoverTempFiles(const fs::path& folder) {
    std::vector<std::string> removed;
    for (const std::string& name : leftoverTempFiles(folder))
        if (removeFile(folder / fs::path(name))) removed.push_back(name);
    return removed;
}

}  // namespace zelvo
