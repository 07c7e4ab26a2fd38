// The congregation report through the recording surface: the rows with their values, marks,
// remarks and late reports, both report forms, the section order, the group report, the counters,
// totals and summary, the branch and meeting blocks, and the page model.
#include "reports/congregation_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report_fixture.h"
#include "reports/recording_surface.h"
#include "reports/report_routines.h"
#include "store/cp1253.h"

namespace zelvo::reports {
namespace {

using test::ReportDoc;

constexpr int kDpi = 300;
constexpr int kBand = kDpi * 11;

// One printed line: the texts drawn at the same height of a page, left to right.
struct Line {
    int page = 0;
    int y = 0;
    std::vector<RecordedText> items;
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const RecordedText& t : items) out.push_back(t.text);
        return out;
    }
};

struct Drawn {
    std::vector<Line> lines;
    int pageCount = 0;
    int pagesUsed = 0;
    int linesPerPage = 0;

    // The first line holding a text that is exactly `text`; null when none.
    const Line* find(std::string_view text) const {
        for (const Line& l : lines)
            for (const RecordedText& t : l.items)
                if (t.text == text) return &l;
        return nullptr;
    }
    std::vector<std::string> at(std::string_view text) const {
        const Line* l = find(text);
        return l ? l->texts() : std::vector<std::string>{};
    }
    bool has(std::string_view text) const { return find(text) != nullptr; }
    // The text drawn right after `label` on its line.
    std::string after(std::string_view label) const {
        const Line* l = find(label);
        if (!l) return {};
        for (std::size_t i = 0; i + 1 < l->items.size(); ++i)
            if (l->items[i].text == label) return l->items[i + 1].text;
        return {};
    }
    // The last line that begins with `label` (the branch block comes after the summary).
    std::vector<std::string> lastStarting(std::string_view label) const {
        std::vector<std::string> out;
        for (const Line& l : lines)
            if (l.items.front().text == label) out = l.texts();
        return out;
    }
    int index(std::string_view text) const {
        for (std::size_t i = 0; i < lines.size(); ++i)
            for (const RecordedText& t : lines[i].items)
                if (t.text == text) return static_cast<int>(i);
        return -1;
    }
};

Drawn drawOn(CZelvoDoc& doc, Surface& surface, int kind, int group = 0, bool a4 = false) {
    static ReportFonts fonts = [] {
        ReportFonts f;
        f.resetToDefaults("greek");
        return f;
    }();
    ReportContext context = reportContextFor(doc, fonts, {2025, 3, 10});
    context.isA4 = a4;
    context.page.pageLength = printPageLength(a4);
    EXPECT_TRUE(drawReport(doc, surface, kind, group, context));
    Drawn d;
    d.pageCount = context.pageCount;
    d.pagesUsed = context.pagesUsed;
    d.linesPerPage = congregationLinesPerPage(surface, context);
    return d;
}

Drawn draw(CZelvoDoc& doc, int kind, int group = 0) {
    RecordingSurface surface(kDpi, kDpi);
    Drawn d = drawOn(doc, surface, kind, group);
    for (const RecordedText& t : surface.pages().front().texts) {
        if (t.text.empty()) continue;
        const int page = t.y / kBand;
        const int y = t.y - page * kBand;
        auto it = std::find_if(d.lines.begin(), d.lines.end(),
                               [&](const Line& l) { return l.page == page && l.y == y; });
        if (it == d.lines.end()) {
            d.lines.push_back({page, y, {}});
            it = std::prev(d.lines.end());
        }
        it->items.push_back(t);
    }
    std::sort(d.lines.begin(), d.lines.end(), [](const Line& a, const Line& b) {
        return a.page != b.page ? a.page < b.page : a.y < b.y;
    });
    for (Line& l : d.lines)
        std::stable_sort(l.items.begin(), l.items.end(),
                         [](const RecordedText& a, const RecordedText& b) { return a.x < b.x; });
    return d;
}

