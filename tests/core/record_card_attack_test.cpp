// The record card and the labels with data a secretary could really have or a damaged file could
// hold: texts that are no dates, groups the table does not hold, the longest remarks and names,
// the widest label margin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "report_fixture.h"
#include "reports/labels_report.h"
#include "reports/record_card.h"
#include "reports/record_card_year.h"
#include "reports/record_totals_card.h"
#include "reports/recording_surface.h"
#include "reports/report_kind.h"
#include "resources/strings.h"
#include "store/cp1253.h"

namespace zelvo::reports {
namespace {

constexpr int kDpi = 300;

const RecordedText* find(const RecordingSurface& s, std::string_view text) {
    for (const RecordedText& t : s.pages().front().texts)
        if (t.text == text) return &t;
    return nullptr;
}

// The text drawn just after "label:  " on the card's header.
std::string fieldValue(const RecordingSurface& s, std::string_view label) {
    const RecordedText* head = find(s, std::string(label) + ":  ");
    if (head == nullptr) return "?";
    for (const RecordedText& t : s.pages().front().texts)
        if (t.y == head->y && t.x > head->x && t.font == head->font) return t.text;
    return {};
}

TEST(RecordCardAttack, YearOnlyBirthDateCutsCharactersNotBytes) {
    test::ReportDoc d(Date{2026, 12, 8});
    const int row = d.add("Νίκος", "Ααα");
    CardOptions yearOnly;
    yearOnly.hideBirthDayMonth = true;
    const auto shown = [&](std::string_view stored) {
        d.at(row).setText(PublisherRecord::kBirthDate, stored);
        RecordingSurface s(kDpi, kDpi);
        drawRecordCard(d.doc, row, yearOnly, s);
        return fieldValue(s, res::kCardBirthDate);
    };
    EXPECT_EQ(shown("05141990"), "1990");
    EXPECT_EQ(shown("1990"), "1990");
    EXPECT_EQ(shown(""), "");
    // A text that is no date keeps its last four characters, whole.
    EXPECT_EQ(shown(cp1253::fromUtf8("ΑΒΓΔΕΖΗΘ")), "ΕΖΗΘ");
    EXPECT_EQ(shown("\xc1\xe1\xd9\xf9\xff"), cp1253::toUtf8("\xe1\xd9\xf9\xff"));
}

TEST(RecordCardAttack, GroupNumberOnlyForAGroupTheTableHolds) {
    test::ReportDoc d(Date{2026, 12, 8});
    d.setGroups(5);
    const int row = d.add("Νίκος", "Ααα");
    CardOptions groups;
    groups.printGroups = true;
    const auto printed = [&](int group) {
        d.at(row).setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        RecordingSurface s(kDpi, kDpi);
        drawRecordCard(d.doc, row, groups, s);
        const auto& texts = s.pages().front().texts;
        const RecordedText* name = find(s, cp1253::toUtf8(d.doc.displayName(row)));
        return std::any_of(texts.begin(), texts.end(), [&](const RecordedText& t) {
            return t.y == name->y && t.align == Align::Right && t.text == std::to_string(group);
        });
    };
    EXPECT_TRUE(printed(5));
    EXPECT_FALSE(printed(6));    // beyond the table: unassigned, as every list shows it
    EXPECT_FALSE(printed(250));  // a damaged byte
}

// The longest remark the record holds (43 characters), on the month `back` months before the
// report month.
void longRemark(test::ReportDoc& d, int row, int back, std::string_view utf8) {
    const MonthSlot m = d.month(back);
    RemarkRecord r;
    r.set(cp1253::fromUtf8(utf8), static_cast<std::uint8_t>(m.month + 1),
          static_cast<std::uint8_t>(m.slot), d.at(row).id());
    d.at(row).setMonthWord(MonthWord::RemarkIndex, m.month, m.slot,
                           static_cast<std::uint16_t>(d.doc.remarks.size()));
    d.doc.remarks.push_back(r);
}

int widthOf(const RecordedText& t) {
    return utf8Length(t.text) * (std::abs(t.fontHeight) / 2);
}

TEST(RecordCardAttack, LongestRemarksStayWholeInsideTheirCell) {
    test::ReportDoc d(Date{2024, 3, 10});  // report month February 2024
    const int row = d.add("Νίκος", "Ααα");
    int september = 0;  // 2023: old values kept in the remark of a new-form year
    while (d.month(september).month != 8) ++september;
    d.report(row, september, 65535, 3, 1023, true);
    d.values(row, september, 65535, 65535, 65535);
    const std::string spaced = "Μετακόμισε στο εξωτερικό, νέα διεύθυνση στη";
    std::string omegas;  // one word of 43 wide letters
    for (int i = 0; i < 43; ++i) omegas += "Ω";
    longRemark(d, row, 0, omegas);
    longRemark(d, row, september, spaced);
    longRemark(d, row, september + 1, spaced);  // August 2023, in the old-form year
    const std::string oldValues = res::format(res::kCardOldValues, "65535", "65535", "65535");

    for (const bool a4 : {false, true}) {
        CardOptions options;
        options.a4 = a4;
        RecordingSurface s(kDpi, kDpi);
        drawRecordCard(d.doc, row, options, s);
        const RecordedPage& page = s.pages().front();
        const int right =
            std::max_element(page.rects.begin(), page.rects.end(), [](auto& a, auto& b) {
                return a.rect.right < b.rect.right;
            })->rect.right;
        // The remark column's texts, in reading order, their blanks left out.
        std::string remarks;
        for (const RecordedText& t : page.texts) {
            EXPECT_LE(t.x + widthOf(t), right) << t.text;
            if (t.align != Align::Left || t.x < 9 * kDpi / 2 || t.y < 2 * kDpi) continue;
            remarks += t.text;
            // Two lines share the month's row: no grid line runs through either.
            if (t.valign != VAlign::Top) continue;
            for (const RecordedLine& l : page.lines) {
                const bool across = l.y1 == l.y2 && l.y1 > t.y;
                EXPECT_FALSE(across && l.y1 < t.y + std::abs(t.fontHeight)) << t.text;
            }
        }
        std::erase(remarks, ' ');
        std::string whole = oldValues + spaced + omegas + spaced;
        std::erase(whole, ' ');
        EXPECT_EQ(remarks, whole) << a4;
    }
}

TEST(RecordCardAttack, MonthsBefore2000AreBlankNotRead) {
    test::ReportDoc d(Date{2001, 2, 8});  // report month January 2001
    const int row = d.add("Νίκος", "Ααα");
    d.report(row, 0, 7);
    CardOptions options;
    options.kind = CardKind::TwentyFourMonths;
    const std::vector<CardTable> tables =
        cardTables(d.doc.calendar, options, personMonths(d.doc, row));
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].months.back().hours, "7");
    const CardTable& earlier = tables[1];  // February 1999 - January 2000
    EXPECT_EQ(earlier.caption[0], std::string(res::monthAbbrev(1)) + " 1999 -");
    EXPECT_EQ(earlier.months[0].month, 1);
    for (std::size_t i = 0; i < 11; ++i) EXPECT_TRUE(earlier.months[i].blank) << i;
    EXPECT_FALSE(earlier.months[11].blank);  // January 2000
}

