// One writer per data folder: the lock file, its holder, stale locks, races on a stale lock, and
// the leftovers of killed saves.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <csignal>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "store/file_io.h"
#include "store/folder_lock.h"
#include "test_folder.h"

using namespace zelvo;
using zelvo::test::TestFolder;

namespace {

// The id of a process that has ended.
long endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::string lockText(long pid, const std::string& program, const std::string& host) {
    return std::to_string(pid) + "\n" + program + "\n" + host + "\n";
}

void makeOld(const fs::path& path, int seconds) {
    const std::time_t then = std::time(nullptr) - seconds;
    const utimbuf times{then, then};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

// Another process that tries to lock a folder when told, reports its state and keeps what it got
// until it is released.
class OtherProcess {
public:
    explicit OtherProcess(const fs::path& folder) {
        if (::pipe(go_) != 0 || ::pipe(result_) != 0) return;
        pid_ = ::fork();
        if (pid_ != 0) return;
        char byte = 0;
        if (::read(go_[0], &byte, 1) != 1) ::_exit(1);
        {
            const FolderLock lock(folder);
            const char state = static_cast<char>(lock.state());
            if (::write(result_[1], &state, 1) != 1) ::_exit(1);
            if (::read(go_[0], &byte, 1) != 1) ::_exit(1);
        }
        ::_exit(0);  // the lock is released when `byte` says 1, left over when it says 0
    }
    ~OtherProcess() {
        for (const int fd : {go_[0], go_[1], result_[0], result_[1]}) ::close(fd);
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    OtherProcess(const OtherProcess&) = delete;
    OtherProcess& operator=(const OtherProcess&) = delete;

    long pid() const { return pid_; }
    void start() const { ASSERT_EQ(::write(go_[1], "s", 1), 1); }
    FolderLock::State state() const {
        char state = -1;
        EXPECT_EQ(::read(result_[0], &state, 1), 1);
        return static_cast<FolderLock::State>(state);
    }
    // Ends the process: with its lock released, or killed while it holds it.
    void finish(bool release) {
        if (release) {
            ASSERT_EQ(::write(go_[1], "r", 1), 1);
        } else {
            ::kill(pid_, SIGKILL);
        }
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    int go_[2] = {-1, -1};
    int result_[2] = {-1, -1};
    pid_t pid_ = -1;
};

}  // namespace

TEST(FolderLock, TakenWithTheHolderAndReleasedOnDestruction) {
    TestFolder folder;
    const fs::path lockFile = folder.file("zelvo.lock");
    {
        const FolderLock lock(folder.path());
        ASSERT_TRUE(lock.locked());
        EXPECT_EQ(lock.lockFile(), lockFile);
        EXPECT_TRUE(lock.refusal().empty());
        const LockHolder me = thisProcess();
        EXPECT_EQ(folder.readText("zelvo.lock"), lockText(::getpid(), me.programName, me.hostName));
        EXPECT_FALSE(me.programName.empty());
        EXPECT_FALSE(me.hostName.empty());
    }
    EXPECT_FALSE(fs::exists(lockFile));
    const FolderLock again(folder.path());
    EXPECT_TRUE(again.locked());
}

TEST(FolderLock, ASecondTakerIsRefusedWithTheHoldersProcessId) {
    TestFolder folder;
    OtherProcess other(folder.path());
    other.start();
    ASSERT_EQ(other.state(), FolderLock::State::Locked);

    const auto before = folder.snapshot();
    {
        const FolderLock second(folder.path());
        EXPECT_EQ(second.state(), FolderLock::State::HeldByOther);
        EXPECT_EQ(second.holder().pid, other.pid());
        EXPECT_EQ(second.holder().hostName, thisProcess().hostName);
        EXPECT_NE(second.refusal().find(std::to_string(other.pid())), std::string::npos);
    }
    // The refused taker leaves the holder's lock file alone.
    EXPECT_EQ(folder.snapshot(), before);

    // Within one process a second lock is refused too.
    other.finish(true);
    EXPECT_FALSE(folder.exists("zelvo.lock"));
    const FolderLock first(folder.path());
    const FolderLock second(folder.path());
    EXPECT_TRUE(first.locked());
    EXPECT_EQ(second.state(), FolderLock::State::HeldByOther);
    EXPECT_EQ(second.holder().pid, ::getpid());
}

TEST(FolderLock, TheLockOfAKilledProgramIsTakenOver) {
    TestFolder folder;
    OtherProcess other(folder.path());
    other.start();
    ASSERT_EQ(other.state(), FolderLock::State::Locked);
    other.finish(false);
    ASSERT_TRUE(folder.exists("zelvo.lock"));

    const FolderLock lock(folder.path());
    EXPECT_TRUE(lock.locked());
    EXPECT_EQ(folder.readText("zelvo.lock").rfind(std::to_string(::getpid()) + "\n", 0), 0u);
}

TEST(FolderLock, StaleAndLiveLockFiles) {
    TestFolder folder;
    const LockHolder me = thisProcess();
    struct Case {
        std::string text;
        int age;
        bool flocked;  // by a program still making its lock file
        bool stale;
    };
    const std::vector<Case> cases = {
        {lockText(endedProcess(), me.programName, me.hostName), 0, false, true},
        // After a restart the id belongs to another program.
        {lockText(1, "zelvo-nowhere", me.hostName), 0, false, true},
        // A program of another machine cannot be seen from here.
        {lockText(endedProcess(), "zelvo", me.hostName + "-elsewhere"), 3600, false, false},
        // A lock file still being written, then one whose writer ended before writing.
        {"", 0, true, false},
        {"", 0, false, true},
        {"", 120, false, true},
        {"garbage", 30, true, false},
        {"garbage", 30, false, true},
        {"garbage", 120, false, true},
    };
    for (const Case& c : cases) {
        folder.writeText("zelvo.lock", c.text);
        makeOld(folder.file("zelvo.lock"), c.age);
        const int maker = ::open(folder.file("zelvo.lock").c_str(), O_RDONLY);
        if (c.flocked) ::flock(maker, LOCK_EX);
        const FolderLock lock(folder.path());
        ::close(maker);
        EXPECT_EQ(lock.locked(), c.stale) << c.text << " aged " << c.age;
        if (!c.stale) {
            EXPECT_EQ(folder.readText("zelvo.lock"), c.text);
            EXPECT_FALSE(lock.refusal().empty());
        }
    }
    folder.writeText("zelvo.lock", lockText(42, "zelvo", "elsewhere"));
    const FolderLock elsewhere(folder.path());
    EXPECT_EQ(elsewhere.holder().hostName, "elsewhere");
    EXPECT_NE(elsewhere.refusal().find("elsewhere"), std::string::npos);
    folder.writeText("zelvo.lock", "");
    const int maker = ::open(folder.file("zelvo.lock").c_str(), O_RDONLY);
    ::flock(maker, LOCK_EX);
    const FolderLock unknown(folder.path());
    ::close(maker);
    EXPECT_EQ(unknown.holder().pid, 0);
    EXPECT_NE(unknown.refusal().find(folder.file("zelvo.lock").string()), std::string::npos);
}

// Many programs starting at once on a folder whose lock was left over: exactly one wins.
TEST(FolderLock, OneWinnerAmongTakersOfAStaleLock) {
    TestFolder folder;
    for (int round = 0; round < 15; ++round) {
        folder.writeText("zelvo.lock", lockText(endedProcess(), thisProcess().programName,
                                                thisProcess().hostName));
        std::vector<std::unique_ptr<OtherProcess>> takers;
        for (int i = 0; i < 6; ++i) takers.push_back(std::make_unique<OtherProcess>(folder.path()));
        for (const auto& taker : takers) taker->start();
        int winners = 0;
        for (const auto& taker : takers) winners += taker->state() == FolderLock::State::Locked;
        EXPECT_EQ(winners, 1) << "round " << round;
        for (const auto& taker : takers) taker->finish(false);
    }
}

TEST(FolderLock, AFolderWithoutWriteAccessCannotBeLocked) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
    TestFolder folder;
    ASSERT_EQ(::chmod(folder.str().c_str(), 0555), 0);
    const FolderLock lock(folder.path());
    EXPECT_EQ(lock.state(), FolderLock::State::Failed);
    EXPECT_NE(lock.refusal().find("zelvo.lock"), std::string::npos);
    ::chmod(folder.str().c_str(), 0755);
}

TEST(FolderLock, LeftoversOfKilledSavesAreFoundAndRemoved) {
    TestFolder folder;
    const long ended = endedProcess();
    const std::string gone = "zdat9.bin." + std::to_string(ended) + ".3.tmp~";
    const std::string goneCopy = "Roll/Zv9_3/zcard.dat." + std::to_string(ended) + ".1.tmp~";
    const std::string running = "zcard.dat." + std::to_string(::getppid()) + ".1.tmp~";
    const std::string runningLong = "zappt.dat." + std::to_string(::getppid()) + ".2.tmp~";
    const std::string mine = tempFileName("zelvog.ini");
    for (const std::string& name : {gone, goneCopy, running, runningLong, mine,
                                    std::string("zdat9.bin"), std::string("zdat9.bin.tmp~")})
        folder.writeText(name, "x");
    makeOld(folder.file(runningLong), 2 * 3600);

    const std::vector<std::string> expected = {goneCopy, runningLong, gone};
    EXPECT_EQ(leftoverTempFiles(folder.path()), expected);
    EXPECT_TRUE(folder.exists(gone));
    EXPECT_EQ(removeLeftoverTempFiles(folder.path()), expected);
    for (const std::string& name : expected) EXPECT_FALSE(folder.exists(name)) << name;
    for (const std::string& name : {running, mine, std::string("zdat9.bin")})
        EXPECT_TRUE(folder.exists(name)) << name;
    EXPECT_TRUE(leftoverTempFiles(folder.path()).empty());
}
