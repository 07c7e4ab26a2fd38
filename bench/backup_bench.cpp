// The backup of the capacity congregation (1,509 people, every side table full, and the month
// copies it has under Roll): every file copied, flushed and renamed into a new backup folder
// that takes its name when whole, then the history record and the settings written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "capacity_congregation.h"
#include "store/backup.h"

namespace {

using namespace zelvo;
namespace fs = std::filesystem;

const std::string& ownFolder() {
    static const bench::CapacityCopy copy("backup");
    return copy.path();
}

void BM_BackupCapacity(benchmark::State& state) {
    const fs::path data = ownFolder();
    const fs::path location = data / "backups";
    int minute = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code ec;
        fs::remove_all(location, ec);
        fs::create_directories(location, ec);
        // A new minute each time, as a second backup in the same minute copies nothing.
        const backup::Moment when{bench::kToday, (minute / 60) % 24, minute % 60};
        ++minute;
        state.ResumeTiming();
        const backup::BackupResult result =
            backup::makeBackup({data, location, when, backup::monthCopiesIn(data)});
        if (!result.ok()) state.SkipWithError("the backup failed");
        benchmark::DoNotOptimize(result.copied.size());
    }
    std::error_code ec;
    fs::remove_all(data, ec);
}
BENCHMARK(BM_BackupCapacity)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
