// The ids of the main window's commands and of the dashboard's buttons: the one place that
// writes their numbers. The numbers are those the menus and the settings have always used, so
// every other file names a command and never numbers it.
#pragma once

namespace zelvo::shell {

enum class CommandId : int {
    // File
    Print = 57607,
    PrintPreview = 57609,
    PrintSetup = 57606,
    SaveAsPdf = 32914,  // new with this program: the first number after the old menus' last
    Save = 57603,
    Backup = 32863,
    Restore = 32864,
    ExportMonthFile = 32829,
    ExportContactDetails = 32849,
    ExportEmergencyContacts = 32865,
    ExportCardHeadings = 32869,
    ExportActivitySummary = 32912,
    ExportAttendance = 32911,
    ExportXml = 32880,
    ImportXml = 32878,
    ReturnToDashboard = 32787,
    Exit = 57665,

    // Edit
    EditPublishers = 32768,
    EditAuxiliaryPioneers = 32769,
    EditGroups = 32770,
    EditMoved = 32781,
    EditInactive = 32782,
    EditStudents = 32839,
    EditDeleted = 32881,
    ChangePassword = 32786,
    EditRegularPioneers = 32833,
    EditHistory = 32887,
    EditCircuitOverseer = 32906,

    // Entry
    EnterReports = 32777,
    EnterAttendance = 32778,

    // View
    ViewRecordCards = 32771,
    ViewQuickReview = 32772,
    ViewActivitySummary = 32837,
    ViewAttendance = 32838,
    ViewRegularPioneers = 32775,
    // The status lists
    ListNoReport = 32773,
    ListIrregular = 32774,
    ListNewPublishers = 32795,
    ListReactivated = 32783,
    ListInactive = 32776,
    ListMoved = 32784,
    ListRecentlyBaptized = 32792,
    ListAuxiliaryPioneers = 32815,
    ListStudyConductors = 32820,
    ListUnbaptized = 32828,
    ListStudents = 32842,
    ListCollectionForm = 32832,
    ListPrivileges = 32884,
    ListConsent = 32886,
    ListNoConsent = 32913,
    ListCustomCategory = 32835,

    // Reports: analyses and statistics
    AnalysisByPioneersAndGroups = 32891,
    AnalysisAlphabetical = 32892,
    GroupAnalysis = 32780,
    CongregationTotals = 32793,
    MeetingsReport = 32794,
    Statistics = 32802,
    // Averages
    AveragesCongregation = 32796,
    AveragesGroup = 32797,
    AveragesRegularPioneers = 32798,
    AveragesElders = 32799,
    AveragesServants = 32800,
    AveragesBaptizedBrothers = 32801,
    AveragesCustomCategory = 32836,
    // Labels
    LabelsAll = 32821,
    LabelsChosen = 32822,
    // Hours
    HoursCongregation = 32807,
    HoursGroup = 32808,
    HoursRegularPioneers = 32817,
    HoursAuxiliaryPioneers = 32816,
    HoursEldersAndServants = 32840,
    HoursBaptizedBrothers = 32851,
    HoursCustomCategory = 32844,
    PioneerHours = 32806,
    // Service-year totals
    YearTotalsCongregation = 32818,
    YearTotalsRegularPioneers = 32819,
    YearTotalsEldersAndServants = 32841,
    // Phone lists
    PhonesCongregation = 32809,
    PhonesGroup = 32810,
    PhonesRegularPioneers = 32824,
    PhonesEldersAndServants = 32823,
    // Phones and e-mail
    PhonesMailCongregation = 32871,
    PhonesMailGroup = 32872,
    PhonesMailRegularPioneers = 32873,
    PhonesMailEldersAndServants = 32874,
    // Addresses
    AddressesCongregation = 32811,
    AddressesGroup = 32812,
    AddressesInactive = 32825,
    AddressesRegularPioneers = 32830,
    AddressesEldersAndServants = 32831,
    // Contact lists
    ContactsCongregation = 32846,
    ContactsGroup = 32847,
    ContactsInactiveCongregation = 32902,
    ContactsInactiveGroup = 32904,
    ContactsPioneers = 32875,
    ContactsEldersAndServants = 32848,
    // Emergency contacts
    EmergencyCongregation = 32859,
    EmergencyGroup = 32860,
    EmergencyForms = 32867,
    // Group members
    MembersActive = 32852,
    MembersActiveAndStudents = 32853,
    MembersActiveAndInactive = 32893,
    MembersActiveStudentsAndInactive = 32854,
    MembersActiveWithConsent = 32901,

    // Fonts
    TitleFont = 32788,
    SubtitleFont = 32789,
    HeadingFont = 32790,
    TextFont = 32791,
    SmallTextFont = 32803,
    DefaultFonts = 32813,

    // Options
    ReportLayoutOptions = 32804,
    RecordCardOptions = 32888,
    ToggleStartupNotice = 32850,
    CustomCategory = 32834,
    DeleteLateReports = 32857,
    // The month copies of 1 to 6 months back; the numbers run on without a gap.
    PreviousReport1 = 32895,
    PreviousReport2 = 32896,
    PreviousReport3 = 32897,
    PreviousReport4 = 32898,
    PreviousReport5 = 32899,
    PreviousReport6 = 32900,

    // Help
    HelpContents = 57666,
    HelpIndex = 57667,
    ContextHelp = 57669,
    About = 57664,

    // Without a menu entry
    ToggleAutoCapitalize = 32883,
    // The dashboard's return-to-live-month button acts as a command of its own.
    ReturnToLiveData = 129,
};

enum class DashboardButtonId : int {
    EnterReports = 108,
    EnterAttendance = 112,
    EditHistory = 128,
    EditPublishers = 114,
    AuxiliaryPioneers = 109,
    Groups = 118,
    Inactive = 120,
    Moved = 121,
    NoReport = 106,
    Irregular = 115,
    NewPublishers = 122,
    Reactivated = 123,
    RecentlyBaptized = 125,
    QuickReview = 111,
    RecordCards = 124,
    AttendanceReport = 126,
    PhoneList = 127,
    CongregationAnalysis = 113,
    GroupAnalysis = 117,
    Statistics = 116,
    Totals = 119,
    ReturnToLiveData = 129,
    Exit = 110,
};

// The number a command or button goes by in object names and settings.
constexpr int idNumber(CommandId id) {
    return static_cast<int>(id);
}
constexpr int idNumber(DashboardButtonId id) {
    return static_cast<int>(id);
}

}  // namespace zelvo::shell