// ---------------------------------------------------------------- rows under the old form

class OldFormReport : public ::testing::Test {
protected:
    ReportDoc d{{2023, 9, 10}};  // August 2023, the old form
    int regular = 0, auxiliary = 0, special = 0, underHour = 0, missing = 0, fourQuarters = 0;

    void SetUp() override {
        ASSERT_EQ(d.doc.calendar.newReportForm, 0);
        regular = d.add("Alpha", "One");
        d.steady(regular, 10, 2);
        d.report(regular, 0, 10, 1, 2);
        d.values(regular, 0, 3, 2, 4);

        auxiliary = d.add("Beta", "Two");
        d.at(auxiliary).setText(PublisherRecord::kBaptismDate, " 1990 ");
        d.steady(auxiliary, 5);
        d.report(auxiliary, 0, 0, 2);
        d.pioneer(auxiliary, 0, 1);

        special = d.add("Gamma", "Three");
        d.steady(special, 70, 3);
        d.report(special, 0, 70, 3);
        d.at(special).setWord(PublisherRecord::kAppointmentBits, 1 << 7);

        underHour = d.add("Delta", "Four");
        d.steady(underHour, 5);
        d.report(underHour, 0, 0, 0, 0, true);

        missing = d.add("Epsilon", "Five");
        d.steady(missing, 5);
        d.report(missing, 0, 0);

        fourQuarters = d.add("Zeta", "Six");
        d.steady(fourQuarters, 5);
        d.report(fourQuarters, 0, 5, 4);
    }
};

TEST_F(OldFormReport, RowsCarryValuesQuarterHoursAndMarks) {
    const Drawn r = draw(d.doc, 110);
    EXPECT_EQ(r.at("Alpha One"), (std::vector<std::string>{"Alpha One", "3", "2", "10.25", "4", "2",
                                                           "10.0/10.0", "Σ"}));
    EXPECT_EQ(r.at("Beta Two"), (std::vector<std::string>{"Beta Two", "0.5", " 3.3/ 4.2", "§ ΒΣ"}));
    EXPECT_EQ(r.at("Gamma Three"),
              (std::vector<std::string>{"Gamma Three", "70.75", "70.3/70.2", "ΕΣ +"}));
    EXPECT_EQ(r.at("Delta Four"), (std::vector<std::string>{"Delta Four", " 3.3/ 4.2", "<"}));
    EXPECT_EQ(r.at("Epsilon Five"), (std::vector<std::string>{"Epsilon Five", " 3.3/ 4.2", "# i"}));
    // Four quarter hours make an hour of the row.
    EXPECT_EQ(r.at("Zeta Six"), (std::vector<std::string>{"Zeta Six", "6", " 5.3/ 5.2"}));
}

TEST_F(OldFormReport, TotalsAveragesCategoriesAndSummary) {
    const Drawn r = draw(d.doc, 110);
    // Hours: 85 whole and 10 quarters; the special pioneer counts in the analysis.
    EXPECT_EQ(r.at("Εκκλησία"), (std::vector<std::string>{"Εκκλησία", "3", "2", "87", "4", "2"}));
    const std::vector<std::string> averages = r.at("Μ.Ο.");
    ASSERT_EQ(averages.size(), 7u);
    EXPECT_EQ(averages[3], "  17.4") << "87 hours over 5 reports";
    std::vector<std::string> publishers = r.at("Ευαγ.");
    ASSERT_EQ(publishers.size(), 8u);
    publishers.pop_back();
    EXPECT_EQ(publishers, (std::vector<std::string>{"Ευαγ.", "   2", "   0.0", "   0.0", "   3.0",
                                                    "   0.0", "   0.0"}));
    EXPECT_EQ(r.at("Ειδ.Σκαπ.")[1], "   1") << "special pioneers have their category line";
    EXPECT_EQ(r.at("Σύνολο Ευαγγελιζομένων"),
              (std::vector<std::string>{"Σύνολο Ευαγγελιζομένων", "6", "ΒΣ", "Βοηθητικοί Σκαπανείς",
                                        "1", "17%"}));
    EXPECT_EQ(r.at("Κάτω από 5 ώρες"),
              (std::vector<std::string>{"Κάτω από 5 ώρες", "2", "33%", "i", "Σύνολο Μη Τακτικών",
                                        "1", "17%"}));
    EXPECT_EQ(r.after("5 έως 9 ώρες"), "1");
    EXPECT_EQ(r.after("10 ώρες ή περισσότερο"), "2");
    EXPECT_EQ(r.after("Κάτω από 1 ώρα"), "2") << "quarters without hours, and the '<' mark";
    EXPECT_EQ(r.after("Χωρίς Δελτίο"), "1");
    EXPECT_EQ(r.after("Αβάφτιστοι "), "1");
}

