#include "gui/reports/card_printing.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

#include "gui/reports/page_progress.h"
#include "gui/reports/report_printing.h"
#include "gui/shell/qt_text.h"
#include "render/painter_surface.h"
#include "render/record_card_pdf.h"
#include "resources/strings.h"
#include "store/user_prompts.h"

namespace zelvo::gui {

namespace {

// The cards on `target`, a page each; false when Cancel stopped them or the device failed.
// `pagesSent` counts the pages drawn.
bool paintCards(const CZelvoDoc& doc, const reports::CardSet& cards,
                const reports::CardOptions& options, QPrinter& target, PageProgress& progress,
                int& pagesSent) {
    QPainter painter;
    if (!painter.begin(&target)) return false;
    render::PainterSurface surface(painter, target.logicalDpiX(), target.logicalDpiY());
    bool ok = true;
    for (int i = 0; i < cards.size() && ok; ++i) {
        if (i > 0) ok = target.newPage();
        if (!ok) break;
        reports::drawCardOf(doc, cards, i, options, surface);
        ++pagesSent;
        ok = progress.pageDone(1, 1, i + 1, cards.size());
    }
    if (!ok && progress.cancelled()) target.abort();
    return painter.end() && ok;
}

}  // namespace

CardPrinting::CardPrinting(QWidget* parent, const CZelvoDoc& doc, UserPrompts& prompts,
                           QPrinter* printer)
    : parent_(parent),
      doc_(doc),
      prompts_(prompts),
      shared_(printer),
      progressDelayMs_(PageProgress::kDefaultDelayMs) {
    runPrintDialog_ = [this](QPrinter& target) { return execPrintDialog(parent_, target); };
}

CardPrinting::~CardPrinting() = default;

QPrinter& CardPrinting::printer() {
    if (own_) return *own_;
    if (shared_ != nullptr) return *shared_;
    own_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *own_;
}

void CardPrinting::setPrinter(std::unique_ptr<QPrinter> printer) {
    own_ = std::move(printer);
}

bool CardPrinting::a4() {
    return printer().pageLayout().pageSize().id() == QPageSize::A4;
}

void CardPrinting::setup() {
    QPageSetupDialog dialog(&printer(), parent_);
    dialog.setObjectName(QStringLiteral("printerSetupDialog"));
    dialog.setWindowTitle(qtText(res::kPrinterSetup));
    dialog.exec();
}

void CardPrinting::print(const reports::CardSet& cards, reports::CardOptions options,
                         const QString& jobName, const std::string& pdfName) {
    if (cards.size() == 0) return;
    QPrinter& target = printer();
    if (!printerUsable(target)) {
        const std::string offer =
            std::string(res::kNoPrinterInstalled) + "\n\n" + std::string(res::kCardPdfOffer);
        if (prompts_.askYesNo(offer)) writePdf(cards, options, pdfName);
        return;
    }
    target.setDocName(jobName);
    target.setPrintRange(QPrinter::AllPages);
    if (!runPrintDialog_(target)) return;
    // The card is placed from the paper's corner, not from the printable area's.
    target.setFullPage(true);
    options.a4 = a4();

    FileJob file(target);
    PageProgress progress(parent_, qtText(res::kPrint), progressDelayMs_);
    int pagesSent = 0;
    if (!file.finish(paintCards(doc_, cards, options, target, progress, pagesSent)))
        tellJobStopped(prompts_, target, progress.cancelled(), pagesSent);
}

void CardPrinting::writePdf(const reports::CardSet& cards, reports::CardOptions options,
                            const std::string& pdfName) {
    if (cards.size() == 0) return;
    const std::string path =
        prompts_.chooseSaveFile(res::kPdfSaveTitle, offeredPath(pdfName), res::kPdfFileFilter);
    if (path.empty()) return;
    pdfFolder_ = QFileInfo(qtText(path)).absolutePath();
    options.a4 = a4();
    PageProgress progress(parent_, qtText(res::kPdfSaveTitle), progressDelayMs_);
    std::string error;
    const render::CardDrawer draw = [&](reports::Surface& surface, int card) {
        reports::drawCardOf(doc_, cards, card, options, surface);
    };
    if (!render::writeCardPagesPdf(
            options.a4, cards.size(), draw, path, error,
            [&](int done, int count) { return progress.pageDone(1, 1, done, count); }))
        prompts_.showMessage(error);
}

std::string CardPrinting::offeredPath(const std::string& name) const {
    QString folder = pdfFolder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    // A person's name may hold what a file name cannot: a slash would name a folder.
    QString file = qtText(name);
    for (const QChar c : QStringLiteral("/\\:*?\"<>|")) file.replace(c, QLatin1Char('-'));
    return utf8Text(QDir(folder).filePath(file + QStringLiteral(".pdf")));
}

}  // namespace zelvo::gui
