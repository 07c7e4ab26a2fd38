// The status lists: each list's rule at its boundaries (months and slots, status windows, mark
// periods, baptism bands, privileges), the row texts, and the dialog model's title, buttons,
// contact line, clipboard text and printout.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "report_fixture.h"
#include "reporting/status_list_model.h"
#include "reports/recording_surface.h"
#include "reports/status_list_print.h"
#include "store/cp1253.h"
#include "store/publisher_status.h"

namespace zelvo::reporting {
namespace {

using L = StatusList;
constexpr Date kToday{2024, 4, 3};  // report month March 2024

class StatusLists : public ::testing::Test {
protected:
    test::ReportDoc r{kToday};

    int add(const std::string& last, int group = 1, std::uint8_t kind = kPublisher) {
        const int row = r.add("A", last, kind);
        r.at(row).setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        r.at(row).setText(PublisherRecord::kBaptismDate, "05011990");
        return row;
    }
    std::set<int> rows(L list, int filter = 0, int group = 0) const {
        std::set<int> out;
        for (const StatusRow& s : statusRows(r.doc, {list, filter, group}, kToday))
            out.insert(s.row);
        return out;
    }
    std::string text(L list, int row, int filter = 0, int group = 0) const {
        for (const StatusRow& s : statusRows(r.doc, {list, filter, group}, kToday))
            if (s.row == row) return s.text;
        return "-";
    }
    void marked(int row, int mark, int monthIndex, int since = 0) {
        const auto flags = static_cast<std::uint8_t>((monthIndex + 1) * 16 + mark);
        r.at(row).setByte(PublisherRecord::kStatusFlags, flags);
        r.at(row).setByte(PublisherRecord::kStatusFlags2, flags);
        r.at(row).setWord(PublisherRecord::kStatusSince, static_cast<std::uint16_t>(since));
    }
};

TEST_F(StatusLists, NoReportReadsTheChosenMonthsSlotAndItsRemarks) {
    const int hours = add("Hours");
    const int part = add("Part");
    const int remark = add("Remark");
    const int placements = add("Placements");
    const int april = add("April");
    r.report(hours, 0, 5);
    r.report(part, 0, 0, 0, 0, true);
    r.remark(remark, "άρρωστος");
    r.values(placements, 0, 3, 1, 1);  // placements alone make no report
    // April, after the report month, is read from the previous year's slot.
    test::setReport(r.at(april), 3, r.doc.calendar.slotOfMonth(3), 4);
    test::setReport(r.at(hours), 3, r.doc.calendar.reportSlot(), 4);  // this year's April: not read
    EXPECT_EQ(rows(L::NoReport, 2), (std::set{april, placements}));
    EXPECT_EQ(rows(L::NoReport, 3), (std::set{hours, part, remark, placements}));
    EXPECT_EQ(defaultFilter(r.doc, L::NoReport), 2);
}

TEST_F(StatusLists, TelephonesAndGroupMarkOfTheNoReportAndCollectionForm) {
    const int both = add("Both", 2);
    const int mobile = add("Mobile", 2);
    const int work = add("Work", 3);
    r.at(both).setText(PublisherRecord::kPhoneHome, "210 1");
    r.at(both).setText(PublisherRecord::kPhoneMobile, "69 2");
    r.at(mobile).setText(PublisherRecord::kPhoneMobile, "69 3");
    r.at(work).setText(PublisherRecord::kPhoneWork, "210 9");
    EXPECT_EQ(text(L::NoReport, both, 2), "A Both  (2)\t210 1\t69 2");
    EXPECT_EQ(text(L::NoReport, mobile, 2, 2), "A Mobile\t69 3");
    EXPECT_EQ(text(L::CollectionForm, work), "A Work  (3)\t");  // the work number is not listed
    EXPECT_EQ(rows(L::CollectionForm, 0, 2), (std::set{both, mobile}));
}

TEST_F(StatusLists, IrregularFollowsTheStatusWindowAndMarksRemarks) {
    const int regular = add("Regular");
    const int gap = add("Gap");
    const int special = add("Special");
    const int fresh = add("Fresh");
    r.steady(regular, 10);
    r.steady(gap, 10);
    r.report(gap, 0, 0);
    r.report(gap, 5, 0);  // October, the oldest of the six months
    r.remark(gap, "ταξίδι");
    r.steady(special, 0, 3);  // a special pioneer's months are never missed
    // New in January, reporting since: the months before the mark do not count.
    marked(fresh, kMarkNew, 0);
    r.report(fresh, 0, 3);
    r.report(fresh, 1, 3);
    r.report(fresh, 2, 3);
    EXPECT_EQ(rows(L::Irregular), std::set{gap});
    EXPECT_EQ(text(L::Irregular, gap), "A Gap\tΟκτ\tΜαρ!");
}

TEST_F(StatusLists, NewAndReactivatedByTheirFourPeriods) {
    const int october = add("October");
    const int september = add("September");
    const int april = add("April");
    const int old = add("Old");
    const int reactivated = add("Reactivated");
    marked(october, kMarkNew, 9);           // the first of the six months ending with March
    marked(september, kMarkNew, 8);         // the service year's first month
    marked(april, kMarkNew, 3);             // April of last year: twelve months back
    marked(old, kMarkNew, 3, 23 * 12 + 1);  // since February 2023: 13 months back
    marked(reactivated, kMarkReactivated, 1);
    EXPECT_EQ(rows(L::NewPublishers, 0), std::set{october});
    EXPECT_EQ(rows(L::NewPublishers, 1), (std::set{october, september}));
    EXPECT_EQ(rows(L::NewPublishers, 2), (std::set{october, september, april, old}));
    EXPECT_EQ(rows(L::NewPublishers, 3), (std::set{october, september, april, old}));
    EXPECT_EQ(text(L::NewPublishers, old, 3), "A Old\t2023 Φεβρουάριος");   // statusSince's month
    EXPECT_EQ(text(L::NewPublishers, april, 2), "A April\t2023 Απρίλιος");  // after March: 2023
    EXPECT_EQ(text(L::NewPublishers, october, 0), "A October\t2023 Οκτώβριος");
    EXPECT_EQ(rows(L::Reactivated, 0), std::set{reactivated});
    marked(old, kMarkNew, 3, 22 * 12 + 1);  // 25 months back: gone from the 24 months
    EXPECT_EQ(rows(L::NewPublishers, 3), (std::set{october, september, april}));
}

TEST_F(StatusLists, InactiveAndMovedPeriods) {
    const int inactive = add("Inactive", 4, kInactive);
    r.at(inactive).setByte(PublisherRecord::kStatusFlags, 2 * 16);  // February 2024
    r.at(inactive).setByte(PublisherRecord::kStatusFlags2, 24);
    const int moved = add("Moved", 1, kMoved);
    r.at(moved).setByte(PublisherRecord::kStatusFlags, 5 * 16);  // May
    const int unknown = add("Unknown", 1, kMoved);               // no month recorded
    EXPECT_EQ(filterEntries(r.doc, L::Inactive).size(), 5u);
    EXPECT_EQ(rows(L::Inactive, 0), std::set{inactive});
    EXPECT_EQ(rows(L::Inactive, 3), std::set<int>{});
    EXPECT_EQ(text(L::Inactive, inactive, 4), "A Inactive\tΌμιλος #\t4");
    EXPECT_EQ(rows(L::Moved, 0), std::set<int>{});
    EXPECT_EQ(rows(L::Moved, 2), std::set{moved});  // twelve months and over: the same people
    EXPECT_EQ(rows(L::Moved, 3), std::set{moved});
    EXPECT_EQ(text(L::Moved, moved, 3), "A Moved\tΜαϊ");
    (void)unknown;
}

TEST_F(StatusLists, BaptismBandsAtTheirEdges) {
    const auto baptized = [&](const std::string& date) {
        const int row = add(date);
        r.at(row).setText(PublisherRecord::kBaptismDate, date);
        return row;
    };
    const int lastApril = baptized("04012023");  // a year today: recently baptized
    const int lastMay = baptized("05012023");    // the month not reached: 0 years
    const int four = baptized("05012019");
    const int five = baptized("04302019");  // the day is not compared
    const int sixty = baptized("01011964");
    baptized("0501    ");  // no year: never
    EXPECT_EQ(rows(L::Baptized, 0), (std::set{lastApril, lastMay}));
    EXPECT_EQ(rows(L::Baptized, 1), (std::set{lastApril, lastMay, four}));
    EXPECT_EQ(rows(L::Baptized, 2), std::set{five});
    EXPECT_EQ(rows(L::Baptized, 8), std::set{sixty});
    EXPECT_EQ(text(L::Baptized, four, 1), "A 05012019\t01/05/2019");
}

TEST_F(StatusLists, AuxiliaryPioneersAndConductorsOverTheirPeriod) {
    const int september = add("September");
    const int lastApril = add("LastApril");
    const int conductor = add("Conductor");
    r.pioneer(september, 6, 1);   // September 2023
    r.pioneer(september, 0, 1);   // and March
    r.pioneer(lastApril, 11, 1);  // April 2023
    r.report(conductor, 0, 5, 0, 3);
    EXPECT_EQ(rows(L::AuxiliaryPioneers, 0), std::set{september});
    EXPECT_EQ(rows(L::AuxiliaryPioneers, 1), std::set{september});
    EXPECT_EQ(rows(L::AuxiliaryPioneers, 2), (std::set{september, lastApril}));
    EXPECT_EQ(text(L::AuxiliaryPioneers, september, 1), "A September\tΣεπ Μαρ");
    EXPECT_EQ(text(L::AuxiliaryPioneers, september, 0), "A September\tΜαρ");
    EXPECT_EQ(text(L::StudyConductors, conductor), "A Conductor\t3 Μάρτιος");
    r.report(conductor, 0, 5);
    r.report(conductor, 6, 5, 0, 1);  // September: the service year, not six months
    EXPECT_EQ(rows(L::StudyConductors, 0), std::set<int>{});
    EXPECT_EQ(text(L::StudyConductors, conductor, 1), "A Conductor");
}

TEST_F(StatusLists, UnbaptizedStudentsConsentAndCustomCategory) {
    const int empty = add("Empty");
    const int blank = add("Blank", 2);
    r.at(empty).setText(PublisherRecord::kBaptismDate, "");
    r.at(blank).setText(PublisherRecord::kBaptismDate, "        ");
    const int student = add("Student", 1, kNonPublisher);
    r.at(student).setText(PublisherRecord::kConductor, cp1253::fromUtf8("Γ Οδηγός"));
    const int consent = add("Consent");
    r.at(consent).setByte(PublisherRecord::kConsentGiven, 1);
    r.at(consent).setText(PublisherRecord::kConsentDate, "05252018");
    r.at(blank).setByte(PublisherRecord::kPrivileges, privilege::kCustomCategory);

    EXPECT_EQ(rows(L::Unbaptized), (std::set{empty, blank}));
    EXPECT_EQ(rows(L::Unbaptized, 0, 2), std::set{blank});
    EXPECT_EQ(text(L::Students, student), "A Student\t( Γ Οδηγός )");
    EXPECT_EQ(text(L::Consent, consent), "A Consent  (1)\t25/05/2018");
    EXPECT_EQ(text(L::Consent, consent, 0, 1), "A Consent\t25/05/2018");
    EXPECT_EQ(rows(L::NoConsent).count(consent), 0u);
    EXPECT_EQ(rows(L::NoConsent).size(), 2u);
    EXPECT_EQ(rows(L::CustomCategory), std::set{blank});

    EXPECT_EQ(offeredLists(r.doc).size(), 15u);
    r.doc.settings.customCategoryEnabled = 1;
    EXPECT_EQ(offeredLists(r.doc).back(), L::CustomCategory);
}

TEST_F(StatusLists, PrivilegesNowAndTheConditionalEntries) {
    const int servant = add("Servant");
    const int elder = add("Elder");
    const int regular = add("Regular");
    const int auxiliary = add("Auxiliary");
    const int inactive = add("Inactive", 1, kInactive);
    r.at(servant).setByte(PublisherRecord::kPrivileges, privilege::kServant);
    r.at(elder).setByte(PublisherRecord::kPrivileges, privilege::kElder);
    r.pioneer(regular, 0, 2);
    r.pioneer(servant, 1, 2);  // a regular pioneer last month only
    r.at(auxiliary).setByte(PublisherRecord::kPrivileges, privilege::kContinuousAuxiliary);
    r.at(inactive).setWord(PublisherRecord::kAppointmentBits, appointment::kFieldMissionary);
    AppointmentRecord a;
    a.setWord(0, r.at(elder).id());
    a.setWord(2, kElderStart);
    a.setText(AppointmentRecord::kText, "0901201012312020");
    r.doc.appointments.push_back(a);

    EXPECT_EQ(filterEntries(r.doc, L::Privileges).size(), 5u);  // an inactive mark adds none
    EXPECT_EQ(rows(L::Privileges, 0), std::set{servant});
    EXPECT_EQ(rows(L::Privileges, 1), std::set{elder});
    EXPECT_EQ(rows(L::Privileges, 2), std::set{regular});
    EXPECT_EQ(rows(L::Privileges, 3), std::set{auxiliary});
    EXPECT_EQ(text(L::Privileges, elder, 1), "A Elder\t01/09/2010 - 31/12/2020");
    r.at(elder).setWord(PublisherRecord::kAppointmentBits, appointment::kFieldMissionary);
    const auto entries = filterEntries(r.doc, L::Privileges);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries.back(), "Ιεραπόσλοι στον αγρό");
    EXPECT_EQ(rows(L::Privileges, 5), std::set{elder});
}

// ------------------------------------------------------------------ the dialog model

class StatusListDialog : public StatusLists {
protected:
    void SetUp() override {
        r.setGroups(2);
        r.doc.groups.setText(ServiceGroupTable::overseerField(1), "A Overseer");
        overseer = add("Overseer");
        r.at(overseer).setText(PublisherRecord::kPhoneHome, "210-555 01");
        r.at(overseer).setText(PublisherRecord::kPhoneWork, "(210) 99");
        other = add("Other", 2);
        r.at(other).setText(PublisherRecord::kPhoneWork, "2310 1");
    }
    int overseer = 0;
    int other = 0;
};

TEST_F(StatusListDialog, TitleButtonsAndStatusLineFollowTheChoices) {
    StatusListModel m(r.doc, L::CustomCategory, kToday);  // not offered: the no-report list
    EXPECT_EQ(m.list(), L::NoReport);
    EXPECT_EQ(m.comboEntry(), 2);
    EXPECT_EQ(m.title(), "Χωρίς Έκθεση τον Μάρτιο  ( 2 )");
    EXPECT_EQ(m.printCaption(), "&Εκτύπωση");
    EXPECT_EQ(m.secondCaption(), "Εκτύπωση 1 - 2");
    EXPECT_TRUE(m.copyShown() && m.contactShown() && m.mailShown());
    m.setListEntry(1);
    EXPECT_EQ(m.rows().size(), 1u);
    EXPECT_EQ(m.printCaption(), "Εκτύπωση #1");
    EXPECT_EQ(m.secondButton(), StatusListModel::SecondButton::Hidden);
    EXPECT_EQ(m.statusLine(), "Όμιλος # 1  -  A Overseer");

    m.setList(L::Irregular);
    EXPECT_EQ(m.listEntry(), 0);
    EXPECT_FALSE(m.mailShown());  // no sender address in the settings
    m.setList(L::Privileges);
    EXPECT_EQ(m.secondCaption(), "Επεξεργασία");
    EXPECT_TRUE(m.comboEntries().empty());
    EXPECT_EQ(m.listEntries().size(), 5u);
    EXPECT_FALSE(m.contactShown());
    m.setListEntry(1);
    EXPECT_EQ(m.printout().title, "Προνόμια υπηρεσίας - Πρεσβύτεροι");
    m.setList(L::Baptized);
    m.setListEntry(6);
    EXPECT_EQ(m.printout().title, "Έτη Βάφτισματος - 40 - 49 χρονών");
}

TEST_F(StatusListDialog, ContactLineStepsThroughTheNumbersAndFallsBackToTheOverseer) {
    StatusListModel m(r.doc, L::NoReport, kToday);
    m.setListEntry(1);  // group 1, no row chosen: its overseer
    EXPECT_EQ(m.contact().name, "A Overseer");
    EXPECT_EQ(m.dialCaption(), "Επιλογή A Overseer 210-555 01");
    EXPECT_TRUE(m.dialEnabled());
    m.nextNumber();
    EXPECT_EQ(m.contactNumber(), "(210) 99");
    m.nextNumber();  // wraps to the home number
    EXPECT_EQ(m.contactNumber(), "210-555 01");
    EXPECT_EQ(m.mailCaption(), "Δεν Υπάρχει Ηλ. Διεύθυνση για τον A Overseer");
    EXPECT_FALSE(m.mailEnabled());

    m.setListEntry(2);
    m.chooseRow(0);
    EXPECT_EQ(m.chosenPerson(), other);
    EXPECT_EQ(m.contactNumber(), "2310 1");
    r.doc.groups.setText(ServiceGroupTable::overseerField(2), "");
    m.chooseRow(-1);
    EXPECT_FALSE(m.dialEnabled());
}

TEST_F(StatusListDialog, ClipboardTextListsEveryNumber) {
    StatusListModel m(r.doc, L::NoReport, kToday);
    m.setListEntry(1);
    EXPECT_EQ(m.clipboardText(),
              "Χωρίς Έκθεση τον Μάρτιο   Όμιλος # 1  Επίσκοπος: A Overseer\r\n\r\n"
              "A Overseer   210-555 01 (210) 99\r\n\r\n\r\n");
}

TEST_F(StatusListDialog, PrintoutsAndTheirPages) {
    r.doc.settings.congregationName = cp1253::fromUtf8("Κέντρο");
    StatusListModel m(r.doc, L::CollectionForm, kToday);
    StatusPrintout p = m.printout();
    EXPECT_EQ(p.title, "Φόρμα για τη Συλλογή Εκθέσεων");
    EXPECT_EQ(p.heading, "Εκκλησία - Κέντρο  -  Μήνας: ____________________");
    EXPECT_EQ(p.rows.size(), 2u);
    const auto groups = m.groupPrintouts();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[1].rows, std::vector<std::string>{"A Other\t"});
    EXPECT_EQ(groups[1].heading.rfind("Όμιλος # 2  -  ", 0), 0u);

    // A page holds the lines of nine inches less the four of its head.
    reports::ReportFonts fonts;
    fonts.resetToDefaults("greek");
    reports::RecordingSurface surface(300, 300);
    reports::ReportContext context;
    context.fonts = &fonts;
    reports::ReportPage page = reports::beginReport(surface, fonts, context.page);
    const int perPage = page.linesPerPage - reports::kFirstRowLine;
    p.rows.assign(static_cast<std::size_t>(perPage), "B\t1");
    reports::drawStatusList(p, surface, context);
    EXPECT_EQ(context.pageCount, 1);
    p.rows.emplace_back("C\t2");
    reports::drawStatusList(p, surface, context);
    EXPECT_EQ(context.pageCount, 2);
}

}  // namespace
}  // namespace zelvo::reporting
