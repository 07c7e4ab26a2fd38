// One writer per data folder: a lock file in the folder, made with O_EXCL and held with flock()
// while a program has the folder open for writing. Readers take no lock.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/file_io.h"

namespace zelvo {

// Who holds a folder's lock, as its lock file says. pid 0: not known (the file is being made,
// or cannot be read).
struct LockHolder {
    long pid = 0;
    std::string programName;
    std::string hostName;
};

class FolderLock {
public:
    static constexpr std::string_view kFileName = "zelvo.lock";

    enum class State {
        Locked,       // this object holds the folder
        HeldByOther,  // another running program holds it: see holder()
        Failed,       // no lock file can be made here (a folder we may not write): see error()
    };

    // Tries to lock `folder` at once; a stale lock (its program no longer runs) is taken over.
    explicit FolderLock(const fs::path& folder);
    // Removes the lock file.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return state_; }
    bool locked() const { return state_ == State::Locked; }
    const LockHolder& holder() const { return holder_; }
    int error() const { return error_; }
    const fs::path& lockFile() const { return path_; }

    // Why the folder cannot be opened for writing (Greek, for the user); empty when locked.
    std::string refusal() const;

private:
    bool tryTakeOver(int fd);
    bool secondLookAtSilentLock(int fd);

    fs::path path_;
    State state_ = State::Failed;
    LockHolder holder_;
    int error_ = 0;
    int fd_ = -1;
};

// What this process writes into a lock file, with the host and program names of this process.
LockHolder thisProcess();

// False when no process of this id runs on this machine.
bool processRunning(long pid);

// Temporary files of writes (file_io.h) in `folder` and its month-copy folders whose writer no
// longer runs, by their path relative to `folder`.
std::vector<std::string> leftoverTempFiles(const fs::path& folder);
// Removes them and returns their names. Only the holder of the folder's lock may call this, so
// the temporary file of a running writer is never touched.
std::vector<std::string> removeLeftoverTempFiles(const fs::path& folder);

}  // namespace zelvo
