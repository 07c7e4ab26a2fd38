// The record card and the labels with data a secretary could really have or a damaged file could
// hold: texts that are no dates, groups the table does not hold, the longest remarks and names.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "report_fixture.h"
#include "reports/record_card.h"
#include "reports/recording_surface.h"
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

}  // namespace
}  // namespace zelvo::reports
