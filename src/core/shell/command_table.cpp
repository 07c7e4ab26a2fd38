#include "shell/command_table.h"

#include <algorithm>
#include <array>

#include "resources/strings.h"

namespace zelvo::shell {

namespace {

using R = EnableRule;
using K = MenuEntry::Kind;
using C = CommandId;
using B = DashboardButtonId;

constexpr bool kBuilt = true;
constexpr bool kLater = false;

constexpr Command kCommands[] = {
    // File
    {C::Print, "Εκτύπωση...", R::ReportShown, kBuilt, CheckRule::None, TextRule::Fixed, "Ctrl+P"},
    {C::PrintPreview, "Προεπισκόπηση Εκτύπωσης", R::ReportShown, kBuilt},
    {C::SaveAsPdf, "Αποθήκευση ως PDF…", R::ReportShown, kBuilt},
    {C::PrintSetup, "Ρυθμίσεις Εκτυπωτή", R::Always, kBuilt},
    {C::Save, "Αποθήκευση", R::SaveAllowed, kBuilt, CheckRule::None, TextRule::Fixed, "Ctrl+S"},
    {C::Backup, "Αντίγραφο Ασφαλείας", R::LiveData, kBuilt},
    {C::Restore, "Επαναφορά", R::LiveData, kBuilt},
    {C::ExportMonthFile, "&Εξαγωγή Μηνιαίου Αρχείου", R::People, kLater},
    {C::ExportContactDetails, "Εξαγωγή Στοιχείων Επικοινωνίας", R::Always, kLater},
    {C::ExportEmergencyContacts, "Εξαγωγή Επαφών Έκτακτης Ανάγκης", R::Always, kLater},
    {C::ExportCardHeadings, "Εξαγωγή Επικεφαλίδων των Καρτών", R::Always, kLater},
    {C::ExportActivitySummary, "Εξαγωγή Περίληψης Δραστηριότητας", R::LiveData, kLater},
    {C::ExportAttendance, "Εξαγωγή Παρόντων Συναθροίσεων", R::LiveData, kBuilt},
    {C::ExportXml, "Εξαγωγή σε XML", R::Always, kLater},
    {C::ImportXml, "Εισαγωγή από XML", R::LiveData, kLater},
    {C::ReturnToDashboard, "Επιστροφή στον Πίνακα Εργασίας", R::ReportShown, kBuilt},
    {C::Exit, "Έξοδος", R::Always, kBuilt},
    // Edit
    {C::EditPublishers, "Ευαγγελιζόμενοι", R::LiveData, kBuilt},
    {C::EditAuxiliaryPioneers, "Βοηθητικοί Σκαπανείς", R::PeopleLive, kBuilt},
    {C::EditGroups, "Όμιλοι Υπηρεσίας Αγρού", R::LiveData, kBuilt},
    {C::EditMoved, "Μετακόμισαν", R::PeopleLive, kBuilt},
    {C::EditInactive, "Αδρανείς", R::PeopleLive, kBuilt},
    {C::EditStudents, "Ενδιαφερόμενοι (Γραφικές Μελέτες)", R::LiveData, kBuilt},
    {C::EditDeleted, "Διαγραμμένα", R::DeletedLive, kBuilt},
    {C::ChangePassword, "Κωδικός Εισόδου", R::LiveData, kBuilt},
    {C::EditRegularPioneers, "&Τακτικοί Σκαπανείς", R::PeopleLive, kBuilt},
    {C::EditHistory, "Ιστορικό", R::LiveData, kBuilt},
    {C::EditCircuitOverseer, "Επίσκοπος περιοχής", R::PeopleLive, kBuilt},
    // Entry
    {C::EnterReports, "Δελτία Έργου", R::PeopleLive, kBuilt},
    {C::EnterAttendance, "Παρόντες Συναθροίσεων", R::LiveData, kBuilt},
    // View
    {C::ViewRecordCards, "Αρχεία Ευαγγελιζομένων", R::Always, kBuilt},
    {C::ViewQuickReview, "Γρήγορη Ανασκόπηση", R::Always, kLater},
    {C::ViewActivitySummary, "Περίληψη Δραστηριότητας", R::Always, kLater},
    {C::ViewAttendance, "Παρόντες Συναθροίσεων", R::Always, kBuilt},
    {C::ViewRegularPioneers, "Τακτικοί Σκαπανείς", R::Always, kBuilt},
    {C::ListNoReport, "Χωρίς Έκθεση", R::Always, kBuilt},
    {C::ListIrregular, "Μη Τακτικοί", R::Always, kBuilt},
    {C::ListNewPublishers, "Νέοι Ευαγγελιζόμενοι", R::Always, kBuilt},
    {C::ListReactivated, "Επαναδραστηριοποιημένοι", R::Always, kBuilt},
    {C::ListInactive, "Αδρανείς", R::Always, kBuilt},
    {C::ListMoved, "Μετακόμισαν", R::Always, kBuilt},
    {C::ListRecentlyBaptized, "Πρόσφατα Βαφτισμένοι", R::Always, kBuilt},
    {C::ListAuxiliaryPioneers, "Βοηθητικοί Σκαπανείς", R::Always, kBuilt},
    {C::ListStudyConductors, "Οδηγοί Γραφικών Μελετών", R::Always, kBuilt},
    {C::ListUnbaptized, "Αβάφτιστοι", R::Always, kBuilt},
    {C::ListStudents, "Ενδιαφερόμενοι (Σπουδαστές)", R::Always, kBuilt},
    {C::ListCollectionForm, "Φόρμα για τη Συλλογή του Έργου", R::Always, kBuilt},
    {C::ListPrivileges, "Προνόμια Υπηρεσίας", R::Always, kBuilt},
    {C::ListConsent, "Συναίνεση GDPR", R::Always, kBuilt},
    {C::ListNoConsent, "Χωρίς συναίνεση GDPR", R::Always, kBuilt},
    {C::ListCustomCategory, "Προσαρμοσμένο", R::CustomCategory, kBuilt, CheckRule::None,
     TextRule::CustomCategoryName},
    // Reports: analyses, statistics, averages
    {C::AnalysisByPioneersAndGroups, "Σκαπανείς - Όμιλοι", R::Always, kBuilt},
    {C::AnalysisAlphabetical, "Α - Ω", R::Always, kBuilt},
    {C::GroupAnalysis, "Ανάλυση Ομίλου", R::Always, kBuilt},
    {C::CongregationTotals, "Σύνολα Εκκλησίας", R::Always, kBuilt},
    {C::MeetingsReport, "Έκθεση Συναθροίσεων", R::Always, kBuilt},
    {C::Statistics, "Στατιστικά", R::Always, kLater},
    {C::AveragesCongregation, "Εκκλησίας", R::Always, kBuilt},
    {C::AveragesGroup, "Ομίλου Υπηρεσίας", R::Always, kBuilt},
    {C::AveragesRegularPioneers, "Τακτικών Σκαπανέων", R::Always, kBuilt},
    {C::AveragesElders, "Πρεσβυτέρων", R::Always, kBuilt},
    {C::AveragesServants, "Διακονικών Υπηρετών", R::Always, kBuilt},
    {C::AveragesBaptizedBrothers, "Βαφτισμένων", R::Always, kBuilt},
    {C::AveragesCustomCategory, "Προσαρμοσμένο", R::CustomCategory, kBuilt, CheckRule::None,
     TextRule::CustomCategoryName},
    // Reports: labels, hours, service-year totals
    {C::LabelsAll, "Όλοι οι Ευαγγελιζόμενοι", R::Always, kBuilt},
    {C::LabelsChosen, "Επιλεγμένοι Ευαγγελιζόμενοι", R::Always, kBuilt},
    {C::HoursCongregation, "Εκκλησίας", R::Always, kBuilt},
    {C::HoursGroup, "Ομίλου Υπηρεσίας", R::Always, kBuilt},
    {C::HoursRegularPioneers, "Τακτικών Σκαπανέων", R::Always, kBuilt},
    {C::HoursAuxiliaryPioneers, "&Βοηθητικών Σκαπανέων", R::Always, kBuilt},
    {C::HoursEldersAndServants, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kBuilt},
    {C::HoursBaptizedBrothers, "&Βαφτισμένων Αδελφών", R::Always, kBuilt},
    {C::HoursCustomCategory, "Προσαρμοσμένο", R::CustomCategory, kBuilt, CheckRule::None,
     TextRule::CustomCategoryName},
    {C::PioneerHours, "Ώρες Σκαπανέων", R::Always, kBuilt},
    {C::YearTotalsCongregation, "&Εκκλησία", R::Always, kBuilt},
    {C::YearTotalsRegularPioneers, "Τακτικών Σκαπανέων", R::Always, kBuilt},
    {C::YearTotalsEldersAndServants, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kBuilt},
    // Reports: phone, e-mail, address, contact and emergency lists, group members
    {C::PhonesCongregation, "Εκκλησίας", R::Always, kLater},
    {C::PhonesGroup, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {C::PhonesRegularPioneers, "Τακτικών Σκαπανέων", R::Always, kLater},
    {C::PhonesEldersAndServants, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {C::PhonesMailCongregation, "Εκκλησίας", R::Always, kLater},
    {C::PhonesMailGroup, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {C::PhonesMailRegularPioneers, "Τακτικών Σκαπανέων", R::Always, kLater},
    {C::PhonesMailEldersAndServants, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {C::AddressesCongregation, "Εκκλησίας", R::Always, kLater},
    {C::AddressesGroup, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {C::AddressesInactive, "Αδρανών", R::Always, kLater},
    {C::AddressesRegularPioneers, "Τακτικών Σκαπανέων", R::Always, kLater},
    {C::AddressesEldersAndServants, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {C::ContactsCongregation, "&Εκκλησίας", R::Always, kLater},
    {C::ContactsGroup, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {C::ContactsInactiveCongregation, "&Εκκλησίας", R::Always, kLater},
    {C::ContactsInactiveGroup, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {C::ContactsPioneers, "&Σκαπανέων", R::Always, kLater},
    {C::ContactsEldersAndServants, "&Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {C::EmergencyCongregation, "Εκκλησίας", R::Always, kLater},
    {C::EmergencyGroup, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {C::EmergencyForms, "Φόρμες Επικοινωνίας Έκτακτης Ανάγκης", R::Always, kLater},
    {C::MembersActive, "Ενεργοί Ευαγγελιζόμενοι", R::Always, kBuilt},
    {C::MembersActiveAndStudents, "Ενεργοί Ευαγγελιζόμενοι + Σπουδαστές", R::Always, kBuilt},
    {C::MembersActiveAndInactive, "Ενεργοί Ευαγγελιζόμενοι + Αδρανείς", R::Always, kBuilt},
    {C::MembersActiveStudentsAndInactive, "Ενεργοί Ευαγγελιζόμενοι + Σπουδαστές + Αδρανείς",
     R::Always, kBuilt},
    {C::MembersActiveWithConsent, "Ενεργοί Ευαγγελιζόμενοι με Συναίνεση GDPR", R::Always, kBuilt},
    // Fonts
    {C::TitleFont, "Τίτλοι", R::Always, kBuilt},
    {C::SubtitleFont, "Υπότιτλοι", R::Always, kBuilt},
    {C::HeadingFont, "Επικεφαλίδες", R::Always, kBuilt},
    {C::TextFont, "Κείμενο", R::Always, kBuilt},
    {C::SmallTextFont, "Μικρό Κείμενο", R::Always, kBuilt},
    {C::DefaultFonts, "Προεπιλογές", R::Always, kBuilt},
    // Options
    // The options are stored with the data, which a month copy never writes.
    {C::ReportLayoutOptions, "Διάρθρωση Έκθεσης", R::LiveData, kBuilt},
    {C::RecordCardOptions, "Αρχεία Ευαγγελιζομένων", R::LiveData, kBuilt},
    {C::ToggleStartupNotice, "Προειδοποιητικό Μήνυμα στην Έναρξη", R::Always, kBuilt,
     CheckRule::NoticeOff},
    {C::CustomCategory, "&Προσαρμοσμένη Κατηγορία", R::LiveData, kBuilt,
     CheckRule::CustomCategoryEnabled},
    {C::DeleteLateReports, "Διαγραφή Καθυστερημένων Εκθέσεων", R::LateReports, kBuilt},
    {C::PreviousReport1, "", R::PreviousReport, kBuilt, CheckRule::None,
     TextRule::PreviousReportMonth},
    {C::PreviousReport2, "", R::PreviousReport, kBuilt, CheckRule::None,
     TextRule::PreviousReportMonth},
    {C::PreviousReport3, "", R::PreviousReport, kBuilt, CheckRule::None,
     TextRule::PreviousReportMonth},
    {C::PreviousReport4, "", R::PreviousReport, kBuilt, CheckRule::None,
     TextRule::PreviousReportMonth},
    {C::PreviousReport5, "", R::PreviousReport, kBuilt, CheckRule::None,
     TextRule::PreviousReportMonth},
    {C::PreviousReport6, "", R::PreviousReport, kBuilt, CheckRule::None,
     TextRule::PreviousReportMonth},
    // Help
    {C::HelpContents, "&Περιεχόμενα", R::Always, kBuilt, CheckRule::None, TextRule::Fixed, "F1"},
    {C::HelpIndex, "&Ευρετήριο", R::Always, kBuilt},
    {C::ContextHelp, "&Βοήθεια για Συμφραζόμενα", R::Always, kBuilt, CheckRule::None,
     TextRule::Fixed, "Shift+F1"},
    {C::About, "&Σχετικά με το Zelvo...", R::Always, kBuilt},
    // Without a menu entry
    {C::ToggleAutoCapitalize, "Αυτόματα Κεφαλαία", R::Always, kBuilt},
    {C::ReturnToLiveData, "", R::MonthCopyOpen, kBuilt, CheckRule::None, TextRule::LiveMonthArrow},
};

constexpr MenuEntry menu(std::string_view text, std::string_view name) {
    return {K::Menu, 0, text, {}, name};
}
constexpr MenuEntry sub(int depth, std::string_view text, std::string_view name) {
    return {K::Menu, depth, text, {}, name};
}
constexpr MenuEntry item(int depth, CommandId command) {
    return {K::Command, depth, {}, command, {}};
}
constexpr MenuEntry separator(int depth) {
    return {K::Separator, depth, {}, {}, {}};
}

constexpr MenuEntry kMenus[] = {
    menu("&Αρχείο", "menuFile"),
    item(1, C::Print),
    item(1, C::PrintPreview),
    item(1, C::SaveAsPdf),
    item(1, C::PrintSetup),
    separator(1),
    item(1, C::Save),
    separator(1),
    sub(1, "Αντίγραφα Ασφαλείας και Επαναφορά", "menuBackup"),
    item(2, C::Backup),
    item(2, C::Restore),
    sub(1, "Εξαγωγή ή Εισαγωγή", "menuExchange"),
    item(2, C::ExportMonthFile),
    item(2, C::ExportContactDetails),
    item(2, C::ExportEmergencyContacts),
    item(2, C::ExportCardHeadings),
    item(2, C::ExportActivitySummary),
    item(2, C::ExportAttendance),
    separator(2),
    item(2, C::ExportXml),
    item(2, C::ImportXml),
    separator(1),
    item(1, C::ReturnToDashboard),
    separator(1),
    item(1, C::Exit),

    menu("&Επεξεργασία", "menuEdit"),
    item(1, C::EditPublishers),
    item(1, C::EditAuxiliaryPioneers),
    item(1, C::EditGroups),
    separator(1),
    item(1, C::EditMoved),
    item(1, C::EditInactive),
    item(1, C::EditStudents),
    item(1, C::EditDeleted),
    separator(1),
    item(1, C::ChangePassword),
    separator(1),
    item(1, C::EditRegularPioneers),
    item(1, C::EditHistory),
    item(1, C::EditCircuitOverseer),

    menu("Καταχώρηση", "menuEntry"),
    item(1, C::EnterReports),
    item(1, C::EnterAttendance),

    menu("Προβολή", "menuView"),
    item(1, C::ViewRecordCards),
    item(1, C::ViewQuickReview),
    item(1, C::ViewActivitySummary),
    item(1, C::ViewAttendance),
    item(1, C::ViewRegularPioneers),
    separator(1),
    item(1, C::ListNoReport),
    item(1, C::ListIrregular),
    item(1, C::ListNewPublishers),
    item(1, C::ListReactivated),
    item(1, C::ListInactive),
    item(1, C::ListMoved),
    item(1, C::ListRecentlyBaptized),
    item(1, C::ListAuxiliaryPioneers),
    item(1, C::ListStudyConductors),
    item(1, C::ListUnbaptized),
    item(1, C::ListStudents),
    item(1, C::ListCollectionForm),
    item(1, C::ListPrivileges),
    item(1, C::ListConsent),
    item(1, C::ListNoConsent),
    item(1, C::ListCustomCategory),

    menu("Εκθέσεις", "menuReports"),
    sub(1, "Αναλύσεις", "menuAnalyses"),
    item(2, C::AnalysisByPioneersAndGroups),
    item(2, C::AnalysisAlphabetical),
    item(2, C::GroupAnalysis),
    item(2, C::CongregationTotals),
    item(2, C::MeetingsReport),
    item(1, C::Statistics),
    sub(1, "Μέσοι Όροι", "menuAverages"),
    item(2, C::AveragesCongregation),
    item(2, C::AveragesGroup),
    item(2, C::AveragesRegularPioneers),
    item(2, C::AveragesElders),
    item(2, C::AveragesServants),
    item(2, C::AveragesBaptizedBrothers),
    item(2, C::AveragesCustomCategory),
    sub(1, "Ετικέτες", "menuLabels"),
    item(2, C::LabelsAll),
    item(2, C::LabelsChosen),
    separator(1),
    sub(1, "Ώρες", "menuHours"),
    item(2, C::HoursCongregation),
    item(2, C::HoursGroup),
    item(2, C::HoursRegularPioneers),
    item(2, C::HoursAuxiliaryPioneers),
    item(2, C::HoursEldersAndServants),
    item(2, C::HoursBaptizedBrothers),
    item(2, C::HoursCustomCategory),
    item(2, C::PioneerHours),
    sub(1, "Σύνολα Υπηρεσιακού Έτους", "menuServiceYear"),
    item(2, C::YearTotalsCongregation),
    item(2, C::YearTotalsRegularPioneers),
    item(2, C::YearTotalsEldersAndServants),
    separator(1),
    sub(1, "Τηλεφωνικοί Κατάλογοι", "menuPhoneLists"),
    item(2, C::PhonesCongregation),
    item(2, C::PhonesGroup),
    item(2, C::PhonesRegularPioneers),
    item(2, C::PhonesEldersAndServants),
    sub(1, "Τηλέφωνα και Email", "menuPhonesEmail"),
    item(2, C::PhonesMailCongregation),
    item(2, C::PhonesMailGroup),
    item(2, C::PhonesMailRegularPioneers),
    item(2, C::PhonesMailEldersAndServants),
    sub(1, "Διευθύνσεις", "menuAddresses"),
    item(2, C::AddressesCongregation),
    item(2, C::AddressesGroup),
    item(2, C::AddressesInactive),
    item(2, C::AddressesRegularPioneers),
    item(2, C::AddressesEldersAndServants),
    sub(1, "Κατάλογοι Επαφών", "menuContactLists"),
    item(2, C::ContactsCongregation),
    item(2, C::ContactsGroup),
    sub(2, "&Αδρανών", "menuInactiveContacts"),
    item(3, C::ContactsInactiveCongregation),
    item(3, C::ContactsInactiveGroup),
    item(2, C::ContactsPioneers),
    item(2, C::ContactsEldersAndServants),
    sub(1, "Επαφές Έκτακτης Ανάγκης", "menuEmergency"),
    item(2, C::EmergencyCongregation),
    item(2, C::EmergencyGroup),
    item(2, C::EmergencyForms),
    separator(1),
    sub(1, "Μέλη Ομίλων", "menuGroupMembers"),
    item(2, C::MembersActive),
    item(2, C::MembersActiveAndStudents),
    item(2, C::MembersActiveAndInactive),
    item(2, C::MembersActiveStudentsAndInactive),
    item(2, C::MembersActiveWithConsent),

    menu("Γραμματοσειρές", "menuFonts"),
    item(1, C::TitleFont),
    item(1, C::SubtitleFont),
    item(1, C::HeadingFont),
    item(1, C::TextFont),
    item(1, C::SmallTextFont),
    separator(1),
    item(1, C::DefaultFonts),

    // The previous-reports submenu is the sixth entry (position 5) of this menu.
    menu("Επιλογές", "menuOptions"),
    item(1, C::ReportLayoutOptions),
    item(1, C::RecordCardOptions),
    item(1, C::ToggleStartupNotice),
    item(1, C::CustomCategory),
    item(1, C::DeleteLateReports),
    sub(1, res::kPreviousReportsMenu, kPreviousReportsMenuName),
    item(2, C::PreviousReport1),
    item(2, C::PreviousReport2),
    item(2, C::PreviousReport3),
    item(2, C::PreviousReport4),
    item(2, C::PreviousReport5),
    item(2, C::PreviousReport6),

    menu("Βοήθεια", "menuHelp"),
    item(1, C::HelpContents),
    item(1, C::HelpIndex),
    item(1, C::ContextHelp),
    separator(1),
    item(1, C::About),
};

constexpr std::optional<CommandId> kGap;

constexpr std::optional<CommandId> kToolbar[] = {
    C::ReturnToDashboard,
    kGap,
    C::Save,
    kGap,
    C::Print,
    C::PrintPreview,
    kGap,
    C::EditAuxiliaryPioneers,
    C::EnterReports,
    C::EnterAttendance,
    kGap,
    C::EditPublishers,
    C::EditGroups,
    kGap,
    C::ListNoReport,
    C::ListIrregular,
    C::EditInactive,
    kGap,
    C::About,
    C::ContextHelp,
};

constexpr std::string_view kSections[] = {
    "Καταχώρηση και Επεξεργασία",
    "Καταστάσεις Ευαγγελιζομένων",
    "Εκθέσεις και Κατάλογοι",
    "",
};

constexpr DashboardButton kButtons[] = {
    {B::EnterReports, "Καταχώρηση Δελτίων", C::EnterReports, R::LiveData, 0},
    {B::EnterAttendance, "Παρακολούθηση Συν/σεων", C::EnterAttendance, R::LiveData, 0},
    {B::EditHistory, "Επεξεργασία Ιστορικού", C::EditHistory, R::LiveData, 0},
    {B::EditPublishers, "Επεξεργασία Ευαγγελιζομένων", C::EditPublishers, R::LiveData, 0},
    {B::AuxiliaryPioneers, "Βοηθητικοί Σκαπανείς", C::EditAuxiliaryPioneers, R::LiveData, 0},
    {B::Groups, "Όμιλοι Υπηρεσίας Αγρού", C::EditGroups, R::LiveData, 0},
    {B::Inactive, "Αδρανείς", C::EditInactive, R::LiveData, 0},
    {B::Moved, "Μετακόμισαν", C::EditMoved, R::LiveData, 0},
    {B::NoReport, "Δεν Έδωσαν Έκθεση Έργου", C::ListNoReport, R::Always, 1},
    {B::Irregular, "Μη Τακτικοί", C::ListIrregular, R::Always, 1},
    {B::NewPublishers, "Νέοι Ευαγγελιζόμενοι", C::ListNewPublishers, R::Always, 1},
    {B::Reactivated, "Επαναδραστηριοποιημένοι", C::ListReactivated, R::Always, 1},
    {B::RecentlyBaptized, "Πρόσφατα Βαφτισμένοι", C::ListRecentlyBaptized, R::Always, 1},
    {B::QuickReview, "Γρήγορη ανασκόπηση", C::ViewQuickReview, R::Always, 2},
    {B::RecordCards, "Αρχείο Ευαγγελιζομένου Εκκλησίας", C::ViewRecordCards, R::Always, 2},
    {B::AttendanceReport, "Έκθεση Παρόντων Συναθροίσεων", C::ViewAttendance, R::Always, 2},
    {B::PhoneList, "Τηλεφωνικός Κατάλογος", C::PhonesCongregation, R::Always, 2},
    {B::CongregationAnalysis, "Ανάλυση Εκκλησίας", C::AnalysisByPioneersAndGroups, R::Always, 2},
    {B::GroupAnalysis, "Ανάλυση Ομίλου Υπηρεσίας Αγρού", C::GroupAnalysis, R::Always, 2},
    {B::Statistics, "Στατιστικά", C::Statistics, R::Always, 2},
    {B::Totals, "Συγκεντρωτικά", C::CongregationTotals, R::Always, 2},
    {B::ReturnToLiveData, "", C::ReturnToLiveData, R::MonthCopyOpen, 3},
    {B::Exit, "Έξοδος", C::Exit, R::Always, 3},
};

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* findCommand(CommandId id) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [id](const Command& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::span<const MenuEntry> menuOutline() {
    return kMenus;
}

std::span<const std::optional<CommandId>> toolbarLayout() {
    return kToolbar;
}

std::span<const DashboardButton> dashboardButtons() {
    return kButtons;
}

std::span<const std::string_view> dashboardSections() {
    return kSections;
}

const DashboardButton* findDashboardButton(DashboardButtonId id) {
    const auto it = std::find_if(std::begin(kButtons), std::end(kButtons),
                                 [id](const DashboardButton& b) { return b.id == id; });
    return it == std::end(kButtons) ? nullptr : &*it;
}

int monthsBackOf(CommandId id) {
    const int first = idNumber(C::PreviousReport1);
    const int back = idNumber(id) - first + 1;
    return id >= C::PreviousReport1 && id <= C::PreviousReport6 ? back : 0;
}

bool ruleHolds(EnableRule rule, const CommandState& s, CommandId id) {
    const bool live = !s.monthCopyOpen;
    const bool people = s.recordCount >= 2;
    switch (rule) {
        case R::Always:
            return true;
        case R::LiveData:
            return live;
        case R::MonthCopyOpen:
            return s.monthCopyOpen;
        case R::SaveAllowed:
            return s.modified && live;
        case R::PeopleLive:
            return people && live;
        case R::People:
            return people;
        case R::DeletedLive:
            return s.deletedCount > 0 && live;
        case R::CustomCategory:
            return s.customCategoryEnabled;
        case R::LateReports:
            return s.lateReportsToDelete;
        case R::PreviousReport: {
            const int k = monthsBackOf(id);
            return k != 0 && (s.previousMask & (1 << k)) != 0;
        }
        case R::ReportShown:
            return s.viewMode == ViewMode::Report;
    }
    return false;
}

bool commandEnabled(const Command& command, const CommandState& state) {
    return command.built && ruleHolds(command.enable, state, command.id);
}

bool commandChecked(const Command& command, const CommandState& state) {
    switch (command.check) {
        case CheckRule::None:
            return false;
        case CheckRule::CustomCategoryEnabled:
            return state.customCategoryEnabled;
        case CheckRule::NoticeOff:
            return state.noticeOff;
    }
    return false;
}

std::string commandText(const Command& command, const CommandState& state) {
    switch (command.textRule) {
        case TextRule::Fixed:
            break;
        case TextRule::CustomCategoryName:
            // An empty entry would leave a blank line in the menu.
            if (state.customCategoryEnabled && !state.customCategoryName.empty())
                return state.customCategoryName;
            break;
        case TextRule::PreviousReportMonth:
            return std::string(res::monthName(state.liveReportMonth - monthsBackOf(command.id)));
        case TextRule::LiveMonthArrow:
            return res::format(res::kReturnToLiveFormat, res::monthName(state.liveReportMonth));
    }
    return std::string(command.text);
}

std::string plainText(std::string_view menuText) {
    std::string out;
    for (std::size_t i = 0; i < menuText.size(); ++i) {
        if (menuText[i] == '&' && i + 1 < menuText.size()) ++i;
        out += menuText[i];
    }
    return out;
}

namespace {

std::string statusText(std::string_view text, bool built) {
    const std::string plain = plainText(text);
    return built ? plain : res::format(res::kNotYetAvailable, plain);
}

}  // namespace

std::string commandStatusText(const Command& command, const CommandState& state) {
    return statusText(commandText(command, state), command.built);
}

bool buttonEnabled(const DashboardButton& button, const CommandState& state) {
    const Command* command = findCommand(button.command);
    return command != nullptr && command->built && ruleHolds(button.enable, state, button.command);
}

bool buttonVisible(const DashboardButton& button, const CommandState& state) {
    return button.enable != R::MonthCopyOpen || state.monthCopyOpen;
}

std::string buttonText(const DashboardButton& button, const CommandState& state) {
    if (!button.label.empty()) return std::string(button.label);
    const Command* command = findCommand(button.command);
    return command != nullptr ? commandText(*command, state) : std::string();
}

std::string buttonStatusText(const DashboardButton& button, const CommandState& state) {
    const Command* command = findCommand(button.command);
    return statusText(buttonText(button, state), command != nullptr && command->built);
}

bool previousReportsMenuShown(const CommandState& state) {
    return state.previousMask != 0;
}

}  // namespace zelvo::shell
