// Drawing every page of the congregation analysis (kind 1) at 300 dpi on the recording surface,
// for the capacity congregation: 1,509 people with remarks and late reports at their capacity.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "capacity_congregation.h"
#include "reports/recording_surface.h"
#include "reports/report_routines.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace {

using namespace zelvo;
using bench::capacityDoc;
using bench::kToday;

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
