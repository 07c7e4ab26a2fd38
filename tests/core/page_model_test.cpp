#include "reports/page_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "reports/page_header.h"
#include "reports/recording_surface.h"

namespace zelvo::reports {
namespace {

TEST(PageModel, ScreenUsesElevenTwelfthsOfItsHorizontalResolution) {
    const Resolution screen = workingResolution(96, 96, 96);
    EXPECT_FALSE(screen.printing);
    EXPECT_EQ(screen.dpiX, 88);
    EXPECT_EQ(screen.dpiY, 96);
    EXPECT_EQ(workingResolution(120, 120, 120).dpiX, 110);
    EXPECT_EQ(workingResolution(100, 100, 100).dpiX, 91);  // integer division

    const Resolution printer = workingResolution(300, 300, 96);
    EXPECT_TRUE(printer.printing);
    EXPECT_EQ(printer.dpiX, 300);
    // A printer at the screen's resolution counts as the screen.
    EXPECT_FALSE(workingResolution(96, 600, 96).printing);
}

TEST(PageModel, FontsAreScaledToThePrinterOnlyWhenPrinting) {
    PageSettings s;
    s.screenDpiX = 96;
    s.screenDpiY = 96;
    s.printerDpiX = 600;
    s.printerDpiY = 300;
    LogicalFont f;
    f.height = -13;
    f.width = 7;
    const LogicalFont p = fontForSurface(f, true, s);
    EXPECT_EQ(p.height, -13 * 300 / 96);  // multiply, then divide: -40
    EXPECT_EQ(p.height, -40);
    EXPECT_EQ(p.width, 43);
    EXPECT_EQ(fontForSurface(f, false, s), f);
}

TEST(PageModel, LineHeightIsASixthOfAnInchOrTheFontWhenTaller) {
    EXPECT_EQ(lineHeightFor(96, 13, 0, false), 16);
    EXPECT_EQ(lineHeightFor(96, 15, 0, false), 16);
    EXPECT_EQ(lineHeightFor(96, 16, 0, false), 16);  // equal: the font's, the same
    EXPECT_EQ(lineHeightFor(96, 14, 2, false), 18);  // height plus twice the leading
    EXPECT_EQ(lineHeightFor(300, 40, 0, false), 50);
    EXPECT_EQ(lineHeightFor(300, 54, 0, false), 54);
}

TEST(PageModel, GridLinesAddATwentiethAndAtLeastOne) {
    EXPECT_EQ(lineHeightFor(96, 13, 0, true), 17);   // 16 / 20 = 0 -> 1
    EXPECT_EQ(lineHeightFor(300, 13, 0, true), 52);  // 50 + 2
    EXPECT_EQ(lineHeightFor(600, 13, 0, true), 105);
    EXPECT_EQ(lineHeightFor(120, 13, 0, true), 21);  // 20 / 20 = 1
    EXPECT_EQ(lineHeightFor(114, 13, 0, true), 20);  // 19 / 20 = 0 -> 1
}

TEST(PageModel, NineInchesOfLinesAndTheA4AnalysisPage) {
    EXPECT_EQ(linesPerPage(96, 16), 54);
    EXPECT_EQ(linesPerPage(300, 50), 54);
    EXPECT_EQ(linesPerPage(300, 52), 51);
    EXPECT_EQ(linesPerA4AnalysisPage(300, 50), (2700 + 150 + 60) / 50);
    EXPECT_EQ(linesPerA4AnalysisPage(300, 50), 58);
    EXPECT_EQ(linesPerA4AnalysisPage(96, 16), (864 + 48 + 19) / 16);
}

TEST(PageModel, TopMarginNeverExceedsAnInch) {
    EXPECT_EQ(topMarginFor(50, 300), 150);
    EXPECT_EQ(topMarginFor(99, 300), 297);
    EXPECT_EQ(topMarginFor(100, 300), 300);  // exactly an inch is not larger
    EXPECT_EQ(topMarginFor(101, 300), 150);
    EXPECT_EQ(topMarginFor(99, 96), 95);
    // Whatever the settings file holds: no overflow, half an inch.
    EXPECT_EQ(topMarginFor(100000000, 300), 150);
    EXPECT_EQ(topMarginFor(INT_MAX, 1200), 600);
}

TEST(PageModel, TopMarginLeavesTheTitleRoomOnItsPage) {
    // The title stands a fifth of an inch above the margin.
    EXPECT_EQ(topMarginFor(0, 300), 60);
    EXPECT_EQ(topMarginFor(19, 300), 60);
    EXPECT_EQ(topMarginFor(21, 300), 63);
    EXPECT_EQ(topMarginFor(-5, 96), 19);
    EXPECT_EQ(topMarginFor(INT_MIN, 300), 60);
}

TEST(PageModel, StoredFontsOfAnySizeAreMadeWithoutOverflow) {
    PageSettings s;
    s.printerDpiX = 1200;
    s.printerDpiY = 1200;
    LogicalFont f;
    f.height = INT_MIN;
    f.width = INT_MAX;
    EXPECT_EQ(fontForSurface(f, true, s).height, -kMaxFontUnits);
    EXPECT_EQ(fontForSurface(f, true, s).width, kMaxFontUnits);
    EXPECT_EQ(fontForSurface(f, false, s).height, -kMaxFontUnits);
    f.height = -100000;
    EXPECT_EQ(fontForSurface(f, true, s).height, -kMaxFontUnits);
    EXPECT_EQ(linesPerPage(300, kMaxFontUnits), 1) << "a line a page at least";
    EXPECT_EQ(linesPerA4AnalysisPage(300, kMaxFontUnits), 1);
}

TEST(PageModel, PrintableBandEndsHalfAnInchAboveTheFootOfTheSheet) {
    EXPECT_EQ(sheetLength(110, 300), 3300);
    EXPECT_EQ(sheetLength(120, 300), 3507) << "297 mm, shorter than the 12-inch band";
    EXPECT_EQ(printableBand(0, 110, 300).top, 0);
    EXPECT_EQ(printableBand(0, 110, 300).bottom, 3150);
    EXPECT_EQ(printableBand(2, 120, 300).top, 7200);
    EXPECT_EQ(printableBand(2, 120, 300).bottom, 7200 + 3507 - 150);
}

TEST(PageModel, LinesCloserWhenTheyWouldNotFit) {
    EXPECT_EQ(lineHeightToFit(16, 1000, 57), 16);
    EXPECT_EQ(lineHeightToFit(21, 1000, 57), 17);
    EXPECT_EQ(lineHeightToFit(21, 1000, 0), 21);
    EXPECT_EQ(lineHeightToFit(21, 10, 57), 1);
}

TEST(PageModel, PagesAreBandsOfTheStrip) {
    // Letter: 11-inch bands; A4: 12-inch bands.
    EXPECT_EQ(bandTop(0, 110, 300), 0);
    EXPECT_EQ(bandBottom(0, 110, 300), 3300);
    EXPECT_EQ(bandTop(2, 110, 300), 6600);
    EXPECT_EQ(bandTop(2, 120, 300), 7200);
    EXPECT_EQ(pageTopOf(1, 110, 300, 150), 3450);
    EXPECT_EQ(pageTopOf(1, 120, 300, 150), 3750);
    EXPECT_EQ(pageTopOf(0, 110, 96, 48), 48);
    // pageLength counts whole inches only.
    EXPECT_EQ(bandTop(1, 115, 100), 1100);
}

TEST(PageModel, PageCountGainsAPageAtExactlyAFullPage) {
    EXPECT_EQ(pageCountFor(0, 54), 1);
    EXPECT_EQ(pageCountFor(53, 54), 1);
    EXPECT_EQ(pageCountFor(54, 54), 2);
    EXPECT_EQ(pageCountFor(108, 54), 3);
    EXPECT_EQ(pageCountFor(10, 54, 1), 2);
}

TEST(PageModel, BeginReportOnScreenAndOnPaper) {
    ReportFonts fonts;
    fonts.load(IniFile{}, PrinterResolutionClass::High, "greek");
    PageSettings s;
    s.screenDpiX = 96;
    s.screenDpiY = 96;
    s.printerDpiX = 300;
    s.printerDpiY = 300;
    s.topMarginOption = 50;

    RecordingSurface screen(96, 96);
    ReportPage p = beginReport(screen, fonts, s);
    EXPECT_FALSE(p.printing);
    EXPECT_EQ(p.dpiX, 88);
    EXPECT_EQ(p.left, 44);
    EXPECT_EQ(p.lineHeight, 16);
    EXPECT_EQ(p.linesPerPage, 54);
    EXPECT_EQ(p.topMargin, 48);
    EXPECT_EQ(p.pageTop, 48);
    setPageIndex(p, 2);
    EXPECT_EQ(p.pageTop, 2 * 11 * 96 + 48);
    EXPECT_EQ(rowY(p, 4), p.pageTop + 64);

    RecordingSurface paper(300, 300);
    s.pageLength = printPageLength(true);
    s.gridLines = true;
    ReportPage q = beginReport(paper, fonts, s);
    EXPECT_TRUE(q.printing);
    EXPECT_EQ(q.dpiX, 300);
    EXPECT_EQ(q.left, 150);
    // The text font scaled to 300 dpi is 40 high: a sixth of an inch (50) wins, plus the grid.
    EXPECT_EQ(q.lineHeight, 52);
    EXPECT_EQ(q.linesPerPage, 51);
    setPageIndex(q, 1);
    EXPECT_EQ(q.pageTop, 3600 + 150);
}

TEST(PageModel, LargeTextFontSetsTheLineHeight) {
    ReportFonts fonts;
    fonts.load(IniFile{}, PrinterResolutionClass::High, "greek");
    LogicalFont big = fonts.font(FontRole::Text);
    big.height = -30;
    fonts.replace(FontRole::Text, big);
    PageSettings s;
    RecordingSurface screen(96, 96);
    EXPECT_EQ(beginReport(screen, fonts, s).lineHeight, 30);
    s.printerDpiY = 300;
    RecordingSurface paper(300, 300);
    EXPECT_EQ(beginReport(paper, fonts, s).lineHeight, 30 * 300 / 96);
}

TEST(PageModel, ScrollSizesOfTheReportMode) {
    const ScrollSizes s = reportScrollSizes(110, 80, 3, 96, 96);
    EXPECT_EQ(s.totalHeight, 11 * 3 * 96);
    EXPECT_EQ(s.totalWidth, 8 * 96);
    EXPECT_EQ(s.pageX, 192);
    EXPECT_EQ(s.pageY, 384);
    EXPECT_EQ(s.lineX, 9);
    EXPECT_EQ(s.lineY, 16);
    EXPECT_EQ(reportScrollSizes(120, 80, 1, 120, 120).totalHeight, 12 * 120);
}

TEST(PageModel, PrintingClipsOneBandPerPage) {
    const PrintBand first = printBand(1, 600, 600, 110, 80);
    EXPECT_EQ(first.clip, (Rect{0, 0, 4800, 6600}));
    EXPECT_EQ(first.originShift, 0);
    const PrintBand third = printBand(3, 600, 600, 110, 80);
    EXPECT_EQ(third.clip, (Rect{0, 13200, 4800, 19800}));
    EXPECT_EQ(third.originShift, 13200);
    EXPECT_EQ(printBand(2, 300, 300, 120, 80).clip, (Rect{0, 3600, 2400, 7200}));
    EXPECT_EQ(printPageLength(false), 110);
    EXPECT_EQ(printPageLength(true), 120);
}

ReportFonts defaultFonts() {
    ReportFonts fonts;
    fonts.load(IniFile{}, PrinterResolutionClass::High, "greek");
    return fonts;
}

TEST(PageModel, HeaderOnScreenHasNoDateStamp) {
    const ReportFonts fonts = defaultFonts();
    PageSettings s;
    RecordingSurface screen(96, 96);
    ReportPage p = beginReport(screen, fonts, s);
    p.title = "Τίτλος";
    p.subtitle = "Υπότιτλος";
    setPageIndex(p, 1);
    drawPageHeader(screen, p, fonts, s, {true, {2024, 3, 5}, "greek"});
    const auto& texts = screen.pages().at(0).texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], (RecordedText{44, p.pageTop - 19, Align::Left, VAlign::Top, FontRole::Title,
                                      -19, "Τίτλος"}));
    EXPECT_EQ(texts[1].y, p.pageTop + 8);
    EXPECT_EQ(texts[1].font, FontRole::Subtitle);
    EXPECT_EQ(texts[1].text, "Υπότιτλος");
}