TEST_F(OldFormReport, BranchBlockLeavesSpecialPioneersOut) {
    const Drawn r = draw(d.doc, 3);
    EXPECT_TRUE(r.has("Έκθεση Αυγούστου για το Γραφείο Τμήματος - 6 Δραστήριοι"));
    // The analysis rows are counted but not drawn in the totals report.
    EXPECT_FALSE(r.has("Alpha One"));
    // The category lines come first; the branch block's rows are the last of their label.
    EXPECT_EQ(r.lastStarting("Ευαγ."),
              (std::vector<std::string>{"Ευαγ.", "   2", "     0", "     0", "     6", "     0",
                                        "     0"}));
    EXPECT_EQ(r.lastStarting("Βοηθ.Σκαπ"),
              (std::vector<std::string>{"Βοηθ.Σκαπ", "   1", "     0", "     0", "     0", "     0",
                                        "     0"}));
    EXPECT_EQ(r.lastStarting("Σκαπ"), (std::vector<std::string>{"Σκαπ", "   1", "     3", "     2",
                                                                "    10", "     4", "     2"}));
    EXPECT_EQ(r.at("Σύνολα"), (std::vector<std::string>{"Σύνολα", "   4", "     3", "     2",
                                                        "    16", "     4", "     2"}));
}

TEST_F(OldFormReport, RemarkAndLateReportsFollowTheRow) {
    d.remark(regular, "Away two weeks");
    const MonthSlot late = d.month(2);
    d.doc.lateReports.push_back({d.at(regular).id(), static_cast<std::uint8_t>(late.month),
                                 static_cast<std::uint8_t>(d.doc.calendar.reportMonth + 1)});
    const Drawn r = draw(d.doc, 110);
    const int row = r.index("Alpha One");
    ASSERT_GE(row, 0);
    const Line& remark = r.lines[static_cast<std::size_t>(row) + 1];
    EXPECT_EQ(remark.texts(), (std::vector<std::string>{"Away two weeks"}));
    EXPECT_EQ(remark.items[0].x, 150 + 150) << "indented half an inch";
    EXPECT_EQ(r.lines[static_cast<std::size_t>(row) + 2].texts(),
              (std::vector<std::string>{"2023-06", "10"}));
}

// Drawn with the recording surface's metrics: a text is half its font's height wide per character.
int rightEdge(const RecordedText& t) {
    return t.x + utf8Length(t.text) * std::abs(t.fontHeight) / 2;
}

