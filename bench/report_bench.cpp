// Drawing every page of the congregation analysis (kind 1) at 300 dpi on the recording surface,
// for the capacity congregation: 1,509 people with remarks and late reports at their capacity.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "demo/demo_congregation.h"
#include "reports/recording_surface.h"
#include "reports/report_routines.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace {

using namespace zelvo;
namespace fs = std::filesystem;

const Date kToday{2026, 12, 8};

// The capacity congregation, made once in a temporary folder and loaded read-only.
CZelvoDoc& capacityDoc() {
    static CZelvoDoc doc;
    static const bool loaded = [] {
        const std::string path =
            (fs::temp_directory_path() / ("zelvo_report_bench_" + std::to_string(::getpid())))
                .string();
        fs::remove_all(path);
        demo::DemoOptions options;
        options.people = static_cast<int>(CZelvoDoc::kMaxRows) - 1;
        options.fullSideTables = true;
        options.seed = 2026;
        options.today = kToday;
        if (!demo::writeDemoCongregation(path, options)) return false;
        ScriptedPrompts prompts;
        doc.startUp(path, kToday, LoadMode::ReadOnly);
        const bool ok = doc.load(prompts, LoadMode::ReadOnly).ok;
        fs::remove_all(path);
        return ok;
    }();
    if (!loaded) {
        std::fprintf(stderr, "could not make the capacity congregation\n");
        std::abort();
    }
    return doc;
}

void BM_DrawCongregationAnalysis(benchmark::State& state) {
    CZelvoDoc& doc = capacityDoc();
    reports::ReportFonts fonts;
    fonts.resetToDefaults(doc.languageWord);
    int pages = 0;
    for (auto _ : state) {
        reports::RecordingSurface surface(300, 300);
        reports::ReportContext context = reports::reportContextFor(doc, fonts, kToday);
        if (!reports::drawReport(doc, surface, 1, 0, context)) state.SkipWithError("not drawn");
        pages = context.pageCount;
        benchmark::DoNotOptimize(surface.pages().data());
    }
    state.counters["pages"] = pages;
}

BENCHMARK(BM_DrawCongregationAnalysis)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