TEST(PageModel, PrintedHeaderCarriesTheDateRightAligned) {
    const ReportFonts fonts = defaultFonts();
    PageSettings s;
    s.printerDpiY = 300;
    RecordingSurface paper(300, 300);
    ReportPage p = beginReport(paper, fonts, s);
    p.title = "T";
    drawPageHeader(paper, p, fonts, s, {true, {2024, 3, 5}, "greek"});
    const auto& texts = paper.pages().at(0).texts;
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].fontHeight, -19 * 300 / 96);
    // Ten screen units high, made for the printer like the report fonts: about 7.5 points.
    EXPECT_EQ(texts[1], (RecordedText{2250, p.pageTop - 60, Align::Right, VAlign::Top,
                                      FontRole::Fixed, -10 * 300 / 96, "Τυπώθηκε 5/3/2024"}));

    RecordingSurface without(300, 300);
    drawPageHeader(without, p, fonts, s, {false, {2024, 3, 5}, "greek"});
    EXPECT_EQ(without.pages().at(0).texts.size(), 2u);
}

TEST(PageModel, DateStampIsScaledToThePrintersResolution) {
    const ReportFonts fonts = defaultFonts();
    for (const int dpi : {300, 600}) {
        PageSettings s;
        s.printerDpiX = dpi;
        s.printerDpiY = dpi;
        RecordingSurface paper(dpi, dpi);
        const ReportPage p = beginReport(paper, fonts, s);
        drawPageHeader(paper, p, fonts, s, {true, {2024, 3, 5}, "greek"});
        const auto& texts = paper.pages().at(0).texts;
        const auto stamp = std::find_if(texts.begin(), texts.end(), [](const RecordedText& t) {
            return t.font == FontRole::Fixed;
        });
        ASSERT_NE(stamp, texts.end()) << dpi;
        EXPECT_EQ(stamp->fontHeight, -10 * dpi / 96) << dpi;
        const double points = -stamp->fontHeight * 72.0 / dpi;
        EXPECT_GT(points, 7.0) << dpi;
        EXPECT_LT(points, 8.0) << dpi;
    }
}

