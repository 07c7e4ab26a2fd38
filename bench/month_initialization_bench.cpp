// Month initialization of the capacity congregation (1,509 people, every side table full),
// including the month copy of its data folder under Roll. Each run opens the report month of a
// freshly loaded copy of the folder, whose Roll is removed first, so the copy is made every time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "capacity_congregation.h"
#include "reporting/month_initialization.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace {

using namespace zelvo;
namespace fs = std::filesystem;

const std::string& ownFolder() {
    static const bench::CapacityCopy copy("init");
    return copy.path();
}

void BM_InitializeMonthWithCopy(benchmark::State& state) {
    const std::string& folder = ownFolder();
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code ec;
        fs::remove_all(fs::path(folder) / "Roll", ec);
        CZelvoDoc doc;
        ScriptedPrompts prompts;
        doc.startUp(folder, bench::kToday, LoadMode::Live);
        if (!doc.load(prompts, LoadMode::Live).ok) state.SkipWithError("load failed");
        const int month = doc.calendar.reportMonth;
        const int slot = doc.calendar.reportSlot();
        state.ResumeTiming();
        const auto result = reporting::initializeMonth(doc, month, slot, bench::kToday);
        if (!result.done) state.SkipWithError("initialization refused");
        benchmark::DoNotOptimize(doc.publishers.data());
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
}
BENCHMARK(BM_InitializeMonthWithCopy)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