TEST_F(OldFormReport, ALongNameEndsBeforeTheFirstValueColumn) {
    const int row = d.add(cp1253::fromUtf8("Παναγιωτοπουλίνα Ευα"),
                          cp1253::fromUtf8("Χατζηπαναγιωτοπούλου"));  // 20 + 20 characters
    d.steady(row, 5);
    d.values(row, 0, 123, 0, 0);
    const std::string full = cp1253::toUtf8(d.doc.displayName(row));
    ASSERT_EQ(utf8Length(full), 41);

    const Drawn r = draw(d.doc, 110);
    const Line* line = r.find("123");
    ASSERT_NE(line, nullptr);
    const RecordedText& name = line->items.front();
    ASSERT_TRUE(name.text.ends_with("…")) << name.text;
    const std::string kept = name.text.substr(0, name.text.size() - std::string("…").size());
    EXPECT_TRUE(full.starts_with(kept)) << name.text;
    // The first value column's cell begins 9/16 inch left of its right edge (2.5 inches in).
    const int cell = 150 + 750 - kDpi * 9 / 16;
    EXPECT_LE(rightEdge(name), cell);
    EXPECT_GT(rightEdge(name) + 20, cell) << "no more shortened than needed";
    EXPECT_EQ(r.at("Alpha One").front(), "Alpha One") << "a name that fits is kept whole";
}

// ---------------------------------------------------------------- the new form

TEST(NewFormReport, ShowsOnlyWhatTheFormAsks) {
    ReportDoc d({2025, 3, 10});  // February 2025
    const int took = d.add("Took", "Part");
    d.steady(took, 0);
    for (int back = 0; back < 6; ++back) d.report(took, back, 0, 0, 1, true);
    d.report(took, 0, 3, 0, 1, true);  // hours entered anyway
    d.values(took, 0, 5, 5, 5);
    const int pioneer = d.add("Pio", "Neer");
    d.steady(pioneer, 50, 2);
    d.report(pioneer, 0, 50, 2, 3);
    const int silent = d.add("No", "Report");
    d.steady(silent, 0);
    for (int back = 1; back < 6; ++back) d.report(silent, back, 0, 0, 0, true);

    const Drawn r = draw(d.doc, 110);
    EXPECT_EQ(r.at("Took Part"), (std::vector<std::string>{"Took Part", "Ναι", "1", " 1.0/ 0.5"}));
    EXPECT_EQ(r.at("Pio Neer"),
              (std::vector<std::string>{"Pio Neer", "50", "3", "50.0/50.0", "Σ"}));
    EXPECT_EQ(r.at("No Report"), (std::vector<std::string>{"No Report", " 0.0/ 0.0", "# i"}));
    EXPECT_EQ(r.at("Όνομα"), (std::vector<std::string>{"Όνομα", "Ώρες", "Γρ.Μελ", "Μ.Ο. Ωρών"}));
    EXPECT_FALSE(r.has("Εκκλησία")) << "no totals line under the new form";
    EXPECT_FALSE(r.has("Κάτω από 5 ώρες"));
    EXPECT_FALSE(r.has("Κάτω από 1 ώρα"));
    // A publisher's hours are never summed: the category line shows studies only.
    EXPECT_EQ(r.at("Ευαγ.").size(), 4u);
    // The branch block: studies for publishers, hours and studies for pioneers.
    EXPECT_EQ(r.lastStarting("Ευαγ."), (std::vector<std::string>{"Ευαγ.", "   1", "     1"}));
    EXPECT_EQ(r.lastStarting("Σκαπ"),
              (std::vector<std::string>{"Σκαπ", "   1", "    50", "     3"}));
    EXPECT_EQ(r.at("Σκαπ").size(), 5u) << "category line: count, hours, studies, averages";
    EXPECT_EQ(r.at("Σύνολα"), (std::vector<std::string>{"Σύνολα", "   2", "    50", "     4"}));
}

// ---------------------------------------------------------------- order and group report

