// Load, save, sort and branch totals of a congregation with every table at capacity: 1,509 people,
// 3,898 remarks, 600 contact extras, 1,000 emergency contacts, 1,300 special needs, 1,500
// appointments, 20 groups. The data set is generated once per run into a temporary folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "capacity_congregation.h"
#include "store/branch_totals.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace {

using namespace zelvo;
using bench::CapacityFolder;
using bench::kToday;

bool loadInto(CZelvoDoc& doc, LoadMode mode) {
    ScriptedPrompts prompts;
    doc.startUp(CapacityFolder::path(), kToday, mode);
    return doc.load(prompts, mode).ok && doc.recordCount() == CZelvoDoc::kMaxRows;
}

// The program's own start: may tidy files (remark undo copy, remark compaction).
void BM_StartUpAndLoadLive(benchmark::State& state) {
    CapacityFolder::path();
    for (auto _ : state) {
        CZelvoDoc doc;
        if (!loadInto(doc, LoadMode::Live)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.publishers.data());
    }
}

// Writes nothing: the reading and in-memory work alone.
void BM_StartUpAndLoadReadOnly(benchmark::State& state) {
    CapacityFolder::path();
    for (auto _ : state) {
        CZelvoDoc doc;
        if (!loadInto(doc, LoadMode::ReadOnly)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.publishers.data());
    }
}

void BM_SaveAll(benchmark::State& state) {
    CZelvoDoc doc;
    if (!loadInto(doc, LoadMode::Live)) state.SkipWithError("load failed");
    ScriptedPrompts prompts;
    for (auto _ : state) {
        doc.markModified();
        if (!doc.saveAll(prompts).ok) state.SkipWithError("save failed");
    }
}

// Argument 0: the table as loaded (already in order, as at the load's second sort);
// 1: the rows shuffled first.
void BM_SortRows(benchmark::State& state) {
    CZelvoDoc doc;
    if (!loadInto(doc, LoadMode::ReadOnly)) state.SkipWithError("load failed");
    std::vector<PublisherRecord> start = doc.publishers;
    if (state.range(0) == 1) {
        std::mt19937 engine(7);
        for (std::size_t i = start.size() - 1; i > 1; --i)
            std::swap(start[i], start[1 + engine() % i]);
    }
    for (auto _ : state) {
        state.PauseTiming();
        doc.publishers = start;
        state.ResumeTiming();
        doc.sortRows();
        benchmark::DoNotOptimize(doc.publishers.data());
    }
    state.SetLabel(state.range(0) == 1 ? "shuffled" : "in order");
}

void BM_ComputeBranchTotals(benchmark::State& state) {
    CZelvoDoc doc;
    if (!loadInto(doc, LoadMode::ReadOnly)) state.SkipWithError("load failed");
    for (auto _ : state) {
        computeBranchTotals(doc, false);
        benchmark::DoNotOptimize(doc.reportTotals);
    }
}

#define ZELVO_BENCH(name) \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true)

ZELVO_BENCH(BM_StartUpAndLoadLive);
ZELVO_BENCH(BM_StartUpAndLoadReadOnly);
ZELVO_BENCH(BM_SaveAll);
ZELVO_BENCH(BM_SortRows)->Arg(0)->Arg(1);
ZELVO_BENCH(BM_ComputeBranchTotals);

}  // namespace
