// Meeting attendance: a month's figures, the averages over months, the week fields' typing and
// moves, the entry of a month (year and month lists, the next-month tick in slot 2), the record
// of two service years and the 24-month export.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "report_fixture.h"
#include "reporting/attendance_export.h"
#include "reporting/attendance_model.h"
#include "reporting/attendance_record.h"
#include "reports/attendance_page.h"
#include "reports/recording_surface.h"
#include "reports/report_font.h"
#include "store/data_files.h"

namespace zelvo {
namespace {

using namespace reporting;
using A = MeetingAttendance;
using test::ReportDoc;
namespace fs = std::filesystem;

constexpr Date kDecember{2026, 12, 8};  // report month November 2026, slot 0
constexpr Date kFebruary{2027, 2, 8};   // report month January 2027, slot 1

void setMonth(CZelvoDoc& doc, int meeting, MonthSlot at, const Weeks& weeks) {
    storeAttendance(doc, meeting, at.month, at.slot, weeks);
}

TEST(Attendance, FiguresRoundHalfUpAndIgnoreEmptyWeeks) {
    EXPECT_EQ(figuresOf({80, 0, 95, 90, 0}), (MeetingFigures{3, 265, 88}));  // 10 < 15
    EXPECT_EQ(figuresOf({81, 82, 0, 0, 0}), (MeetingFigures{2, 163, 82}));   // 10 >= 10
    EXPECT_EQ(figuresOf({0, 0, 0, 0, 0}), (MeetingFigures{0, 0, 0}));

    ReportDoc d(kDecember);
    setMonth(d.doc, 0, d.month(0), {80, 0, 95, 90, 0});
    EXPECT_EQ(averageText(monthAverage(d.doc.meetings[0], d.month(0).month, 0)), "88.33");
    EXPECT_EQ(averageText(monthAverage(d.doc.meetings[0], d.month(1).month, 0)), "0.00");
}

TEST(Attendance, AveragesOverMonthsNeedEveryMonthAndSwitchSlotAtDecember) {
    ReportDoc d(kFebruary);
    ASSERT_EQ(d.doc.calendar.reportMonth, 0);
    setMonth(d.doc, 1, d.month(0), {100, 101, 0, 0, 0});
    setMonth(d.doc, 1, d.month(1), {90, 0, 0, 0, 0});
    EXPECT_EQ(d.month(1), (MonthSlot{11, 0}));
    EXPECT_EQ(attendanceAverage(d.doc, 1, 3), 0) << "November has nothing entered";
    setMonth(d.doc, 1, d.month(2), {80, 0, 0, 0, 0});
    EXPECT_EQ(attendanceAverage(d.doc, 1, 3), 93);  // 371 / 4 = 92.75
    EXPECT_EQ(attendanceAverage(d.doc, 1, 6), 0);
    EXPECT_EQ(attendanceAverage(d.doc, 0, 3), 0);

    EXPECT_EQ(serviceYearMonths(8), 1);  // September
    EXPECT_EQ(serviceYearMonths(0), 5);  // January
    EXPECT_EQ(serviceYearMonths(7), 12);
    const AttendanceAverages a = attendanceAverages(d.doc, 1);
    EXPECT_EQ(a.month, 101);
    EXPECT_EQ(a.threeMonths, 93);
    EXPECT_EQ(a.serviceYear, 0);
}

TEST(Attendance, WeekFieldsTakeThreeDigitsAndMoveRound) {
    const auto typed = [](std::string start, std::string_view keys, bool selected = false) {
        WeekField f{std::move(start), selected};
        for (char k : keys) f = typeWeekKey(f, k);
        return f;
    };
    EXPECT_EQ(typed("", "12x3"), (WeekField{"123", false}));
    EXPECT_EQ(typed("123", "4"), (WeekField{"04", false}));
    EXPECT_EQ(typed("45", " "), (WeekField{"0", true}));
    EXPECT_EQ(typed("45", " 7"), (WeekField{"7", false}));
    EXPECT_EQ(typed("45", std::string{kBackspace}), (WeekField{"4", false}));
    EXPECT_EQ(weekValue("12.5"), 12);
    EXPECT_EQ(weekValue(""), 0);

    EXPECT_EQ(weekAbove({0, 0}), (WeekPlace{0, 4}));
    EXPECT_EQ(weekBelow({1, 4}), (WeekPlace{1, 0}));
    EXPECT_EQ(weekAfterEnter({0, 2}), (WeekPlace{0, 3}));
    EXPECT_EQ(weekAfterEnter({0, 4}), (WeekPlace{1, 0}));
    EXPECT_EQ(weekAfterEnter({1, 4}), (WeekPlace{0, 0}));
}

TEST(Attendance, EntryListsTheMonthsOfTheThreeYears) {
    ReportDoc d(kDecember);
    AttendanceEntryModel m(d.doc, kDecember);
    EXPECT_EQ(m.yearEntries(), (std::vector<int>{24, 25, 26}));
    EXPECT_EQ(m.yearIndex(), 2);
    EXPECT_EQ(m.monthEntries().size(), 11u);  // January to November
    EXPECT_EQ(m.monthIndex(), 10);
    EXPECT_EQ(m.title(), "Παρόντες Συναθροίσεων  - Νοέμβριος - 2026");
    m.setYearIndex(1);
    EXPECT_EQ(m.monthEntries().size(), 12u);
    EXPECT_EQ(m.monthIndex(), 10);
    m.setYearIndex(0);
    EXPECT_EQ(m.monthEntries(), (std::vector<int>{11}));  // only December 2024 is kept
    EXPECT_EQ(m.shownSlot(), 0);
    m.setYearIndex(2);
    EXPECT_EQ(m.monthIndex(), 10) << "December is not in 2026's list: the last entry";

    ReportDoc dec(Date{2027, 1, 8});  // report month December: no month of 2024 is kept
    EXPECT_EQ(AttendanceEntryModel(dec.doc, Date{2027, 1, 8}).yearEntries(),
              (std::vector<int>{25, 26}));
    EXPECT_FALSE(d.doc.isModified());
}

TEST(Attendance, EntrySavesBeforeEveryChangeAndTheTickWritesSlotTwo) {
    ReportDoc d(kDecember);
    AttendanceEntryModel m(d.doc, kDecember);
    ASSERT_TRUE(m.tickVisible());
    EXPECT_EQ(m.tickCaption(), "Δεκέμβριος - 2026");
    EXPECT_FALSE(AttendanceEntryModel(d.doc, Date{2027, 1, 8}).tickVisible());

    m.setWeek(0, 0, 80);
    m.setWeek(0, 2, 95);
    m.setMonth(9);  // October: November is saved first
    EXPECT_TRUE(d.doc.isModified());
    EXPECT_EQ(d.doc.meetings[0].value(A::Total, 10, 0), 175);
    EXPECT_EQ(d.doc.meetings[0].value(A::Average, 10, 0), 88);

    m.setTicked(true);
    EXPECT_EQ(m.shownMonth(), 11);
    EXPECT_EQ(m.shownSlot(), 2);
    m.setWeek(1, 0, 120);
    m.setTicked(false);
    EXPECT_EQ(d.doc.meetings[1].value(A::Week1, 11, 2), 120);
    EXPECT_EQ(d.doc.meetings[1].value(A::Week1, 11, 0), 0);
    EXPECT_EQ(d.doc.meetings[1].value(A::Week1, 11, 1), 0);
}

TEST(Attendance, WeekendEnteredIntoAFolderWithOnlyTheMidweekRecordIsSaved) {
    test::TestFolder folder;
    folder.write(files::kMeetings, test::bytesOf(MeetingAttendance{}));
    CZelvoDoc doc;
    ASSERT_TRUE(test::openDoc(doc, folder, kDecember).ok);
    ASSERT_EQ(doc.meetingCount, 1);
    AttendanceEntryModel m(doc, kDecember);
    m.setWeek(1, 0, 77);
    m.save();
    ScriptedPrompts prompts;
    ASSERT_TRUE(doc.saveAll(prompts).ok);

    CZelvoDoc again;
    ASSERT_TRUE(test::openDoc(again, folder, kDecember).ok);
    EXPECT_EQ(again.meetings[1].value(A::Week1, 10, 0), 77);
}

TEST(Attendance, RecordShowsTwoServiceYearsUpToTheReportMonth) {
    ReportDoc d(kDecember);
    setMonth(d.doc, 0, d.month(0), {80, 0, 95, 90, 0});  // November 2026
    setMonth(d.doc, 0, d.month(2), {81, 82, 0, 0, 0});   // September 2026
    setMonth(d.doc, 0, d.month(14), {50, 0, 0, 0, 0});   // September 2025
    const auto blocks = attendanceRecord(d.doc, 0);
    EXPECT_EQ(blocks[0].firstYear, 2025);
    EXPECT_EQ(blocks[1].firstYear, 2026);
    EXPECT_EQ(blocks[0].rows[0].total, 50);
    EXPECT_TRUE(blocks[0].rows[11].shown);
    EXPECT_TRUE(blocks[1].rows[2].shown);  // November
    EXPECT_FALSE(blocks[1].rows[3].shown);
    EXPECT_EQ(averageText(blocks[1].monthlyAverage), "84.92");  // (81.5 + 88.33) / 2
    EXPECT_EQ(averageText(blocks[0].monthlyAverage), "50.00");
    EXPECT_EQ(serviceYearCaption(blocks[0]), "Υπηρεσιακό Έτος 2025 - 2026");

    EXPECT_EQ(splitHeading("Αριθμός Συναθροίσεων"),
              (std::pair<std::string, std::string>{"Αριθμός", "Συναθροίσεων"}));
    EXPECT_EQ(splitHeading("Σύνολο").second, "");
    EXPECT_EQ(splitHeading("Μ.Ο. Ωρ-ών"), (std::pair<std::string, std::string>{"Μ.Ο.", "Ωρ-ών"}))
        << "a blank within the first four characters does not split";
}

TEST(Attendance, ExportHasFortyEightMonthsOldestFirst) {
    ReportDoc d(kDecember);
    setMonth(d.doc, 0, d.month(23), {80, 0, 95, 90, 0});  // December 2024
    setMonth(d.doc, 1, d.month(0), {100, 0, 0, 0, 0});
    d.doc.monthTotals.setValue(10, 0, 5, 0, 40);
    const std::string text = attendanceExportText(d.doc);
    ASSERT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0u);
    std::vector<std::string> lines;
    std::istringstream in(text.substr(3));
    for (std::string line; std::getline(in, line);) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        lines.push_back(line.substr(0, line.size() - 1));
    }
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[0], "Συνάθροιση,Μήνας,Αρ.,Σύν,Μ.Ο.,Δραστήριοι");
    EXPECT_EQ(lines[1], "\"Πε.\",\"2024-12\",\"3\",\"265\",\"88.33\",\"\"");
    EXPECT_EQ(lines[24], "\"Πε.\",\"2026-11\",\"0\",\"0\",\"0.00\",\"40\"");
    EXPECT_EQ(lines[48], "\"Επ.\",\"2026-11\",\"1\",\"100\",\"100.00\",\"40\"");
}