TEST(ReportOrder, PioneersThenGroupsThenUnassigned) {
    ReportDoc d({2025, 3, 10});
    d.setGroups(2);
    const auto member = [&](std::string_view name, int group, int pioneer) {
        const int row = d.add(name, "X");
        d.at(row).setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        d.steady(row, 5, pioneer);
        return row;
    };
    member("Aux", 2, 1);
    member("Reg", 1, 2);
    member("Spe", 0, 3);
    member("One", 1, 0);
    member("Gone", 7, 0);  // a group no longer in use
    member("Two", 2, 0);

    const Drawn r = draw(d.doc, 1);
    // Rows begin at line 4: below the half-inch top margin, four lines of 50 units.
    std::vector<std::string> order;
    for (const Line& l : r.lines)
        if (l.page == 0 && l.y >= 150 + 4 * 50 && order.size() < 10)
            order.push_back(l.items.front().text);
    EXPECT_EQ(order, (std::vector<std::string>{"Τακτικοί και Ειδικοί Σκαπανείς", "Reg X", "Spe X",
                                               "  Όμιλος 1", "One X", "  Όμιλος 2", "Aux X",
                                               "Two X", "Αδιόριστοι Ευαγγελιζόμενοι", "Gone X"}));

    const Drawn plain = draw(d.doc, 110);
    EXPECT_FALSE(plain.has("Τακτικοί και Ειδικοί Σκαπανείς"));
    EXPECT_LT(plain.index("Aux X"), plain.index("Reg X")) << "list order";
}

TEST(GroupReport, TitleOverseerAssistantAndInactiveMembers) {
    ReportDoc d({2023, 9, 10});
    d.setGroups(2);
    d.doc.groups.setText(ServiceGroupTable::overseerField(2), "Kostas Elder");
    d.doc.groups.setText(ServiceGroupTable::assistantField(2), "Nikos Helper");
    d.doc.groups.setText(ServiceGroupTable::labelNameField(2), "North");
    d.doc.groups.setUseLabel(2, 1);
    d.doc.groups.setText(ServiceGroupTable::overseerField(1), "Petros Servant");
    const auto member = [&](std::string_view first, int group, std::uint8_t kind) {
        const int row = d.add(first, "K", kind);
        d.at(row).setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        d.steady(row, 5);
        return row;
    };
    const int elder = member("Kostas", 2, kPublisher);
    d.at(elder).setText(PublisherRecord::kLastName, "Elder");
    d.at(elder).setByte(PublisherRecord::kPrivileges, 2);
    member("Other", 1, kPublisher);
    for (std::string_view name : {"In1", "In2", "In3", "In4"}) member(name, 2, kInactive);
    const int leftOut = member("Hidden", 2, kInactive);
    d.at(leftOut).setByte(PublisherRecord::kPrivileges, 0x80);

    const Drawn r = draw(d.doc, 2, 2);
    EXPECT_TRUE(r.has("Έκθεση Αυγούστου για τον North"));
    EXPECT_EQ(r.at("Επίσκοπος: Kostas Elder"),
              (std::vector<std::string>{"Επίσκοπος: Kostas Elder", "Βοηθός: Nikos Helper"}));
    EXPECT_TRUE(r.has("Kostas Elder"));
    EXPECT_FALSE(r.has("Other K")) << "only the group's publishers";
    EXPECT_TRUE(r.has("Όμιλος")) << "the group's totals line";
    EXPECT_TRUE(r.has("Αδρανείς 4"));
    const std::vector<std::string> names = r.at("In1 K");
    EXPECT_EQ(names, (std::vector<std::string>{"In1 K", "In2 K", "In3 K"}));
    const Line* first = r.find("In1 K");
    EXPECT_EQ(first->items[1].x - first->items[0].x, kDpi * 7 / 3) << "three columns";
    EXPECT_EQ(r.at("In4 K"), (std::vector<std::string>{"In4 K"}));
    EXPECT_FALSE(r.has("Hidden K")) << "left out of the group lists";
    EXPECT_FALSE(r.has("Σύνολα")) << "no branch block for a group";

    const Drawn one = draw(d.doc, 2, 1);
    EXPECT_TRUE(one.has("Έκθεση Αυγούστου για τον Όμιλο # 1"));
    EXPECT_TRUE(one.has("Επίσκοπος: Petros Servant")) << "no active publisher of that name";

    RecordingSurface surface(kDpi, kDpi);
    ReportFonts fonts;
    fonts.resetToDefaults("greek");
    ReportContext context = reportContextFor(d.doc, fonts, {2023, 9, 10});
    drawReport(d.doc, surface, 2, 3, context);
    EXPECT_TRUE(surface.pages().front().texts.empty()) << "a group not in use draws nothing";
}

