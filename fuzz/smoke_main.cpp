// Runs a fuzz target without libFuzzer.
//
//   TARGET --smoke N [SEED]  the target's generated seeds, each seed part cut at every record
//                            boundary and one byte either side, then random mutations (bit flips,
//                            random bytes, duplicated chunks and records, sizes up to a few
//                            hundred kilobytes): N inputs in all, the same ones for the same SEED
//   TARGET --seeds DIR       writes the encoded seeds into DIR, a corpus for libFuzzer
//   TARGET FILE|DIR...       runs each file once (a crash input kept by libFuzzer, say)
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace {

using zelvo::Byte;
using zelvo::Bytes;
using zelvo::fuzz::Seed;
using zelvo::fuzz::SeedPart;
namespace fs = std::filesystem;

constexpr std::size_t kHugeBytes = 400 * 1024;
constexpr std::size_t kMaxBoundaries = 64;

// The input being run, written out if the run aborts so that it can be run again by name.
const Bytes* gCurrent = nullptr;
char gCrashPath[512] = "smoke-crash-input";

extern "C" void keepCrashInput(int signal) {
    if (gCurrent != nullptr) {
        const int fd = ::open(gCrashPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            const ssize_t written = ::write(fd, gCurrent->data(), gCurrent->size());
            ::close(fd);
            static const char kNote[] = "\nsmoke: the failing input is in the file ";
            if (written >= 0 && ::write(STDERR_FILENO, kNote, sizeof kNote - 1) >= 0 &&
                ::write(STDERR_FILENO, gCrashPath, std::strlen(gCrashPath)) >= 0)
                (void)!::write(STDERR_FILENO, "\n", 1);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void runOne(const Bytes& input) {
    gCurrent = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    gCurrent = nullptr;
}

// Where a part may be cut: record boundaries, or line starts of a text, and its end.
std::vector<std::size_t> boundaries(const SeedPart& part) {
    std::vector<std::size_t> out{0};
    const std::size_t size = part.bytes.size();
    for (std::size_t at = 1; at <= size && out.size() < kMaxBoundaries; ++at) {
        const bool boundary =
            part.recordSize > 0 ? at % part.recordSize == 0 : part.bytes[at - 1] == '\n';
        if (boundary) out.push_back(at);
    }
    if (out.back() != size) out.push_back(size);
    return out;
}

// Truncates, or grows by one byte when `size` is one past the end.
void cutTo(SeedPart& part, std::size_t size) {
    if (size <= part.bytes.size())
        part.bytes.resize(size);
    else
        part.bytes.push_back(0xA5);
}

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : static_cast<std::size_t>(random_() % n);
    }

    void mutate(Seed& seed) {
        const std::size_t steps = 1 + below(3);
        for (std::size_t i = 0; i < steps; ++i) {
            if (seed.parts.empty() || below(6) == 0)
                mutateSeed(seed);
            else
                mutatePart(seed.parts[below(seed.parts.size())]);
        }
    }

private:
    std::mt19937 random_;

    Byte randomByte() { return static_cast<Byte>(random_() & 0xFF); }
    Bytes randomBytes(std::size_t n) {
        Bytes b(n);
        for (Byte& x : b) x = randomByte();
        return b;
    }

    void mutateSeed(Seed& seed) {
        switch (below(4)) {
            case 0:
                if (!seed.parts.empty()) {
                    seed.parts.erase(seed.parts.begin() +
                                     static_cast<std::ptrdiff_t>(below(seed.parts.size())));
                    break;
                }
                [[fallthrough]];
            case 1: {
                SeedPart part;
                part.file = static_cast<int>(below(32));
                part.bytes = randomBytes(below(2048));
                seed.parts.push_back(std::move(part));
                break;
            }
            case 2:
                if (!seed.parts.empty()) seed.parts.push_back(seed.parts[below(seed.parts.size())]);
                break;
            default:
                seed.flags = static_cast<std::uint8_t>(seed.flags ^ (1u << below(8)));
                break;
        }
    }

    void mutatePart(SeedPart& part) {
        Bytes& b = part.bytes;
        const std::size_t unit = std::max<std::size_t>(part.recordSize, 16);
        switch (below(9)) {
            case 0:  // bit flips
                for (std::size_t k = 1 + below(8); k > 0 && !b.empty(); --k)
                    b[below(b.size())] ^= static_cast<Byte>(1u << below(8));
                break;
            case 1:  // truncation anywhere
                b.resize(below(b.size() + 1));
                break;
            case 2: {  // random bytes over a stretch
                if (b.empty()) break;
                const std::size_t at = below(b.size());
                const std::size_t n = 1 + below(std::min<std::size_t>(64, b.size() - at));
                for (std::size_t i = 0; i < n; ++i) b[at + i] = randomByte();
                break;
            }
            case 3: {  // all random, often whole records
                std::size_t n = below(4 * unit + 1);
                if (part.recordSize > 0 && below(2) == 0) n -= n % part.recordSize;
                b = randomBytes(n);
                break;
            }
            case 4: {  // a duplicated chunk
                if (b.empty()) break;
                const std::size_t at = below(b.size());
                const std::size_t n = 1 + below(std::min(2 * unit, b.size() - at));
                const Bytes chunk(b.begin() + static_cast<std::ptrdiff_t>(at),
                                  b.begin() + static_cast<std::ptrdiff_t>(at + n));
                b.insert(b.begin() + static_cast<std::ptrdiff_t>(below(b.size() + 1)),
                         chunk.begin(), chunk.end());
                break;
            }
            case 5:  // a huge file: the part repeated up to a few hundred kilobytes
                if (!b.empty())
                    part.repeat = std::max<std::size_t>(2, 1 + below(kHugeBytes / b.size()));
                break;
            case 6: {  // bytes the formats give meaning to
                static constexpr Byte kBytes[] = {0,    0xFF, 0x7F, 0x80, 204, 'A', 'u', ' ',
                                                  '\n', '\r', '[',  ']',  '=', ';', 1};
                for (std::size_t k = 1 + below(4); k > 0 && !b.empty(); --k)
                    b[below(b.size())] = kBytes[below(std::size(kBytes))];
                break;
            }
            case 7: {  // a word the records give meaning to: ids, counts, capacities
                static constexpr std::uint16_t kWords[] = {
                    0,    1,    9,    10,   11,   12,   13,     284,    300,
                    1000, 1300, 1500, 1509, 1510, 3898, 0x7FFF, 0x8000, 0xFFFF};
                if (b.size() < 2) break;
                const std::size_t at = below(b.size() - 1) & ~std::size_t{1};
                const std::uint16_t w = below(4) == 0 ? static_cast<std::uint16_t>(random_())
                                                      : kWords[below(std::size(kWords))];
                zelvo::writeU16(b.data() + at, w);
                break;
            }
            default: {  // one record copied over another (duplicate ids and keys)
                const std::size_t records = part.recordSize > 0 ? b.size() / part.recordSize : 0;
                if (records < 2) break;
                const std::size_t from = below(records) * part.recordSize;
                const std::size_t to = below(records) * part.recordSize;
                std::copy_n(b.begin() + static_cast<std::ptrdiff_t>(from), part.recordSize,
                            b.begin() + static_cast<std::ptrdiff_t>(to));
                break;
            }
        }
    }
};

int smoke(const char* program, std::size_t count, std::uint32_t seedValue) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<Seed> seeds = zelvo::fuzz::generateSeeds();
    if (seeds.empty()) {
        std::fprintf(stderr, "%s: no seeds\n", program);
        return 1;
    }
    struct Cut {
        std::size_t seed, part, size;
    };
    std::vector<Cut> cuts;
    for (std::size_t s = 0; s < seeds.size(); ++s)
        for (std::size_t p = 0; p < seeds[s].parts.size(); ++p) {
            std::vector<std::size_t> sizes;
            for (const std::size_t b : boundaries(seeds[s].parts[p]))
                for (const std::size_t c : {b - 1, b, b + 1})
                    if (c <= seeds[s].parts[p].bytes.size() + 1) sizes.push_back(c);
            std::sort(sizes.begin(), sizes.end());
            sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
            for (const std::size_t c : sizes) cuts.push_back({s, p, c});
        }

    Mutator mutator(seedValue);
    std::size_t done = 0;
    std::size_t nextCut = 0;
    for (; done < seeds.size() && done < count; ++done)
        runOne(zelvo::fuzz::encodeSeed(seeds[done]));
    for (; done < count; ++done) {
        Seed input;
        if (done % 2 == 0 && nextCut < cuts.size()) {
            const Cut& c = cuts[nextCut++];
            input = seeds[c.seed];
            cutTo(input.parts[c.part], c.size);
        } else {
            input = seeds[mutator.below(seeds.size())];
            mutator.mutate(input);
        }
        runOne(zelvo::fuzz::encodeSeed(input));
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s: %zu inputs (%zu seeds, %zu of %zu cuts, the rest mutations) in %.1f s\n",
                program, done, seeds.size(), nextCut, cuts.size(), took.count());
    return 0;
}

int writeSeeds(const char* program, const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::vector<Seed> seeds = zelvo::fuzz::generateSeeds();
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const Bytes bytes = zelvo::fuzz::encodeSeed(seeds[i]);
        std::ofstream out(folder / ("seed-" + std::to_string(i)), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "%s: cannot write into %s\n", program, folder.c_str());
            return 1;
        }
    }
    std::printf("%s: %zu seeds written into %s\n", program, seeds.size(), folder.c_str());
    return 0;
}

