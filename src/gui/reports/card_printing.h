// Record cards on their way to paper or to a PDF file: one printer job of a page per card
// through the print dialog (a PDF offered when there is no printer), or every card of a list
// into one PDF file, each with its progress and Cancel.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "reports/record_card_model.h"

class QPrinter;
class QWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class CardPrinting {
public:
    // `printer`: the printer the jobs go to (the main view's), or null for one of its own.
    CardPrinting(QWidget* parent, const CZelvoDoc& doc, UserPrompts& prompts, QPrinter* printer);
    ~CardPrinting();

    QPrinter& printer();

    // The cards, a page each, as one job named `jobName` after the print dialog; with no
    // printer they are offered as a PDF file named `pdfName`.
    void print(const reports::CardSet& cards, reports::CardOptions options, const QString& jobName,
               const std::string& pdfName);
    // The cards into one PDF file the user chooses, offered as `pdfName`.
    void writePdf(const reports::CardSet& cards, reports::CardOptions options,
                  const std::string& pdfName);
    // The printer's page setup.
    void setup();

    // Seams for tests: the printer, the print dialog (true: print) and how long the work runs
    // before its progress shows.
    void setPrinter(std::unique_ptr<QPrinter> printer);
    using PrintDialogRunner = std::function<bool(QPrinter&)>;
    void setPrintDialogRunner(PrintDialogRunner runner) { runPrintDialog_ = std::move(runner); }
    void setProgressDelay(int ms) { progressDelayMs_ = ms; }

private:
    QWidget* parent_;
    const CZelvoDoc& doc_;
    UserPrompts& prompts_;
    QPrinter* shared_;
    std::unique_ptr<QPrinter> own_;
    PrintDialogRunner runPrintDialog_;
    int progressDelayMs_;
    QString pdfFolder_;  // where the last PDF went

    bool a4();
    std::string offeredPath(const std::string& name) const;
};

}  // namespace zelvo::gui