TEST(PageModel, DateStampTextByLanguage) {
    EXPECT_EQ(printedDateText({2023, 12, 31}, "greek"), "Τυπώθηκε 31/12/2023");
    EXPECT_EQ(printedDateText({2023, 1, 2}, "polish"), "Τυπώθηκε 2 Ιανουαρίου 2023");
}

TEST(PageModel, ColumnHeadingsOnLineTwo) {
    const ReportFonts fonts = defaultFonts();
    PageSettings s;
    RecordingSurface screen(96, 96);
    const ReportPage p = beginReport(screen, fonts, s);
    const std::vector<int> edges{300, 350, 400, 450, 500};
    drawColumnHeadings(screen, p, fonts, s, reportValueHeadings(), edges);
    const auto& texts = screen.pages().at(0).texts;
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0].text, "Όνομα");
    EXPECT_EQ(texts[0].x, 44);
    EXPECT_EQ(texts[0].align, Align::Left);
    EXPECT_EQ(texts[3].text, "Ώρες");
    EXPECT_EQ(texts[3].x, 400);
    EXPECT_EQ(texts[3].align, Align::Right);
    EXPECT_EQ(texts[5].text, "Γρ.Μελ");
    for (const auto& t : texts) {
        EXPECT_EQ(t.y, p.pageTop + 32);
        EXPECT_EQ(t.font, FontRole::Heading);
    }
}