// The file the export command writes, read back by Python's csv module as a spreadsheet would.
TEST(Attendance, ExportFileReadsBackWithGreekIntact) {
    ReportDoc d(kDecember);
    test::TestFolder folder;
    d.doc.dataFolder = folder.str();
    setMonth(d.doc, 1, d.month(0), {100, 0, 0, 0, 0});
    ScriptedPrompts prompts;
    const fs::path file = attendanceExportPath(d.doc);
    prompts.savePaths = {file.string()};
    prompts.answers = {Answer::Yes};
    EXPECT_EQ(exportAttendance(d.doc, prompts), folder.path() / "Exports");
    ASSERT_EQ(prompts.savesOffered, (std::vector<std::string>{file.string()}));
    EXPECT_EQ(prompts.questions.at(0), "Εξαγωγή Παρόντες Συναθροίσεων.csv\nΕμφάνιση σε φάκελο?");

    const std::string script =
        "import csv,sys\n"
        "rows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',newline='')))\n"
        "print(len(rows),'|'.join(rows[0]),'|'.join(rows[48]),sep='\\n')\n";
    FILE* pipe = popen(("python3 -c \"" + script + "\" '" + file.string() + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    for (char buf[256]; std::fgets(buf, sizeof buf, pipe) != nullptr;) out += buf;
    ASSERT_EQ(pclose(pipe), 0) << out;
    EXPECT_EQ(out, "49\nΣυνάθροιση|Μήνας|Αρ.|Σύν|Μ.Ο.|Δραστήριοι\nΕπ.|2026-11|1|100|100.00|\n");

    prompts.savePaths = {(folder.path() / "missing" / "x" / "a.csv").string()};
    fs::create_directories(folder.path() / "missing");
    folder.writeText("missing/x", "a file where the folder should be");
    EXPECT_EQ(exportAttendance(d.doc, prompts), fs::path());
    EXPECT_EQ(prompts.messages.size(), 1u) << "cannot create the file";
}

TEST(Attendance, MeetingsReportAndRecordPagePrintBothMeetingsOnOnePage) {
    ReportDoc d(kDecember);
    d.add("Alpha", "One");
    setMonth(d.doc, 0, d.month(0), {80, 0, 95, 90, 0});
    reports::ReportFonts fonts;
    fonts.resetToDefaults("greek");
    for (const bool alone : {false, true}) {
        reports::RecordingSurface surface(300, 300);
        reports::ReportContext context = reports::reportContextFor(d.doc, fonts, kDecember);
        if (alone)
            reports::drawAttendanceRecordPage(d.doc, surface, context);
        else
            ASSERT_TRUE(reports::drawReport(d.doc, surface, 4, 0, context));
        EXPECT_EQ(context.pageCount, 1);
        std::vector<std::string> texts;
        for (const auto& t : surface.pages().front().texts) {
            EXPECT_LT(t.y, 300 * 10) << t.text;  // above the foot of the first page
            texts.push_back(t.text);
        }
        const auto count = [&](std::string_view text) {
            return std::count(texts.begin(), texts.end(), text);
        };
        EXPECT_EQ(count("ΑΡΙΘΜΟΣ ΠΑΡΟΝΤΩΝ ΣΤΙΣ ΣΥΝΑΘΡΟΙΣΕΙΣ"), 1);
        EXPECT_EQ(count("Υπηρεσιακό Έτος 2026 - 2027"), 2);
        EXPECT_EQ(count("88.33"), 2) << "November and the midweek year's average";
        EXPECT_EQ(count("Συναθροίσεων"), 4);
    }
}

}  // namespace
}  // namespace zelvo
