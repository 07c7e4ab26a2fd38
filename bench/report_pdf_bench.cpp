// The whole congregation analysis (report kind 1) of the capacity congregation written as a PDF
// at 300 dots per inch, through the printing path: every page clips one band of the report and
// draws the report whole. Needs no display (offscreen platform) and no printer.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "demo/demo_congregation.h"
#include "gui/reports/report_pdf.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace {

using namespace zelvo;
namespace fs = std::filesystem;

const Date kToday{2026, 12, 8};

// The capacity congregation, written once and loaded once.
class CapacityDoc {
public:
    static CapacityDoc& get() {
        static CapacityDoc instance;
        return instance;
    }
    CZelvoDoc doc;
    std::string pdf;

private:
    CapacityDoc() {
        path_ = (fs::temp_directory_path() / ("zelvo_pdf_bench_" + std::to_string(::getpid())))
                    .string();
        fs::remove_all(path_);
        demo::DemoOptions options;
        options.people = static_cast<int>(CZelvoDoc::kMaxRows) - 1;
        options.fullSideTables = true;
        options.seed = 2026;
        options.today = kToday;
        ScriptedPrompts prompts;
        if (!demo::writeDemoCongregation(path_, options)) std::abort();
        doc.startUp(path_, kToday, LoadMode::ReadOnly);
        if (!doc.load(prompts, LoadMode::ReadOnly).ok) std::abort();
        pdf = (fs::path(path_) / "report.pdf").string();
    }
    ~CapacityDoc() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string path_;
};

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
    CapacityDoc& data = CapacityDoc::get();
    gui::ReportPdfRequest request;
    request.kind = static_cast<int>(state.range(0));
    request.a4 = state.range(1) != 0;
    request.path = data.pdf;
    std::string error;
    for (auto _ : state) {
        if (!gui::writeReportPdf(data.doc, request, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.counters["pages"] = pageObjects(data.pdf);
}
BENCHMARK(BM_ReportPdf)
    ->ArgsProduct({{1}, {0, 1}})
    ->ArgNames({"kind", "a4"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

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
