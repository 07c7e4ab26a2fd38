// A month of report entry at capacity: 1,509 reports typed into the report form model and
// confirmed with OK (every active publisher's report month, then late reports of the month
// before for the rest), then the data saved once. Each run starts from a fresh copy of the
// capacity congregation, so every OK commits a change.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "capacity_congregation.h"
#include "reporting/report_form_model.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace {

using namespace zelvo;
using reporting::FormField;
using reporting::ReportFormModel;
namespace fs = std::filesystem;

constexpr int kReports = 1509;

// The capacity congregation copied afresh into a folder of this benchmark's own.
std::string freshCopy() {
    static const fs::path folder =
        fs::temp_directory_path() / ("zelvo_form_bench_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::copy(bench::CapacityFolder::path(), folder, fs::copy_options::recursive);
    return folder.string();
}

// One report as the secretary types it; false when the form refused it or found no change.
bool enterReport(CZelvoDoc& doc, int row, int monthsBack, UserPrompts& prompts) {
    ReportFormModel form(doc, row, prompts);
    if (monthsBack > 0) form.chooseMonth((doc.calendar.reportMonth + 12 - monthsBack) % 12);
    form.setParticipated(true);
    if (form.visible(FormField::Hours)) {
        form.type(FormField::Hours, "52.5");
        form.leaveHours();
    }
    form.type(FormField::Studies, "3");
    return !form.accept() && form.committed();
}

void BM_EnterReportsAndSave(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const std::string folder = freshCopy();
        CZelvoDoc doc;
        ScriptedPrompts prompts;
        doc.startUp(folder, bench::kToday, LoadMode::Live);
        if (!doc.load(prompts, LoadMode::Live).ok) state.SkipWithError("load failed");
        state.ResumeTiming();

        int entered = 0;
        for (int back = 0; entered < kReports && back < 12; ++back)
            for (const IndexEntry& e : doc.kindLists[kPublisher]) {
                if (entered == kReports) break;
                if (!enterReport(doc, e.recordIndex, back, prompts))
                    state.SkipWithError("a report was refused or not committed");
                ++entered;
            }
        if (state.range(0) == 1 && !doc.saveAll(prompts).ok) state.SkipWithError("save failed");
        benchmark::DoNotOptimize(doc.publishers.data());
    }
    state.SetLabel(state.range(0) == 1 ? "entered and saved" : "entered only");
}

// Argument 1: the save included; 0: the form's work alone.
BENCHMARK(BM_EnterReportsAndSave)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
