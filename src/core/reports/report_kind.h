// The report kinds of the view: each one's number, the routine family that draws it and whether
// that routine exists yet. Which command shows a kind, and the title it has in the menus, is the
// shell's business (shell/report_commands.h).
#pragma once

#include <span>
#include <string_view>

namespace zelvo::reports {

enum class ViewMode { Dashboard = 1, Report = 2 };

// The numbers are those `zelvo-cli report` takes and the view keeps.
enum class ReportKind : int {
    AnalysisByPioneersAndGroups = 1,
    AnalysisAlphabetical = 110,
    GroupAnalysis = 2,
    CongregationTotals = 3,
    MeetingsReport = 4,
    AveragesCongregation = 5,
    AveragesGroup = 6,
    AveragesRegularPioneers = 7,
    AveragesElders = 8,
    AveragesServants = 9,
    AveragesBaptizedBrothers = 10,
    AveragesCustomCategory = 11,
    Statistics = 20,
    Labels = 30,
    HoursCustomCategory = 38,
    HoursAuxiliaryPioneers = 39,
    HoursCongregation = 40,
    HoursGroup = 41,
    HoursRegularPioneers = 42,
    HoursEldersAndServants = 43,
    HoursBaptizedBrothers = 48,
    YearTotalsCongregation = 44,
    YearTotalsRegularPioneers = 45,
    YearTotalsEldersAndServants = 46,
    PioneerHours = 47,
    PhonesCongregation = 50,
    PhonesGroup = 51,
    PhonesEldersAndServants = 52,
    PhonesRegularPioneers = 53,
    AddressesCongregation = 60,
    AddressesGroup = 61,
    AddressesInactive = 62,
    AddressesEldersAndServants = 63,
    AddressesRegularPioneers = 64,
    MembersActive = 70,
    MembersActiveAndStudents = 71,
    MembersActiveAndInactive = 72,
    MembersActiveStudentsAndInactive = 73,
    MembersActiveWithConsent = 74,
    ContactsCongregation = 80,
    ContactsGroup = 81,
    ContactsEldersAndServants = 82,
    ContactsPioneers = 83,
    ContactsInactive = 84,
    EmergencyCongregation = 90,
    EmergencyGroup = 91,
    // The forms command shows the two form kinds.
    EmergencyForms = 95,
    EmergencyFormsSecond = 96,
    PhonesMailCongregation = 100,
    PhonesMailGroup = 101,
    PhonesMailEldersAndServants = 103,
    PhonesMailRegularPioneers = 104,
};

constexpr int kindNumber(ReportKind kind) {
    return static_cast<int>(kind);
}

struct ReportKindInfo {
    ReportKind kind = ReportKind::AnalysisByPioneersAndGroups;
    std::string_view routine;   // the drawing routine and its arguments
    bool groupVariant = false;  // asks for a group first
    bool built = false;
};

std::span<const ReportKindInfo> reportKinds();
const ReportKindInfo* findReportKind(ReportKind kind);
// The kind a number names (`zelvo-cli report N`), null for none.
const ReportKindInfo* findReportKind(int number);

}  // namespace zelvo::reports