TEST(PageModel, GridFrameHasOuterRectangleRowAndColumnLines) {
    const ReportFonts fonts = defaultFonts();
    PageSettings s;
    s.printerDpiY = 300;
    s.gridLines = true;
    RecordingSurface paper(300, 300);
    const ReportPage p = beginReport(paper, fonts, s);
    const GridFrame g = gridFrameFor(p, kFirstRowLine, 3, {1000, 1500, 2000});
    EXPECT_EQ(g.top, p.pageTop + 4 * 52 - 2);
    EXPECT_EQ(g.left, 150 - 15);
    drawGrid(paper, g);
    const RecordedPage& page = paper.pages().at(0);
    ASSERT_EQ(page.rects.size(), 1u);
    EXPECT_EQ(page.rects[0].rect, (Rect{135, g.top, 2000, g.top + 3 * 52}));
    EXPECT_EQ(page.rects[0].penWidth, 2);
    ASSERT_EQ(page.lines.size(), 2u + 3u);
    EXPECT_EQ(page.lines[0], (RecordedLine{135, g.top + 52, 2000, g.top + 52, 2}));
    EXPECT_EQ(page.lines[2], (RecordedLine{1000, g.top, 1000, g.top + 156, 2}));
}

}  // namespace
}  // namespace zelvo::reports
