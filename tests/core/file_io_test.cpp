// Atomic writes: a saved file keeps its permissions, temporary names never collide, and a failed
// write leaves nothing behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "store/file_io.h"
#include "test_folder.h"

using namespace zelvo;
using zelvo::test::TestFolder;

namespace {

unsigned modeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 0777;
}

// Sets the umask for one test.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : old_(::umask(mask)) {}
    ~UmaskScope() { ::umask(old_); }

private:
    mode_t old_;
};

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(FileIo, AWriteKeepsTheFilesPermissions) {
    const UmaskScope umask(022);
    TestFolder folder;
    for (const unsigned mode : {0600u, 0640u, 0400u, 0664u}) {
        folder.writeText("zdat9.bin", "old");
        ASSERT_EQ(::chmod(folder.file("zdat9.bin").c_str(), mode), 0);
        ASSERT_TRUE(writeFileAtomic(folder.file("zdat9.bin"), std::string_view("new")));
        EXPECT_EQ(modeOf(folder.file("zdat9.bin")), mode) << std::oct << mode;
        EXPECT_EQ(folder.readText("zdat9.bin"), "new");
        folder.remove("zdat9.bin");
    }
    // A new file gets the default of the umask.
    ASSERT_TRUE(writeFileAtomic(folder.file("zcard.dat"), std::string_view("x")));
    EXPECT_EQ(modeOf(folder.file("zcard.dat")), 0644u);
    const UmaskScope strict(077);
    ASSERT_TRUE(writeFileAtomic(folder.file("zappt.dat"), std::string_view("x")));
    EXPECT_EQ(modeOf(folder.file("zappt.dat")), 0600u);
}

TEST(FileIo, ACopyIsNeverReadableByMoreThanItsSource) {
    const UmaskScope umask(022);
    TestFolder folder;
    folder.writeText("remark9.dat", "remarks");
    ASSERT_EQ(::chmod(folder.file("remark9.dat").c_str(), 0600), 0);
    ASSERT_TRUE(copyFileAtomic(folder.file("remark9.dat"), folder.file("rmkundo.dat")));
    EXPECT_EQ(modeOf(folder.file("rmkundo.dat")), 0600u);
    EXPECT_EQ(folder.readText("rmkundo.dat"), "remarks");

    // An older, wider copy is narrowed; a narrower one stays narrow.
    ASSERT_EQ(::chmod(folder.file("rmkundo.dat").c_str(), 0644), 0);
    ASSERT_TRUE(copyFileAtomic(folder.file("remark9.dat"), folder.file("rmkundo.dat")));
    EXPECT_EQ(modeOf(folder.file("rmkundo.dat")), 0600u);
    ASSERT_EQ(::chmod(folder.file("remark9.dat").c_str(), 0644), 0);
    ASSERT_EQ(::chmod(folder.file("rmkundo.dat").c_str(), 0640), 0);
    ASSERT_TRUE(copyFileAtomic(folder.file("remark9.dat"), folder.file("rmkundo.dat")));
    EXPECT_EQ(modeOf(folder.file("rmkundo.dat")), 0640u);
}

TEST(FileIo, TemporaryNamesAreUniqueAndRecognized) {
    const std::string first = tempFileName("zdat9.bin");
    const std::string second = tempFileName("zdat9.bin");
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind("zdat9.bin.", 0), 0u);
    EXPECT_EQ(tempFileWriter(first), ::getpid());
    EXPECT_EQ(tempFileWriter(second), ::getpid());
    EXPECT_EQ(tempFileWriter("zelvog.ini.4321.17.tmp~"), 4321);

    for (const char* other :
         {"zdat9.bin", "zdat9.bin.tmp~", "zdat9.bin.12.tmp~", ".12.3.tmp~", "zdat9.bin.x12.3.tmp~",
          "zdat9.bin.12.3.tmp", "zdat9.bin.12..tmp~", "zdat9.bin.12345678901.3.tmp~"})
        EXPECT_FALSE(tempFileWriter(other).has_value()) << other;
}

// Two writers of one file at once each write through a temporary file of their own.
TEST(FileIo, ConcurrentWritesOfOneFileNeverCollide) {
    TestFolder folder;
    const fs::path target = folder.file("zdat9.bin");
    std::atomic<int> failures{0};
    auto writer = [&](char fill) {
        const std::string text(4096, fill);
        for (int i = 0; i < 200; ++i)
            if (!writeFileAtomic(target, std::string_view(text))) ++failures;
    };
    std::thread a(writer, 'a');
    std::thread b(writer, 'b');
    a.join();
    b.join();
    EXPECT_EQ(failures, 0);
    const std::string result = folder.readText("zdat9.bin");
    EXPECT_TRUE(result == std::string(4096, 'a') || result == std::string(4096, 'b'));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"zdat9.bin"});
}

TEST(FileIo, AFailedWriteLeavesNoTemporaryFile) {
    TestFolder folder;
    fs::create_directory(folder.file("zcard.dat"));
    EXPECT_FALSE(writeFileAtomic(folder.file("zcard.dat"), std::string_view("x")));
    EXPECT_TRUE(fs::is_directory(folder.file("zcard.dat")));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"zcard.dat"});
    EXPECT_FALSE(writeFileAtomic(folder.file("Roll/zcard.dat"), std::string_view("x")));
}
