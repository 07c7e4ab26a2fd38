// The card dialog's rules: which list it shows and whom, what each button may do, and the
// options it hands to the drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "records/publisher_table.h"
#include "report_fixture.h"
#include "reports/record_card_model.h"
#include "reports/recording_surface.h"
#include "resources/strings.h"

namespace zelvo::reports {
namespace {

using Strings = std::vector<std::string>;

TEST(RecordCardModel, ListsActiveOrInactivePeopleAndKeepsThePersonShown) {
    test::ReportDoc d(Date{2026, 12, 8});
    const int alpha = d.add("Anna", "Alpha");
    const int beta = d.add("Vasilis", "Beta");
    const int gone = d.add("Giorgos", "Gamma", kInactive);
    const int delta = d.add("Dimitris", "Delta");

    RecordCardModel m(d.doc);
    EXPECT_EQ(m.entries(), (Strings{"Anna Alpha", "Vasilis Beta", "Dimitris Delta"}));
    EXPECT_EQ(m.shownRow(), alpha);
    EXPECT_EQ(m.jobRows(false), (std::vector<int>{alpha, beta, delta}));
    EXPECT_EQ(m.jobRows(true), std::vector<int>{gone});
    m.choose(2);
    m.choose(3);  // past the end: stays
    EXPECT_EQ(m.shownRow(), delta);

    m.setInactive(true);
    EXPECT_EQ(m.entries(), Strings{"Giorgos Gamma"});
    EXPECT_EQ(m.shownRow(), gone);
    EXPECT_TRUE(m.historyPreset().inactive);
    EXPECT_EQ(m.historyPreset().row, gone);
    m.setInactive(false);
    EXPECT_EQ(m.shownRow(), alpha);  // a new list opens on its first person

    // A person before the one shown leaves the list: the card stays on the same person; when
    // the person shown leaves, the card shown is the one now in that place.
    m.choose(2);
    d.at(alpha).setKind(kInactive);
    d.doc.countAllKinds();
    d.doc.buildIndexes();
    m.refill();
    EXPECT_EQ(m.shownRow(), delta);
    EXPECT_EQ(m.position(), 1);
    d.at(delta).setKind(kInactive);
    d.doc.countAllKinds();
    d.doc.buildIndexes();
    m.refill();
    EXPECT_EQ(m.shownRow(), beta);
    EXPECT_EQ(m.rowsOf({d.at(beta).id(), 9999, d.at(alpha).id()}), (std::vector<int>{beta, alpha}));
}

// The details dialog may delete people, so rows move up under the list: the card follows the
// person it showed, never what its old row now holds, nor a row past the table's end.
TEST(RecordCardModel, ARefillAfterRowsMovedUpFollowsThePersonShown) {
    test::ReportDoc d(Date{2026, 12, 8});
    const int alpha = d.add("Anna", "Alpha");
    d.add("Vasilis", "Beta");
    d.add("Giorgos", "Gamma");
    const int delta = d.add("Dimitris", "Delta");
    const int betaId = d.at(alpha + 1).id();
    const int gammaId = d.at(alpha + 2).id();
    RecordCardModel m(d.doc);
    const auto shownId = [&] { return d.at(m.shownRow()).id(); };

    m.choose(1);                          // Beta
    records::deletePerson(d.doc, alpha);  // a person before the one shown, paged to
    m.refill();
    EXPECT_EQ(shownId(), betaId);
    EXPECT_EQ(m.position(), 0);

    m.choose(2);                              // Delta, now on the table's last row
    records::deletePerson(d.doc, delta - 1);  // the person shown goes
    d.doc.publishers.shrink_to_fit();         // no room left past the table's end
    m.refill();
    EXPECT_EQ(shownId(), gammaId);  // the same place, now the list's last
    EXPECT_EQ(m.entries(), (Strings{"Vasilis Beta", "Giorgos Gamma"}));
}

TEST(RecordCardModel, AnEmptyListShowsNoCardAndOffersNothingForIt) {
    test::ReportDoc d(Date{2026, 12, 8});
    d.add("Anna", "Alpha");
    RecordCardModel m(d.doc);
    EXPECT_TRUE(m.canPrintShown());
    EXPECT_TRUE(m.canEdit(true));
    EXPECT_FALSE(m.canEdit(false));  // a month copy or read-only data
    EXPECT_TRUE(m.canWriteAll(false));
    EXPECT_FALSE(m.canWriteAll(true));

    m.setInactive(true);  // nobody is inactive
    EXPECT_EQ(m.position(), -1);
    EXPECT_EQ(m.shownRow(), 0);
    EXPECT_FALSE(m.canPrintShown());
    EXPECT_FALSE(m.canPrintChosen());
    EXPECT_FALSE(m.canEdit(true));
    EXPECT_FALSE(m.canOpenHistory(true));
    EXPECT_TRUE(m.canWriteAll(false));  // the other list's job still can
}

TEST(RecordCardModel, OptionsJoinThePreferencesAndTheSwitches) {
    test::ReportDoc d(Date{2026, 12, 8});
    d.add("Anna", "Alpha");
    d.doc.settings.onePerPage = 0;
    RecordCardModel m(d.doc);

    m.setPreviousYear(true);
    EXPECT_TRUE(m.previousYearEnabled());
    CardOptions paper = m.options(false);
    EXPECT_FALSE(paper.onePerPage);  // both years on paper, as preferred
    EXPECT_TRUE(paper.previousYear);
    const CardOptions screen = m.options(true);
    EXPECT_TRUE(screen.onePerPage);  // the screen shows the year the switch chooses
    EXPECT_TRUE(screen.previousYear);

    // A period card has no previous year; the switch keeps its tick for the record card.
    m.setKind(CardKind::TwelveMonths);
    EXPECT_FALSE(m.previousYearEnabled());
    paper = m.options(false);
    EXPECT_EQ(paper.kind, CardKind::TwelveMonths);
    EXPECT_FALSE(paper.previousYear);
    m.setKind(CardKind::ServiceYear);
    EXPECT_TRUE(m.options(false).previousYear);
}

TEST(RecordCardModel, TotalsShowTheCongregationsThreeCards) {
    test::ReportDoc d(Date{2026, 12, 8});
    d.add("Anna", "Alpha");
    d.add("Giorgos", "Gamma", kInactive);
    RecordCardModel m(d.doc);
    m.setInactive(true);
    m.setTotals(true);
    EXPECT_EQ(m.entries(),
              (Strings{std::string(res::kHistoryPublishers), std::string(res::kHistoryAuxiliaries),
                       std::string(res::kHistoryPioneers)}));
    m.choose(3);  // the active count has no card
    m.choose(2);
    EXPECT_EQ(m.shownRow(), 0);
    EXPECT_EQ(m.shownCard().totals, reporting::TotalsCategory::Pioneers);
    EXPECT_EQ(m.historyPreset().totals, reporting::TotalsCategory::Pioneers);
    EXPECT_FALSE(m.inactiveEnabled());
    EXPECT_TRUE(m.canPrintShown());
    EXPECT_FALSE(m.canPrintChosen());
    EXPECT_FALSE(m.canEdit(true));
    EXPECT_TRUE(m.canOpenHistory(true));
    EXPECT_FALSE(m.canOpenHistory(false));

    RecordingSurface surface(300, 300);
    drawCardOf(d.doc, m.shownCard(), 0, m.options(false), surface);
    const auto& texts = surface.pages().front().texts;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const RecordedText& t) { return t.text == res::kHistoryPioneers; }));

    m.setTotals(false);  // back to the list it left, on its first person
    EXPECT_TRUE(m.inactive());
    EXPECT_EQ(m.entries(), Strings{"Giorgos Gamma"});
    EXPECT_FALSE(m.historyPreset().totals.has_value());
}

}  // namespace
}  // namespace zelvo::reports
