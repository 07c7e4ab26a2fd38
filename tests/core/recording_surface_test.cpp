#include "reports/recording_surface.h"

#include <gtest/gtest.h>

namespace zelvo::reports {
namespace {

LogicalFont sized(int height) {
    LogicalFont f;
    f.height = height;
    return f;
}

TEST(RecordingSurface, MetricsFollowTheSelectedFont) {
    RecordingSurface s(300, 600);
    EXPECT_EQ(s.dpiX(), 300);
    EXPECT_EQ(s.dpiY(), 600);
    s.selectFont(FontRole::Title, sized(-40));
    EXPECT_EQ(s.charHeight(), 40);
    EXPECT_EQ(s.externalLeading(), 0);
    EXPECT_EQ(s.averageCharWidth(), 20);
    EXPECT_EQ(s.textWidth("abc"), 60);
    s.selectFont(FontRole::Small, sized(13));  // cell height counts the same
    EXPECT_EQ(s.charHeight(), 13);
    EXPECT_EQ(s.averageCharWidth(), 6);
    s.selectFont(FontRole::Text, sized(0));
    EXPECT_EQ(s.charHeight(), 13);
}

TEST(RecordingSurface, TextWidthCountsUtf8Characters) {
    EXPECT_EQ(utf8Length(""), 0);
    EXPECT_EQ(utf8Length("Όνομα"), 5);
    EXPECT_EQ(utf8Length("a€b"), 3);
    RecordingSurface s(96, 96);
    s.selectFont(FontRole::Text, sized(-20));
    EXPECT_EQ(s.textWidth("Ώρες"), 40);
}

TEST(RecordingSurface, RecordsTextsLinesAndRectsPerPage) {
    RecordingSurface s(96, 96);
    s.selectFont(FontRole::Heading, sized(-13));
    s.drawText(10, 20, "Όνομα", Align::Left, VAlign::Top);
    s.setPenWidth(2);
    s.drawLine(0, 1, 2, 3);
    s.newPage();
    s.selectFont(FontRole::Fixed, sized(-10));
    s.drawText(700, 5, "x", Align::Right, VAlign::Baseline);
    s.drawRect({1, 2, 3, 4});
    s.setClip({0, 0, 10, 10});

    ASSERT_EQ(s.pages().size(), 2u);
    const RecordedPage& one = s.pages()[0];
    ASSERT_EQ(one.texts.size(), 1u);
    EXPECT_EQ(one.texts[0],
              (RecordedText{10, 20, Align::Left, VAlign::Top, FontRole::Heading, -13, "Όνομα"}));
    ASSERT_EQ(one.lines.size(), 1u);
    EXPECT_EQ(one.lines[0], (RecordedLine{0, 1, 2, 3, 2}));
    EXPECT_FALSE(one.clip);
    const RecordedPage& two = s.pages()[1];
    EXPECT_EQ(two.texts.at(0).font, FontRole::Fixed);
    EXPECT_EQ(two.texts.at(0).align, Align::Right);
    EXPECT_EQ(two.rects.at(0), (RecordedRect{{1, 2, 3, 4}, 2}));
    EXPECT_EQ(two.clip, (Rect{0, 0, 10, 10}));
    s.clearClip();
    EXPECT_FALSE(s.pages()[1].clip);
}

TEST(RecordingSurface, TextForm) {
    RecordingSurface s(96, 96);
    s.selectFont(FontRole::Title, sized(-19));
    s.drawText(44, 29, "Τίτλος", Align::Left, VAlign::Top);
    s.drawText(660, 29, "d", Align::Centre, VAlign::Baseline);
    s.drawLine(1, 2, 3, 4);
    s.newPage();
    s.drawRect({5, 6, 7, 8});
    EXPECT_EQ(s.text(),
              "P 1\nT 44 29 L title Τίτλος\nT 660 29 Cb title d\nL 1 2 3 4 1\n"
              "P 2\nR 5 6 7 8 1\n");
}

TEST(RecordingSurface, JsonFormEscapesText) {
    RecordingSurface s(96, 120);
    s.selectFont(FontRole::Small, sized(-13));
    s.drawText(1, 2, "a\"b\\c\n", Align::Right, VAlign::Top);
    s.setPenWidth(2);
    s.drawLine(1, 2, 3, 4);
    EXPECT_EQ(s.json(),
              "{\"dpiX\":96,\"dpiY\":120,\"pages\":[{\"texts\":[{\"x\":1,\"y\":2,\"align\":\"R\","
              "\"baseline\":false,\"font\":\"small\",\"text\":\"a\\\"b\\\\c\\u000a\"}],"
              "\"lines\":[[1,2,3,4,2]],\"rects\":[]}]}");
}

}  // namespace
}  // namespace zelvo::reports