TEST(GroupReport, ALongInactiveListGoesOnOverThePagesInsideItsColumns) {
    ReportDoc d({2023, 9, 10});
    d.setGroups(1);
    const auto member = [&](std::string_view first, std::string_view last, std::uint8_t kind) {
        const int row = d.add(first, last, kind);
        d.at(row).setByte(PublisherRecord::kGroupNumber, 1);
        d.steady(row, 5);
    };
    member("Active", "One", kPublisher);
    for (int i = 0; i < 240; ++i)
        member(cp1253::fromUtf8("Αικατερίνη " + std::to_string(i)),
               cp1253::fromUtf8("Χατζηπαναγιωτοπούλου"), kInactive);

    RecordingSurface surface(kDpi, kDpi);
    const Drawn r = drawOn(d.doc, surface, 2, 1);
    int names = 0;
    int lastPage = 0;
    for (const RecordedText& t : surface.pages().front().texts) {
        if (!t.text.starts_with("Αικατερίνη")) continue;
        ++names;
        const int page = t.y / kBand;
        lastPage = std::max(lastPage, page);
        EXPECT_LE(t.y - page * kBand + 40, kBand - kDpi / 2) << t.text << " past its page";
        const int column = (t.x - 150) / (kDpi * 7 / 3);
        EXPECT_LE(rightEdge(t), 150 + (column + 1) * (kDpi * 7 / 3)) << t.text;
    }
    EXPECT_EQ(names, 240);
    EXPECT_GE(lastPage, 2) << "80 lines of names take more than a page";
    EXPECT_LE(lastPage + 1, r.pageCount);
}

// ---------------------------------------------------------------- totals history

TEST(BranchTotalsOfThePrintout, ServantsLeftOutOfThePrintButKeptInTheHistory) {
    ReportDoc d({2025, 3, 10});
    const int servant = d.add("Full", "Timer");
    d.steady(servant, 30, 1);
    d.at(servant).setWord(PublisherRecord::kAppointmentBits, 1 << 7);
    const int aux = d.add("Aux", "Pioneer");
    d.steady(aux, 10, 1);
    const int rm = d.doc.calendar.reportMonth;
    const int slot = d.doc.calendar.reportSlot();

    d.doc.header().setCollectionState(rm, 2);
    draw(d.doc, 3);
    EXPECT_EQ(d.doc.monthTotals.value(rm, 1, 2, slot), 0) << "a closed month keeps its history";

    d.doc.header().setCollectionState(rm, 1);
    const Drawn r = draw(d.doc, 3);
    EXPECT_EQ(r.lastStarting("Βοηθ.Σκαπ"),
              (std::vector<std::string>{"Βοηθ.Σκαπ", "   1", "    10", "     0"}));
    EXPECT_EQ(d.doc.reportTotals[1][2], 40u);
    EXPECT_EQ(d.doc.monthTotals.value(rm, 1, 2, slot), 40);
    EXPECT_EQ(d.doc.monthTotals.value(rm, 1, 8, slot), 2);
}

