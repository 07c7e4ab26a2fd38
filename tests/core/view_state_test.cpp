// The report view's state: the two modes, scroll sizes after each draw, the printer resolution,
// and a print job from its preparation through the copy loop to its end.
#include "reports/view_state.h"

#include <gtest/gtest.h>

#include <vector>

#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::reports {
namespace {

ViewState screen96() {
    return ViewState(96, 96, 600, 600);
}

// Runs the job's page loop as the view does and lists the pages printed.
std::vector<int> printedPages(ViewState& v) {
    std::vector<int> pages;
    for (int p = v.firstPage(); v.prepareSurface(p) && pages.size() < 1000; ++p) pages.push_back(p);
    return pages;
}

PrinterJob job(int from, int to, int copies = 1, bool driverCopies = false, bool a4 = false) {
    PrinterJob j;
    j.printerName = "Laser";
    j.fromPage = from;
    j.toPage = to;
    j.copies = copies;
    j.driverMakesCopies = driverCopies;
    j.a4 = a4;
    return j;
}

TEST(ViewState, StartsOnTheDashboardWithLetterPages) {
    const ViewState v = screen96();
    EXPECT_EQ(v.mode, ViewMode::Dashboard);
    EXPECT_EQ(v.kind, 1);
    EXPECT_EQ(v.group, 0);
    EXPECT_EQ(v.pageCount, 1);
    EXPECT_EQ(v.pageLength, 110);
    EXPECT_EQ(v.pageWidth, 80);
    EXPECT_FALSE(v.isA4);
    EXPECT_FALSE(v.printing);
    EXPECT_TRUE(v.isScreen(96));
    EXPECT_FALSE(v.isScreen(600));
}

TEST(ViewState, ShowingAReportAndGoingBack) {
    ViewState v = screen96();
    v.showReport(2, 3);
    EXPECT_TRUE(v.reportShown());
    EXPECT_EQ(v.kind, 2);
    EXPECT_EQ(v.group, 3);
    v.returnToDashboard();
    EXPECT_EQ(v.mode, ViewMode::Dashboard);
    EXPECT_EQ(v.kind, 2) << "the kind stays for the next draw";
    v.showReport(110);
    EXPECT_EQ(v.group, 0);
}

TEST(ViewState, ScrollSizesFollowThePageCountOfTheLastDraw) {
    ViewState v = screen96();
    EXPECT_EQ(v.scrollSizes().totalHeight, 11 * 96);
    EXPECT_TRUE(v.setPageCount(3));
    EXPECT_FALSE(v.setPageCount(3)) << "nothing to recompute";
    EXPECT_EQ(v.scrollSizes().totalHeight, 3 * 11 * 96);
    EXPECT_EQ(v.scrollSizes().totalWidth, 8 * 96);
    EXPECT_EQ(v.scrollSizes().pageY, 4 * 96);
    EXPECT_EQ(v.scrollSizes().lineY, 16);
    // A routine that draws nothing still leaves one page.
    EXPECT_TRUE(v.setPageCount(0));
    EXPECT_EQ(v.pageCount, 1);
}

TEST(ViewState, NoPrinterCountsAs300Dpi) {
    ViewState v(96, 96, 0, 0);
    EXPECT_EQ(v.printerDpiX, 300);
    EXPECT_EQ(v.printerDpiY, 300);
    v.setPrinterResolution(600, 1200);
    EXPECT_EQ(v.printerDpiX, 600);
    EXPECT_EQ(v.printerDpiY, 1200);
    v.setPrinterResolution(-1, 0);
    EXPECT_EQ(v.printerDpiX, 300);
}

TEST(ViewState, PreparingOffersTheWholeReportAndTheDialogUnlessDirect) {
    ViewState v = screen96();
    v.setPageCount(4);
    PrintRequest r = v.preparePrinting();
    EXPECT_EQ(r.minPage, 1);
    EXPECT_EQ(r.maxPage, 4);
    EXPECT_TRUE(r.showDialog);
    v.beginGroupPrinting(true);
    EXPECT_FALSE(v.preparePrinting().showDialog);
    v.endGroupPrinting();
    v.beginGroupPrinting(false);
    EXPECT_TRUE(v.printDirect);
    EXPECT_FALSE(v.preparePrinting().showDialog);
}

TEST(ViewState, PagesOfAJobAndTheirBands) {
    ViewState v = screen96();
    v.setPageCount(5);
    EXPECT_EQ(v.jobChosen(job(2, 4)), 1);
    EXPECT_EQ(printedPages(v), (std::vector<int>{2, 3, 4}));
    const PrintBand b = v.pageBand(3, 300, 300);
    EXPECT_EQ(b.originShift, 2 * 11 * 300);
    EXPECT_EQ(b.clip, (Rect{0, 2 * 3300, 2400, 3 * 3300}));
}

TEST(ViewState, TheViewMakesTheCopiesTheDriverCannot) {
    ViewState v = screen96();
    v.setPageCount(3);
    EXPECT_EQ(v.jobChosen(job(2, 3, 3)), 1) << "the copies are not handed to the driver";
    EXPECT_EQ(v.copiesLeft, 2);
    EXPECT_EQ(printedPages(v), (std::vector<int>{2, 3, 2, 3, 2, 3}));
    EXPECT_EQ(v.copiesLeft, 0);
    EXPECT_FALSE(v.endPrinting()) << "no driver copy count to reset";
}

// The progress counts every page the loop prints, copies included; Cancel ends the loop once the
// page being printed is done, and the next job starts afresh.
TEST(ViewState, AJobCountsItsPagesAndStopsWhenCancelled) {
    ViewState v = screen96();
    v.setPageCount(4);
    v.jobChosen(job(2, 3, 3));
    EXPECT_EQ(v.pagesInJob(), 6);
    std::vector<int> pages;
    for (int p = v.firstPage(); v.prepareSurface(p) && pages.size() < 100; ++p) {
        pages.push_back(p);
        v.pagePrinted();
        if (v.pagesPrinted() == 3) v.cancelJob();  // during the second copy
    }
    EXPECT_EQ(pages, (std::vector<int>{2, 3, 2}));
    EXPECT_TRUE(v.jobCancelled());
    EXPECT_EQ(v.pagesPrinted(), 3);

    v.jobChosen(job(1, 4, 2, true));  // the driver makes the copies: one pass
    EXPECT_FALSE(v.jobCancelled());
    EXPECT_EQ(v.pagesPrinted(), 0);
    EXPECT_EQ(v.pagesInJob(), 4);
    // A whole report that needs a page more on paper says so after its first page.
    v.printedPageCount(5);
    EXPECT_EQ(v.pagesInJob(), 5);
}

TEST(ViewState, TheDriverMakesItsOwnCopies) {
    ViewState v = screen96();
    v.setPageCount(2);
    EXPECT_EQ(v.jobChosen(job(1, 2, 4, true)), 4);
    EXPECT_EQ(v.copiesLeft, 0);
    EXPECT_EQ(printedPages(v), (std::vector<int>{1, 2}));
    EXPECT_TRUE(v.endPrinting()) << "its copy count goes back to 1";
}

TEST(ViewState, ARangeBeyondTheReportIsCut) {
    ViewState v = screen96();
    v.setPageCount(2);
    v.jobChosen(job(0, 9));
    EXPECT_EQ(v.lastPage, 2);
    EXPECT_EQ(printedPages(v), (std::vector<int>{1, 2}));
    v.jobChosen(job(2, 1, 2));  // a reversed range prints its first page
    EXPECT_EQ(printedPages(v), (std::vector<int>{2, 2}));
}

TEST(ViewState, DirectJobsPrintEverything) {
    ViewState v = screen96();
    v.setPageCount(3);
    v.beginGroupPrinting(true);
    v.jobChosen(job(2, 2));
    EXPECT_EQ(printedPages(v), (std::vector<int>{1, 2, 3}));
}

TEST(ViewState, AWholeReportFollowsThePageCountOnPaper) {
    ViewState v = screen96();
    v.setPageCount(2);
    v.jobChosen(job(1, 2));
    std::vector<int> pages;
    for (int p = v.firstPage(); v.prepareSurface(p) && pages.size() < 100; ++p) {
        pages.push_back(p);
        v.printedPageCount(3);  // the paper needs a page more than the screen
    }
    EXPECT_EQ(pages, (std::vector<int>{1, 2, 3}));
    v.jobChosen(job(1, 2));
    v.printedPageCount(1);
    EXPECT_EQ(printedPages(v), (std::vector<int>{1})) << "no blank page";
    // A range the user chose stays as chosen.
    v.jobChosen(job(1, 1));
    v.printedPageCount(3);
    EXPECT_EQ(printedPages(v), (std::vector<int>{1}));
}

TEST(ViewState, A4StaysForTheRestOfTheRun) {
    ViewState v = screen96();
    v.setPageCount(2);
    v.jobChosen(job(1, 2, 1, false, true));
    v.beginPrinting();
    EXPECT_TRUE(v.printing);
    EXPECT_EQ(v.pageLength, 120);
    EXPECT_EQ(v.pageBand(2, 300, 300).originShift, 12 * 300);
    v.endPrinting();
    EXPECT_FALSE(v.printing);
    EXPECT_EQ(v.pageLength, 110) << "the screen keeps 11-inch pages";
    EXPECT_TRUE(v.isA4);
    // A later job on Letter paper still prints 12-inch bands.
    v.jobChosen(job(1, 2));
    EXPECT_TRUE(v.isA4);
    EXPECT_EQ(v.pageLength, 120);
    v.endPrinting();
}

TEST(ViewState, AnotherPrinterAsksForItsResolution) {
    ViewState v = screen96();
    bool changed = false;
    v.jobChosen(job(1, 1), &changed);
    EXPECT_TRUE(changed) << "the first job";
    v.jobChosen(job(1, 1), &changed);
    EXPECT_FALSE(changed);
    PrinterJob other = job(1, 1);
    other.printerName = "Inkjet";
    v.jobChosen(other, &changed);
    EXPECT_TRUE(changed);
}

TEST(ViewState, GroupPrintingRunsThroughTheGroupsThenTheDashboard) {
    EXPECT_EQ(ViewState::groupsToPrint(true, 2, 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ViewState::groupsToPrint(false, 2, 4), (std::vector<int>{2}));
    EXPECT_TRUE(ViewState::groupsToPrint(true, 1, 0).empty());
    EXPECT_TRUE(ViewState::groupsToPrint(false, 0, 3).empty());

    ViewState v = screen96();
    v.beginGroupPrinting(true);
    v.showReport(2, 1);
    EXPECT_TRUE(v.printAllGroups);
    v.endGroupPrinting();
    EXPECT_FALSE(v.printAllGroups);
    EXPECT_FALSE(v.printDirect);
    EXPECT_EQ(v.mode, ViewMode::Dashboard);
}

TEST(ViewState, AGroupWithoutActivePublishersIsEmpty) {
    test::TestFolder folder;
    CZelvoDoc doc;
    ASSERT_TRUE(test::openDoc(doc, folder, {2025, 3, 10}, LoadMode::ReadOnly).ok);
    PublisherRecord active = test::person(1, "Α", "Β");
    active.setByte(PublisherRecord::kGroupNumber, 2);
    PublisherRecord inactive = test::person(2, "Γ", "Δ", kInactive);
    inactive.setByte(PublisherRecord::kGroupNumber, 3);
    test::addPeople(doc, {active, inactive});
    EXPECT_TRUE(groupHasPublishers(doc, 2));
    EXPECT_FALSE(groupHasPublishers(doc, 3)) << "an inactive member only";
    EXPECT_FALSE(groupHasPublishers(doc, 1));
    EXPECT_FALSE(groupHasPublishers(doc, 0));
}

}  // namespace
}  // namespace zelvo::reports
