#include "reports/view_state.h"

#include <algorithm>

#include "store/zelvo_doc.h"

namespace zelvo::reports {

ViewState::ViewState(int screenX, int screenY, int printerX, int printerY)
    : screenDpiX(screenX), screenDpiY(screenY) {
    setPrinterResolution(printerX, printerY);
}

void ViewState::showReport(int reportKind, int reportGroup) {
    mode = ViewMode::Report;
    kind = reportKind;
    group = reportGroup;
}

void ViewState::returnToDashboard() {
    mode = ViewMode::Dashboard;
}

bool ViewState::setPageCount(int pages) {
    pages = std::max(pages, 1);
    if (pages == pageCount) return false;
    pageCount = pages;
    return true;
}

ScrollSizes ViewState::scrollSizes() const {
    return reportScrollSizes(pageLength, pageWidth, pageCount, screenDpiX, screenDpiY);
}

void ViewState::setPrinterResolution(int dpiX, int dpiY) {
    printerDpiX = dpiX > 0 ? dpiX : kNoPrinterDpi;
    printerDpiY = dpiY > 0 ? dpiY : kNoPrinterDpi;
}

PrintRequest ViewState::preparePrinting() const {
    PrintRequest r;
    r.minPage = 1;
    r.maxPage = std::max(pageCount, 1);
    r.showDialog = !(printDirect || printAllGroups);
    return r;
}

int ViewState::jobChosen(const PrinterJob& job, bool* printerChanged) {
    if (job.a4) isA4 = true;
    pageLength = printPageLength(isA4);
    driverCopies = job.driverMakesCopies;
    const int copies = std::max(job.copies, 1);
    copiesLeft = driverCopies ? 0 : copies - 1;
    copiesMade_ = copiesLeft + 1;
    pagesPrinted_ = 0;
    cancelled_ = false;
    // A direct job prints the whole report, whatever range a dialog last held.
    const bool whole = printDirect || printAllGroups;
    firstPage_ = whole ? 1 : std::clamp(job.fromPage, 1, std::max(pageCount, 1));
    lastPage = whole ? pageCount : std::clamp(job.toPage, firstPage_, std::max(pageCount, 1));
    wholeReport_ = firstPage_ == 1 && lastPage == std::max(pageCount, 1);
    if (printerChanged != nullptr) *printerChanged = job.printerName != lastPrinter_;
    lastPrinter_ = job.printerName;
    return driverCopies ? copies : 1;
}

bool ViewState::prepareSurface(int& page) {
    if (cancelled_) return false;
    if (page <= lastPage) return true;
    if (driverCopies || copiesLeft <= 0) return false;
    page = firstPage_;
    --copiesLeft;
    return true;
}

void ViewState::printedPageCount(int pages) {
    if (wholeReport_) lastPage = std::max(pages, 1);
}

int ViewState::pagesInJob() const {
    return std::max(lastPage - firstPage_ + 1, 1) * copiesMade_;
}

PrintBand ViewState::pageBand(int page, int dpiX, int dpiY) const {
    return printBand(page, dpiX, dpiY, pageLength, pageWidth);
}

bool ViewState::endPrinting() {
    pageLength = kLetterPageLength;
    printing = false;
    copiesLeft = 0;
    return driverCopies;
}

std::vector<int> ViewState::groupsToPrint(bool allGroups, int chosenGroup, int groupCount) {
    std::vector<int> groups;
    if (!allGroups) {
        if (chosenGroup > 0) groups.push_back(chosenGroup);
        return groups;
    }
    for (int g = 1; g <= groupCount; ++g) groups.push_back(g);
    return groups;
}

void ViewState::beginGroupPrinting(bool allGroups) {
    printAllGroups = allGroups;
    printDirect = !allGroups;
}

void ViewState::endGroupPrinting() {
    printAllGroups = false;
    printDirect = false;
    returnToDashboard();
}

bool groupHasPublishers(const CZelvoDoc& doc, int group) {
    if (group <= 0) return false;
    for (const IndexEntry& e : doc.kindLists[kPublisher])
        if (doc.groupOf(e.recordIndex, false) == group) return true;
    return false;
}

}  // namespace zelvo::reports
