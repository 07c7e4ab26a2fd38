// The whole congregation analysis (report kind 1), the congregation's averages (kind 5) and its
// twelve-month hours (kind 40) of the capacity congregation written as a PDF at 300 dots per
// inch, through the printing path: every page clips one band of the report and draws the report
// whole; and the record card of every person of the capacity congregation, a page each, into one
// PDF. Needs no display (offscreen platform) and no printer.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "capacity_congregation.h"
#include "render/record_card_pdf.h"
#include "render/report_pdf.h"
#include "reports/record_card.h"
#include "reports/record_card_model.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace {

using namespace zelvo;
namespace fs = std::filesystem;

// Page objects of a PDF ("/Type /Page", not "/Type /Pages").
double pageObjects(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string tag = "/Type /Page";
    int pages = 0;
    for (auto at = bytes.find(tag); at != std::string::npos; at = bytes.find(tag, at + 1))
        if (at + tag.size() >= bytes.size() || bytes[at + tag.size()] != 's') ++pages;
    return pages;
}

void BM_ReportPdf(benchmark::State& state) {
    CZelvoDoc& doc = bench::capacityDoc();
    const std::string pdf = (fs::path(bench::CapacityFolder::path()) / "report.pdf").string();
    render::ReportPdfRequest request;
    request.kind = static_cast<int>(state.range(0));
    request.a4 = state.range(1) != 0;
    request.path = pdf;
    std::string error;
    for (auto _ : state) {
        if (!render::writeReportPdf(doc, request, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.counters["pages"] = pageObjects(pdf);
}
BENCHMARK(BM_ReportPdf)
    ->ArgsProduct({{1, 5, 40}, {0, 1}})
    ->ArgNames({"kind", "a4"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Every active and inactive person's card, one page each, into one file: the secretary's yearly
// print of the whole congregation's cards, drawn as the card dialog's PDF buttons draw them.
void BM_RecordCardsPdf(benchmark::State& state) {
    const CZelvoDoc& doc = bench::capacityDoc();
    const std::string pdf = (fs::path(bench::CapacityFolder::path()) / "cards.pdf").string();
    reports::CardSet cards;
    for (int row = 1; row < static_cast<int>(doc.publishers.size()); ++row) {
        const auto kind = doc.publishers[static_cast<std::size_t>(row)].kind();
        if (kind == kPublisher || kind == kInactive) cards.rows.push_back(row);
    }
    const reports::CardOptions options = reports::cardOptions(doc);
    const render::CardDrawer draw = [&](reports::Surface& surface, int card) {
        reports::drawCardOf(doc, cards, card, options, surface);
    };
    std::string error;
    for (auto _ : state) {
        if (!render::writeCardPagesPdf(options.a4, cards.size(), draw, pdf, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.counters["pages"] = pageObjects(pdf);
}
BENCHMARK(BM_RecordCardsPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