int runFile(const char* program, const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read %s\n", program, path.c_str());
        return 1;
    }
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    runOne(bytes);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* program = argc > 0 ? argv[0] : "fuzz";
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::snprintf(gCrashPath, sizeof gCrashPath, "smoke-crash-%s",
                  fs::path(program).filename().c_str());
    std::signal(SIGABRT, keepCrashInput);
    if (args.empty()) {
        std::fprintf(stderr, "usage: %s --smoke N [SEED] | --seeds DIR | FILE...\n", program);
        return 2;
    }
    if (args[0] == "--smoke" && args.size() >= 2) {
        const auto count = static_cast<std::size_t>(std::strtoul(args[1].c_str(), nullptr, 10));
        const auto seed =
            args.size() > 2 ? static_cast<std::uint32_t>(std::strtoul(args[2].c_str(), nullptr, 10))
                            : 1253u;
        return smoke(program, count, seed);
    }
    if (args[0] == "--seeds" && args.size() == 2) return writeSeeds(program, args[1]);
    int status = 0;
    for (const std::string& arg : args) {
        std::error_code ec;
        if (fs::is_directory(arg, ec)) {
            std::vector<fs::path> inputs;
            for (const auto& entry : fs::directory_iterator(arg, ec))
                if (entry.is_regular_file(ec)) inputs.push_back(entry.path());
            std::sort(inputs.begin(), inputs.end());
            for (const fs::path& p : inputs) status |= runFile(program, p);
        } else {
            status |= runFile(program, arg);
        }
    }
    return status;
}
