// `zelvo-cli cards FOLDER (--all | --inactive | --id N [--id N ...] | --totals)
// [--previous-year] [--period 6|year|12|24] [--a4] (--pdf FILE | --text | --json)`: publisher
// record cards, or the congregation's three totals cards, one page each, drawn as the card
// dialog prints them with the card preferences of the settings; read-only.
#include <QGuiApplication>
#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/print_output.h"
#include "render/record_card_pdf.h"
#include "reports/record_card.h"
#include "reports/record_card_model.h"
#include "reports/record_totals_card.h"
#include "reports/recording_surface.h"
#include "reports/report_font.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

constexpr int kPrinterDpi = 300;

constexpr const char* kCardsUsage =
    "Χρήση: cards ΦΑΚΕΛΟΣ (--all | --inactive | --id N [--id N ...] | --totals) [--previous-year] "
    "[--period 6|year|12|24] [--a4] (--pdf ΑΡΧΕΙΟ | --text | --json)\n";

struct CardsRequest {
    bool all = false;
    bool inactive = false;
    bool totals = false;
    std::vector<int> ids;
    bool previousYear = false;
    reports::CardKind kind = reports::CardKind::ServiceYear;
    bool a4 = false;
    bool text = false;
    bool json = false;
    std::optional<std::string> pdf;
};

// The period card of --period's value.
std::optional<reports::CardKind> periodKind(const std::string& value) {
    using reports::CardKind;
    if (value == "6") return CardKind::SixMonths;
    if (value == "year") return CardKind::YearSoFar;
    if (value == "12") return CardKind::TwelveMonths;
    if (value == "24") return CardKind::TwentyFourMonths;
    return std::nullopt;
}

std::optional<CardsRequest> parseRequest(const Options& o, std::ostream& err) {
    CardsRequest r;
    bool ok = true;
    for (std::size_t i = 0; ok && i < o.rest.size(); ++i) {
        const std::string& a = o.rest[i];
        const bool hasNext = i + 1 < o.rest.size();
        if (a == "--all")
            r.all = true;
        else if (a == "--inactive")
            r.inactive = true;
        else if (a == "--totals")
            r.totals = true;
        else if (a == "--previous-year")
            r.previousYear = true;
        else if (a == "--a4")
            r.a4 = true;
        else if (a == "--text")
            r.text = true;
        else if (a == "--json")
            r.json = true;
        else if (a == "--pdf" && hasNext)
            r.pdf = o.rest[++i];
        else if (a == "--period" && hasNext) {
            const auto kind = periodKind(o.rest[++i]);
            ok = kind.has_value();
            if (ok) r.kind = *kind;
        } else if (a == "--id" && hasNext) {
            const auto n = parseNumber(o.rest[++i]);
            ok = n.has_value();
            if (ok) r.ids.push_back(*n);
        } else
            ok = false;
    }
    ok = ok && int{r.all} + int{r.inactive} + int{!r.ids.empty()} + int{r.totals} == 1 &&
         int{r.text} + int{r.json} + int{r.pdf.has_value()} == 1;
    if (!ok) {
        err << kCardsUsage;
        return std::nullopt;
    }
    return r;
}

// The rows of the chosen people, in the list's order for --all and --inactive as the card dialog
// prints them, as given for --id.
std::optional<std::vector<int>> chosenRows(const CZelvoDoc& doc, const CardsRequest& r,
                                           std::ostream& err) {
    std::vector<int> rows;
    if (r.ids.empty()) {
        return reports::RecordCardModel(doc).jobRows(r.inactive);
    }
    for (int id : r.ids) {
        const auto row = doc.findById(id);
        if (!row) {
            err << "Δεν υπάρχει άτομο με αριθμό " << id << "\n";
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    return rows;
}

void printJson(const reports::RecordingSurface& surface, std::ostream& out) {
    JsonWriter json;
    json.beginObject().field("pageCount", static_cast<int>(surface.pages().size()));
    writeTexts(json, pageItems(surface, 0), surface, reports::dateStampFont(0).faceName);
    writeLines(json, surface, 0);
    json.endObject();
    out << json.text() << "\n";
}

}  // namespace

int commandCards(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o, err);
    if (!request) return kExitUsage;
    CZelvoDoc doc;
    CliPrompts prompts(err, o.password);
    if (const int rc = loadDocument(doc, o, LoadMode::ReadOnly, prompts, err); rc != kExitOk)
        return rc;
    std::vector<int> rows;
    if (!request->totals) {
        auto chosen = chosenRows(doc, *request, err);
        if (!chosen) return kExitUsage;
        rows = std::move(*chosen);
    }
    reports::CardOptions options = reports::cardOptions(doc);
    options.a4 = request->a4;
    options.previousYear = request->previousYear;
    options.kind = request->kind;
    const int cards =
        static_cast<int>(request->totals ? reports::kTotalsCards.size() : rows.size());
    if (cards == 0) {
        err << res::kCardNone << "\n";
        return kExitRefused;
    }
    const render::CardDrawer draw = [&](reports::Surface& surface, int card) {
        const auto i = static_cast<std::size_t>(card);
        if (request->totals)
            reports::drawTotalsCard(doc, reports::kTotalsCards[i], options, surface);
        else
            reports::drawRecordCard(doc, rows[i], options, surface);
    };

    if (request->pdf) {
        const std::unique_ptr<QGuiApplication> app = guiApplicationForPdf();
        std::string error;
        if (!render::writeCardPagesPdf(options.a4, cards, draw, *request->pdf, error)) {
            err << error << "\n";
            return kExitFailed;
        }
        return kExitOk;
    }
    reports::RecordingSurface surface(kPrinterDpi, kPrinterDpi);
    for (int i = 0; i < cards; ++i) {
        if (i > 0) surface.newPage();
        draw(surface, i);
    }
    if (request->text)
        writeTextPages(pageItems(surface, 0), static_cast<int>(surface.pages().size()), out);
    else
        printJson(surface, out);
    return kExitOk;
}

}  // namespace zelvo::cli