TEST(BranchTotalsOfThePrintout, LateReportsCountInTheirOwnMonthsCategory) {
    ReportDoc d({2025, 3, 10});
    const int p = d.add("Late", "Comer");
    d.steady(p, 0);
    d.report(p, 0, 0, 0, 1, true);
    d.report(p, 1, 15, 0, 2);
    d.pioneer(p, 1, 1);
    const int s = d.add("Sofia", "Ial");
    d.steady(s, 100, 3);
    const auto counted = static_cast<std::uint8_t>(d.doc.calendar.reportMonth + 1);
    d.doc.lateReports = {{d.at(p).id(), static_cast<std::uint8_t>(d.month(1).month), counted},
                         {d.at(s).id(), static_cast<std::uint8_t>(d.month(1).month), counted}};
    const Drawn r = draw(d.doc, 3);
    EXPECT_EQ(r.lastStarting("Βοηθ.Σκαπ"),
              (std::vector<std::string>{"Βοηθ.Σκαπ", "   1", "    15", "     2"}));
    EXPECT_EQ(r.at("Σύνολα"), (std::vector<std::string>{"Σύνολα", "   2", "    15", "     3"}));
}

// ---------------------------------------------------------------- meetings

TEST(MeetingBlock, MonthFiguresAndShareOfActivePublishers) {
    ReportDoc d({2025, 3, 10});
    for (int i = 0; i < 4; ++i) d.steady(d.add("P", std::to_string(i)), 5);
    const int rm = d.doc.calendar.reportMonth;
    const int slot = d.doc.calendar.reportSlot();
    MeetingAttendance& weekend = d.doc.meetings[1];
    weekend.setValue(MeetingAttendance::Held, rm, slot, 4);
    weekend.setValue(MeetingAttendance::Total, rm, slot, 14);
    weekend.setValue(MeetingAttendance::Average, rm, slot, 3);
    const Drawn r = draw(d.doc, 4);
    EXPECT_TRUE(r.has("Έκθεση Εκκλησίας για τον Φεβρουάριο"));
    EXPECT_TRUE(r.has("Έκθεση Παρόντων Συναθροίσεων"));
    EXPECT_EQ(r.at("Αρ."), (std::vector<std::string>{"Αρ.", "Σύν", "Μ.Ο.", "Επί τοις 100"}));
    EXPECT_EQ(r.at("Συνάθροιση Σαββατοκύριακου"),
              (std::vector<std::string>{"Συνάθροιση Σαββατοκύριακου", "4", "14", "3",
                                        "    75%  από    4"}));
    EXPECT_EQ(
        r.at("Μεσοβδόμαδη Συνάθροιση"),
        (std::vector<std::string>{"Μεσοβδόμαδη Συνάθροιση", "0", "0", "0", "     0%  από    4"}));
    EXPECT_EQ(r.pageCount, 1);
}

// ---------------------------------------------------------------- page model

// February 2025 with `n` publishers of group `group`.
void people(ReportDoc& d, int n, int group) {
    d.setGroups(1);
    for (int i = 0; i < n; ++i) {
        const int row = d.add("P", std::to_string(100 + i));
        d.at(row).setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        d.steady(row, 5);
    }
}

int drawnPages(const Drawn& r) {
    int last = 0;
    for (const Line& l : r.lines) last = std::max(last, l.page);
    return last + 1;
}

class PageCount : public ::testing::Test {
protected:
    ReportDoc d{{2025, 3, 10}};
};

TEST_F(PageCount, GroupReportAtTheSummaryBoundary) {
    // 54 lines a page at 300 dpi. A group counts 1 + rows + 1: more than 54 - 15 adds a page for
    // the summary, more than 54 - 11 - 8 one more.
    struct Case {
        int rows;
        int pages;
    };
    for (const Case c :
         {Case{33, 1}, Case{34, 2}, Case{37, 2}, Case{38, 3}, Case{52, 3}, Case{54, 2}}) {
        ReportDoc fresh({2025, 3, 10});
        people(fresh, c.rows, 1);
        const Drawn r = draw(fresh.doc, 2, 1);
        EXPECT_EQ(r.linesPerPage, 54);
        EXPECT_EQ(r.pageCount, c.pages) << c.rows << " rows";
        EXPECT_LE(drawnPages(r), r.pageCount) << c.rows << " rows";
    }
}

