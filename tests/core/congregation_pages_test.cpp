// The pages of the congregation report at capacity: at every top margin the layout options
// allow, with and without grid lines, on Letter and A4, on paper and on the screen, every text
// lies inside the printable part of its page. And no setting read from the settings file can
// make the page arithmetic overflow.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "demo/demo_congregation.h"
#include "reports/congregation_report.h"
#include "reports/recording_surface.h"
#include "reports/report_routines.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::reports {
namespace {

constexpr Date kToday{2026, 12, 8};

// 1,509 people with every side table full: remarks and late reports under many rows.
CZelvoDoc& capacityDoc() {
    static test::TestFolder folder;
    static CZelvoDoc doc;
    static const bool filled = [] {
        ScriptedPrompts prompts;
        doc.startUp(folder.str(), kToday, LoadMode::Live);
        if (!doc.load(prompts, LoadMode::Live).ok) return false;
        demo::DemoOptions options;
        options.people = static_cast<int>(CZelvoDoc::kMaxRows) - 1;
        options.fullSideTables = true;
        options.seed = 2026;
        options.today = kToday;
        return demo::fillDemoCongregation(doc, options);
    }();
    EXPECT_TRUE(filled);
    return doc;
}

const ReportFonts& defaultFonts() {
    static const ReportFonts fonts = [] {
        ReportFonts f;
        f.resetToDefaults("greek");
        return f;
    }();
    return fonts;
}

// Fonts with leading: the screen's own lines are taller than the printer's.
class LeadingScreen : public RecordingSurface {
public:
    LeadingScreen() : RecordingSurface(96, 96) {}
    int externalLeading() const override { return 2; }
};

struct Layout {
    int margin = 50;
    bool grid = false;
    bool a4 = false;
    bool paper = true;
};

std::string describe(const Layout& l, int kind, int group) {
    return "kind " + std::to_string(kind) + " group " + std::to_string(group) + ", margin " +
           std::to_string(l.margin) + (l.grid ? ", grid" : "") + (l.a4 ? ", A4" : ", Letter") +
           (l.paper ? ", paper" : ", screen");
}

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Draws one report and checks every text against the printable part of the page whose band
// holds it: a line run past its page lands in the foot of its band or above the next title.
void expectInsideThePages(CZelvoDoc& doc, const Layout& l, int kind, int group) {
    doc.settings.reportTopMargin = l.margin;
    doc.settings.reportGridLines = l.grid ? 1 : 0;
    ReportContext context = reportContextFor(doc, defaultFonts(), kToday);
    context.isA4 = l.a4;
    context.page.pageLength = l.paper ? printPageLength(l.a4) : kLetterPageLength;
    LeadingScreen screen;
    RecordingSurface paper(300, 300);
    RecordingSurface& surface = l.paper ? paper : screen;
    ASSERT_TRUE(drawReport(doc, surface, kind, group, context));

    const int dpiY = surface.dpiY();
    const int band = bandBottom(0, context.page.pageLength, dpiY);
    int lastPage = 0;
    int failures = 0;
    for (const RecordedText& t : surface.pages().front().texts) {
        const int page = floorDiv(t.y, band);
        const PrintableBand room = printableBand(page, context.page.pageLength, dpiY);
        const int baseline = t.y + std::abs(t.fontHeight);
        if (t.y < room.top || baseline > room.bottom) {
            if (++failures <= 3)
                ADD_FAILURE() << describe(l, kind, group) << ": \"" << t.text << "\" at "
                              << t.y - page * band << " on page " << page + 1 << ", room "
                              << room.top - page * band << "-" << room.bottom - page * band;
        }
        lastPage = std::max(lastPage, page);
    }
    EXPECT_EQ(failures, 0) << describe(l, kind, group);
    EXPECT_LE(lastPage + 1, context.pageCount) << describe(l, kind, group);
}

TEST(CongregationPages, EveryLineStaysOnItsPageAtEveryLayout) {
    CZelvoDoc& doc = capacityDoc();
    ASSERT_GT(doc.kindLists[kPublisher].size(), 1000u);
    ASSERT_GT(doc.groups.groupCount(), 1);
    for (const bool paper : {true, false})
        for (const int margin : {0, 50, 99})
            for (const bool grid : {false, true})
                for (const bool a4 : {false, true}) {
                    const Layout l{margin, grid, a4, paper};
                    expectInsideThePages(doc, l, 1, 0);
                    expectInsideThePages(doc, l, 110, 0);
                    // Every group at the widest margin, where the pages are fullest.
                    const int groups = doc.groups.groupCount();
                    for (int group = 1; group <= groups; ++group)
                        if (margin == 99 || group == 1 || group == groups)
                            expectInsideThePages(doc, l, 2, group);
                }
}

TEST(CongregationPages, SettingsOutOfRangeNeitherOverflowNorLeaveThePage) {
    CZelvoDoc& doc = capacityDoc();
    for (const int margin : {INT_MAX, 100000000, 100, -1, INT_MIN})
        for (const bool a4 : {false, true}) expectInsideThePages(doc, {margin, true, a4}, 1, 0);
    doc.settings.reportTopMargin = 50;
}

TEST(CongregationPages, FontHeightsFromTheSettingsFileCannotOverflow) {
    CZelvoDoc& doc = capacityDoc();
    for (const int height : {INT_MIN, INT_MAX, -100000000}) {
        ReportFonts fonts = defaultFonts();
        LogicalFont f = fonts.font(FontRole::Text);
        f.height = height;
        f.width = height;
        fonts.replace(FontRole::Text, f);
        ReportContext context = reportContextFor(doc, fonts, kToday);
        RecordingSurface paper(600, 600);
        context.page.printerDpiX = 600;
        context.page.printerDpiY = 600;
        ASSERT_TRUE(drawReport(doc, paper, 110, 0, context));
        EXPECT_GE(context.pageCount, 1);
    }
}

}  // namespace
}  // namespace zelvo::reports