// Letters as wide as a real face draws them: figures two thirds of the height, wide capitals
// four fifths, not one half.
class WideFace : public RecordingSurface {
public:
    WideFace(int fifteenths) : RecordingSurface(kDpi, kDpi), fifteenths_(fifteenths) {}
    int textWidth(std::string_view utf8) const override {
        return utf8Length(utf8) * charHeight() * fifteenths_ / 15;
    }
    int widthOf(const RecordedText& t) const {
        return utf8Length(t.text) * std::abs(t.fontHeight) * fifteenths_ / 15;
    }

private:
    int fifteenths_;
};

TEST(RecordCardAttack, FiguresOfADamagedTotalsFileStayInTheirColumns) {
    test::ReportDoc d(Date{2023, 9, 8});  // report month August 2023: the old form
    for (int m = 0; m < 12; ++m)
        for (int slot = 0; slot < 2; ++slot)
            for (int c = 0; c < MonthTotals::kCategories; ++c)
                for (int v = 0; v < MonthTotals::kValues; ++v)
                    d.doc.monthTotals.setValue(m, c, v, slot, 65535);
    // August 2023's quarters leave three over: the total gets its longest form, "….75".
    const MonthSlot august = d.month(0);
    namespace tv = reporting::totals_value;
    d.doc.monthTotals.setValue(august.month, 2, tv::kQuarters, august.slot, 1);
    d.doc.monthTotals.setValue(august.month, 3, tv::kQuarters, august.slot, 0);
    WideFace s(10);
    drawTotalsCard(d.doc, reporting::TotalsCategory::Pioneers, {}, s);
    const RecordedPage& page = s.pages().front();
    for (const RecordedText& t : page.texts) {
        if (t.align != Align::Centre) continue;
        const int half = s.widthOf(t) / 2;
        for (const RecordedLine& l : page.lines) {
            const bool crosses = l.x1 == l.x2 && std::min(l.y1, l.y2) < t.y &&
                                 std::max(l.y1, l.y2) > t.y && l.x1 > t.x - half &&
                                 l.x1 < t.x + half;
            EXPECT_FALSE(crosses) << t.text;
        }
    }
}

