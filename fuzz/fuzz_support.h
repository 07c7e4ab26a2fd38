// What the fuzz targets share with the smoke driver: the structured seeds each target generates,
// and the scratch folder of one process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "store/bytes.h"

#if defined(__unix__)
#include <unistd.h>
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace zelvo::fuzz {

// One part of an input: a file of the data folder, or the whole text of the other targets.
struct SeedPart {
    int file = 0;                // the target's own numbering
    Bytes bytes;                 //
    std::size_t recordSize = 0;  // 0: text, cut at line ends instead of record boundaries
    std::size_t repeat = 1;      // the bytes stand for this many copies of themselves
};

// An input before it is encoded: the mutations of the smoke driver work on these parts, so a
// truncation lands on a record boundary of one file rather than somewhere in the encoding.
struct Seed {
    std::uint8_t flags = 0;  // the target's own options
    std::vector<SeedPart> parts;
};

// Each target defines these two.
std::vector<Seed> generateSeeds();
Bytes encodeSeed(const Seed& seed);

// The input being run, for keepInput() below. Each target sets it first thing.
struct CurrentInput {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};
inline CurrentInput& currentInput() {
    static CurrentInput input;
    return input;
}

// A failed check stops the run, so that libFuzzer (or the smoke driver) keeps the input. With
// ZELVO_FUZZ_KEEP_GOING set, for the triage of a long run, each kind of failure (the message
// with its numbers left out) keeps its first input as keep-going-N in the current folder, and
// the run goes on.
inline void fail(const std::string& what) {
    std::fprintf(stderr, "zelvo fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    static const bool keepGoing = std::getenv("ZELVO_FUZZ_KEEP_GOING") != nullptr;
    if (!keepGoing) std::abort();
    std::string kind;
    for (const char c : what)
        if (c < '0' || c > '9') kind += c;
    static std::set<std::string> seen;
    if (!seen.insert(kind).second) return;
    const std::string name = "keep-going-" + std::to_string(seen.size());
    if (std::FILE* f = std::fopen(name.c_str(), "wb")) {
        const CurrentInput& input = currentInput();
        if (input.size > 0) std::fwrite(input.data, 1, input.size, f);
        std::fclose(f);
        std::fprintf(stderr, "zelvo fuzz: input kept as %s\n", name.c_str());
    }
}

inline void check(bool ok, const std::string& what) {
    if (!ok) fail(what);
}

// A folder of this process, removed at exit. In memory where the system offers it: a save
// flushes every file to disk, which would dominate a run on a real disk.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& purpose) {
        std::error_code ec;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, ec)) base = std::filesystem::temp_directory_path();
        path_ = base / (purpose + "-" + std::to_string(processId()));
        std::filesystem::remove_all(path_, ec);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // An empty subfolder, emptied first if an earlier run left something in it.
    std::filesystem::path fresh(const std::string& name) const {
        const std::filesystem::path p = path_ / name;
        std::error_code ec;
        std::filesystem::remove_all(p, ec);
        std::filesystem::create_directories(p);
        return p;
    }

private:
    std::filesystem::path path_;

    static long processId() {
#if defined(__unix__)
        return static_cast<long>(::getpid());
#else
        return 0;
#endif
    }
};

}  // namespace zelvo::fuzz
