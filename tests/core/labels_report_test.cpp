#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_fixture.h"
#include "reports/labels_report.h"
#include "reports/recording_surface.h"
#include "reports/report_kind.h"
#include "resources/strings.h"
#include "store/cp1253.h"

namespace zelvo::reports {
namespace {

using test::ReportDoc;

int add(ReportDoc& d, std::string_view first, std::string_view last) {
    return d.add(cp1253::fromUtf8(first), cp1253::fromUtf8(last));
}

struct DrawnLabels {
    RecordingSurface surface{300, 300};
    ReportFonts fonts;
    ReportContext context;
    DrawnLabels(CZelvoDoc& doc, int first, bool a4 = false) {
        fonts.resetToDefaults("greek");
        doc.settings.reportTopMargin = 50;
        doc.settings.labelLeftMargin = 20;
        context = reportContextFor(doc, fonts, {2026, 12, 8});
        context.isA4 = a4;
        context.page.pageLength = printPageLength(a4);
        context.labels.firstPosition = first;
        EXPECT_TRUE(drawReport(doc, surface, kindNumber(ReportKind::Labels), 0, context));
    }
    const RecordedText* find(std::string_view text) const {
        for (const RecordedText& t : surface.pages().front().texts)
            if (t.text == text) return &t;
        return nullptr;
    }
};

TEST(LabelsReport, PlacesFromTheFirstPositionAcrossSheets) {
    EXPECT_EQ(labelPlace(1, 0), (LabelPlace{0, 0, 0}));
    EXPECT_EQ(labelPlace(0, 0), (LabelPlace{0, 0, 0}));  // 0: the first position
    EXPECT_EQ(labelPlace(2, 0), (LabelPlace{0, 0, 1}));  // even: the right column
    EXPECT_EQ(labelPlace(7, 1), (LabelPlace{0, 3, 1}));
    EXPECT_EQ(labelPlace(20, 0), (LabelPlace{0, 9, 1}));
    EXPECT_EQ(labelPlace(20, 1), (LabelPlace{1, 0, 0}));  // the next sheet starts whole
    EXPECT_EQ(labelPageCount(1, 0), 1);
    EXPECT_EQ(labelPageCount(1, 20), 1);
    EXPECT_EQ(labelPageCount(1, 21), 2);
    EXPECT_EQ(labelPageCount(20, 1), 1);
    EXPECT_EQ(labelPageCount(20, 2), 2);
    EXPECT_EQ(labelPageCount(11, 30), 2);
}

TEST(LabelsReport, DrawsEachLabelAtItsPlaceOnLetterAndA4) {
    ReportDoc d({2026, 12, 8});
    add(d, "Άλφα", "Α");
    add(d, "Βήτα", "Β");
    {
        DrawnLabels letter(d.doc, 4);  // row 1, right column
        EXPECT_EQ(letter.context.pageCount, 1);
        const RecordedText* a = letter.find("Άλφα Α");
        const RecordedText* b = letter.find("Βήτα Β");
        ASSERT_TRUE(a && b);
        EXPECT_EQ(a->x, 60 + 1260);       // margin 0.2 inch, then 4.2 inches
        EXPECT_EQ(a->y, 150 + 300 + 60);  // top margin, one row, the first baseline
        EXPECT_EQ(a->valign, VAlign::Baseline);
        EXPECT_EQ(b->x, 60);
        EXPECT_EQ(b->y, a->y + 300);
    }
    DrawnLabels a4(d.doc, 20, true);  // the second label breaks to page 2
    EXPECT_EQ(a4.context.pageCount, 2);
    EXPECT_EQ(a4.find("Άλφα Α")->x, 60 + 1215);  // 4.05 inches on A4
    EXPECT_EQ(a4.find("Βήτα Β")->y, 12 * 300 + 150 + 60);
}

TEST(LabelsReport, BothFormsCarryHopeSexPrivilegeAndPioneer) {
    ReportDoc d({2026, 12, 8});
    const int elder = add(d, "Άλφα", "Α");
    const int student = add(d, "Βήτα", "Β");
    d.at(elder).setByte(PublisherRecord::kPrivileges, privilege::kElder | privilege::kMale);
    d.at(elder).setText(PublisherRecord::kBirthDate, "03021960");  // stored month first
    d.pioneer(elder, 0, 2);
    d.at(student).setText(PublisherRecord::kBaptismDate, "1/1");  // too short to be a date
    d.at(student).setByte(PublisherRecord::kPrivileges, privilege::kFemale);
    d.at(student).setByte(PublisherRecord::kHope, 'A');

    d.doc.settings.labelAlternative = 0;
    d.doc.settings.labelBirthDate = 0;
    auto text = [](const std::vector<LabelLine>& lines) {
        std::vector<std::string> out;
        for (const LabelLine& l : lines) out.push_back(l.left + "|" + l.right);
        return out;
    };
    EXPECT_EQ(text(labelLines(d.doc, elder)),
              (std::vector<std::string>{"Άλφα Α|", "Άλλα Πρόβατα|Άντρας [X]",
                                        "[X] Πρεσβύτερος|[X] Τακτικός Σκαπανέας"}));
    EXPECT_EQ(text(labelLines(d.doc, student)),
              (std::vector<std::string>{"Βήτα Β|", "Αβάφτιστοι Ευαγ/μενοι|Γυναίκα [X]"}));
    d.doc.settings.labelBirthDate = 1;
    EXPECT_EQ(text(labelLines(d.doc, elder))[1], "Ημερομηνία Γέννησης: 02/03/1960|");

    d.doc.settings.labelBirthDate = 0;  // the alternative form carries the birth date anyway
    d.doc.settings.labelAlternative = 1;
    EXPECT_EQ(text(labelLines(d.doc, elder)),
              (std::vector<std::string>{"Άλφα Α|Άντρας [X]",
                                        "Άλλα Πρόβατα|Ημερομηνία Γέννησης: 02/03/1960",
                                        "[X] Πρεσβύτερος|[X] Τακτικός Σκαπανέας"}));
    d.doc.settings.labelAlternative = 0;
    d.at(elder).setByte(PublisherRecord::kPrivileges, privilege::kServant);
    d.pioneer(elder, 0, 3);
    EXPECT_EQ(text(labelLines(d.doc, elder)).back(), "[X] Διακ.Υπηρ.|[X] Ειδικός Σκαπανέας");
}

}  // namespace
}  // namespace zelvo::reports