TEST(RecordCardAttack, WidestNameEndsBeforeTheGroupNumber) {
    test::ReportDoc d(Date{2026, 12, 8});
    d.setGroups(20);
    const int row =
        d.add(cp1253::fromUtf8("ΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩ"), cp1253::fromUtf8("ΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜ"));
    // A damaged record: both names fill their fields to the last byte.
    d.at(row).bytes[PublisherRecord::kFirstName.offset + 20] = 0xCC;
    d.at(row).bytes[PublisherRecord::kLastName.offset + 20] = 0xD9;
    d.at(row).setByte(PublisherRecord::kGroupNumber, 20);
    CardOptions options;
    options.printGroups = true;
    options.a4 = true;
    WideFace s(12);
    drawRecordCard(d.doc, row, options, s);
    const RecordedText* name = find(s, cp1253::toUtf8(d.doc.displayName(row)));
    const RecordedText* group = find(s, "20");
    ASSERT_TRUE(name && group);
    EXPECT_EQ(utf8Length(name->text), 43);
    EXPECT_LT(name->x + s.widthOf(*name), group->x - s.widthOf(*group));
}

TEST(LabelsAttack, ItemsNeverMeetAndStayWithinTheirLabel) {
    test::ReportDoc d(Date{2026, 12, 8});
    // The longest names the record holds, in the right column too.
    for (int i = 0; i < 2; ++i) {
        const int row = d.add(cp1253::fromUtf8("Χαραλαμπία-Ευαγγελία"),
                              cp1253::fromUtf8("Κωνσταντινοπούλου-Πα"));
        d.at(row).setByte(PublisherRecord::kPrivileges, privilege::kElder | privilege::kMale);
        d.at(row).setText(PublisherRecord::kBirthDate, "03021960");
        d.pioneer(row, 0, 2);
    }
    ReportFonts fonts;
    fonts.resetToDefaults("greek");
    d.doc.settings.labelAlternative = 1;
    for (const int margin : {0, 99}) {  // 99: the right column meets the page's edge
        d.doc.settings.labelLeftMargin = margin;
        ReportContext context = reportContextFor(d.doc, fonts, {2026, 12, 8});
        context.labels.firstPosition = 1;
        RecordingSurface s(kDpi, kDpi);
        ASSERT_TRUE(drawReport(d.doc, s, kindNumber(ReportKind::Labels), 0, context));
        const auto& texts = s.pages().front().texts;
        const int firstTop = texts.front().y - kDpi / 5;
        for (const RecordedText& a : texts) {
            // Every baseline within the label's inch.
            EXPECT_LT((a.y - firstTop) % kDpi, kDpi * 19 / 20) << a.text;
            for (const RecordedText& b : texts) {
                const bool sameLine = a.y == b.y && a.align == Align::Left &&
                                      b.align == Align::Right && b.x > a.x && b.x - a.x < 4 * kDpi;
                if (sameLine) {
                    EXPECT_LE(a.x + widthOf(a), b.x - widthOf(b)) << a.text << b.text;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zelvo::reports