TEST_F(PageCount, EveryAnalysisPageHasItsHeader) {
    people(d, 60, 0);  // 5 + 60 lines: the rows break onto a second page
    const Drawn r = draw(d.doc, 110);
    EXPECT_EQ(r.pageCount, 3) << "rows on two pages, and the branch block's page";
    int titles = 0;
    int headings = 0;
    for (const Line& l : r.lines) {
        titles += l.items.front().text == "Έκθεση Εκκλησίας για τον Φεβρουάριο";
        headings += l.items.front().text == "Όνομα";
    }
    EXPECT_EQ(titles, drawnPages(r));
    EXPECT_EQ(headings, 2) << "the branch page has the title only";
    // Row 50 is the last of the first page (5 + 50 > 54 moves row 50 on); it starts page 2 at
    // the first row line.
    const Line* moved = r.find("P 149");
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->page, 1);
    EXPECT_EQ(r.find("P 148")->page, 0);
    EXPECT_EQ(moved->y, 150 + 4 * 50) << "half-inch top margin, then line 4";
}

// A screen whose fonts have leading: its own line height differs, the pages must not.
class LeadingScreen : public RecordingSurface {
public:
    LeadingScreen() : RecordingSurface(96, 96) {}
    int externalLeading() const override { return 4; }
};

TEST_F(PageCount, AHeadingKeepsToItsFirstRowAndNoBlankPageIsPrinted) {
    // 5 lines, the pioneers' heading and 47 pioneers fill 53 of 54 lines: the group's heading
    // would be the last line of the page, so it goes over with its first member.
    people(d, 3, 1);
    for (int i = 0; i < 47; ++i) {
        const int row = d.add("Q", std::to_string(100 + i));
        d.steady(row, 50, 2);
    }
    const Drawn r = draw(d.doc, 1);
    const Line* heading = r.find("  Όμιλος 1");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->page, 1);
    EXPECT_EQ(r.find("P 100")->page, 1);
    EXPECT_EQ(r.find("P 100")->y, heading->y + 50) << "right under its heading";
    // The count foresees a page for the branch block; the drawing needed no more than it used.
    EXPECT_EQ(r.pagesUsed, drawnPages(r));
    EXPECT_LE(r.pagesUsed, r.pageCount);
}

TEST_F(PageCount, MeasuredAtThePrintersResolutionOnTheScreenToo) {
    people(d, 40, 1);
    LeadingScreen screen;
    const Drawn onScreen = drawOn(d.doc, screen, 2, 1);
    const Drawn onPaper = draw(d.doc, 2, 1);
    EXPECT_EQ(onScreen.linesPerPage, onPaper.linesPerPage);
    EXPECT_EQ(onScreen.pageCount, onPaper.pageCount);
    RecordingSurface a4(kDpi, kDpi);
    EXPECT_EQ(drawOn(d.doc, a4, 2, 1, true).linesPerPage, 58) << "9.7 inches on A4";
}

TEST(EmptyReport, NothingDrawnWithoutActivePublishers) {
    ReportDoc d({2025, 3, 10});
    d.add("In", "Active", kInactive);
    for (int kind : {1, 110, 3, 4}) {
        RecordingSurface surface(kDpi, kDpi);
        const Drawn r = drawOn(d.doc, surface, kind);
        EXPECT_TRUE(surface.pages().front().texts.empty()) << kind;
        EXPECT_EQ(r.pageCount, 1);
    }
}

TEST(HoursText, QuarterHoursAsPrinted) {
    EXPECT_EQ(hoursText(0, 0), "");
    EXPECT_EQ(hoursText(7, 1), "7.25");
    EXPECT_EQ(hoursText(7, 2), "7.5");
    EXPECT_EQ(hoursText(7, 3), "7.75");
    EXPECT_EQ(hoursText(0, 2), "0.5");
    EXPECT_EQ(hoursText(0, 4), "1");
    EXPECT_EQ(hoursText(12, 0), "12");
}

}  // namespace
}  // namespace zelvo::reports
