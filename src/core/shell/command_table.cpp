#include "shell/command_table.h"

#include <algorithm>
#include <array>

#include "resources/strings.h"

namespace zelvo::shell {

namespace {

using R = EnableRule;
using K = MenuEntry::Kind;

constexpr bool kBuilt = true;
constexpr bool kLater = false;

constexpr Command kCommands[] = {
    // File
    {cmd::kPrint, "Εκτύπωση...", R::ReportShown, kBuilt, CheckRule::None, TextRule::Fixed,
     "Ctrl+P"},
    {cmd::kPrintPreview, "Προεπισκόπηση Εκτύπωσης", R::ReportShown, kBuilt},
    {cmd::kPrintSetup, "Ρυθμίσεις Εκτυπωτή", R::Always, kBuilt},
    {cmd::kSave, "Αποθήκευση", R::SaveAllowed, kBuilt, CheckRule::None, TextRule::Fixed, "Ctrl+S"},
    {32863, "Αντίγραφο Ασφαλείας", R::LiveData, kLater},
    {32864, "Επαναφορά", R::LiveData, kLater},
    {32829, "&Εξαγωγή Μηνιαίου Αρχείου", R::People, kLater},
    {32849, "Εξαγωγή Στοιχείων Επικοινωνίας", R::Always, kLater},
    {32865, "Εξαγωγή Επαφών Έκτακτης Ανάγκης", R::Always, kLater},
    {32869, "Εξαγωγή Επικεφαλίδων των Καρτών", R::Always, kLater},
    {32912, "Εξαγωγή Περίληψη Δραστηριότητας", R::LiveData, kLater},
    {32911, "Εξαγωγή Παρόντες Συναθροίσεων", R::LiveData, kLater},
    {32880, "Εξαγωγή σε XML", R::Always, kLater},
    {32878, "Εισαγωγή από XML", R::LiveData, kLater},
    {cmd::kReturnToDashboard, "Επιστροφή στον Πίνακα Εργασίας", R::ReportShown, kBuilt},
    {cmd::kExit, "Έξοδος", R::Always, kBuilt},
    // Edit
    {32768, "Ευαγγελιζόμενοι", R::LiveData, kBuilt},
    {32769, "Βοηθητικοί Σκαπανείς", R::PeopleLive, kLater},
    {32770, "Όμιλοι Υπηρεσίας Αγρού", R::LiveData, kLater},
    {32781, "Μετακόμισαν", R::PeopleLive, kLater},
    {32782, "Αδρανείς", R::PeopleLive, kLater},
    {32839, "Ενδιαφερόμενοι (Γραφικές Μελέτες)", R::LiveData, kBuilt},
    {32881, "Διαγραμμένα", R::DeletedLive, kLater},
    {cmd::kPasswordChange, "Κωδικός Εισόδου", R::LiveData, kBuilt},
    {32833, "&Τακτικοί Σκαπανείς", R::PeopleLive, kLater},
    {32887, "Ιστορικό", R::LiveData, kLater},
    {32906, "Επίσκοπος περιοχής", R::People, kLater},
    // Entry
    {32777, "Δελτία Έργου", R::PeopleLive, kLater},
    {32778, "Παρόντες Συναθροίσεων", R::LiveData, kLater},
    // View
    {32771, "Αρχεία Ευαγγελιζομένων", R::Always, kLater},
    {32772, "Γρήγορη Ανασκόπηση", R::Always, kLater},
    {32837, "Περίληψη Δραστηριότητας", R::Always, kLater},
    {32838, "Παρόντες Συναθροίσεων", R::Always, kLater},
    {32775, "Τακτικοί Σκαπανείς", R::Always, kLater},
    {32773, "Χωρίς Έκθεση", R::Always, kLater},
    {32774, "Μη Τακτικοί", R::Always, kLater},
    {32795, "Νέοι Ευαγγελιζόμενοι", R::Always, kLater},
    {32783, "Επαναδραστηριοποιημένοι", R::Always, kLater},
    {32776, "Αδρανείς", R::Always, kLater},
    {32784, "Μετακόμισαν", R::Always, kLater},
    {32792, "Πρόσφατα Βαφτισμένοι", R::Always, kLater},
    {32815, "Βοηθητικοί Σκαπανείς", R::Always, kLater},
    {32820, "Οδηγοί Γραφικών Μελετών", R::Always, kLater},
    {32828, "Αβάφτιστοι", R::Always, kLater},
    {32842, "Ενδιαφερόμενοι (Σπουδαστες)", R::Always, kLater},
    {32832, "Φόρμα για τη Συλλογή του Έργου", R::Always, kLater},
    {32884, "Προνόμια Υπηρεσίας", R::Always, kLater},
    {32886, "Συναινεση GDPR", R::Always, kLater},
    {32913, "Χωρίς συναίνεση GDPR", R::Always, kLater},
    {32835, "Προσαρμοσμένο", R::CustomCategory, kLater, CheckRule::None,
     TextRule::CustomCategoryName},
    // Reports: analyses, statistics, averages
    {32891, "Σκαπανείς - Ομιλοι", R::Always, kBuilt},
    {32892, "A - Ω", R::Always, kBuilt},
    {32780, "Ανάλυση Ομίλου", R::Always, kBuilt},
    {32793, "Σύνολα Εκκλησίας", R::Always, kBuilt},
    {32794, "Έκθεση Συναθροίσεων", R::Always, kBuilt},
    {32802, "Στατιστικά", R::Always, kLater},
    {32796, "Εκκλησίας", R::Always, kLater},
    {32797, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {32798, "Τακτικών Σκαπανέων", R::Always, kLater},
    {32799, "Πρεσβυτέρων", R::Always, kLater},
    {32800, "Διακονικών Υπηρετών", R::Always, kLater},
    {32801, "Βαφτισμένων", R::Always, kLater},
    {32836, "Custom", R::Always, kLater, CheckRule::None, TextRule::CustomCategoryName},
    // Reports: labels, hours, service-year totals
    {32821, "Όλοι οι Ευαγγελιζόμενοι", R::Always, kLater},
    {32822, "Επιλεγμένοι Ευαγγελιζόμενοι", R::Always, kLater},
    {32807, "Εκκλησίας", R::Always, kLater},
    {32808, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {32817, "Τακτικών Σκαπανέων", R::Always, kLater},
    {32816, "&Βοηθητικών Σκαπανέων", R::Always, kLater},
    {32840, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {32851, "&Βαφτισμένων Αδελφών", R::Always, kLater},
    {32844, "Προσαρμοσμένο", R::Always, kLater, CheckRule::None, TextRule::CustomCategoryName},
    {32806, "Ωρες Σκαπανεων", R::Always, kLater},
    {32818, "&Εκκλησία", R::Always, kLater},
    {32819, "Τακτικών Σκαπανέων", R::Always, kLater},
    {32841, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    // Reports: phone, e-mail, address, contact and emergency lists, group members
    {32809, "Εκκλησίας", R::Always, kLater},
    {32810, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {32824, "Τακτικών Σκαπανέων", R::Always, kLater},
    {32823, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {32871, "Εκκλησίας", R::Always, kLater},
    {32872, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {32873, "Τακτικών Σκαπανέων", R::Always, kLater},
    {32874, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {32811, "Εκκλησίας", R::Always, kLater},
    {32812, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {32825, "Αδρανών", R::Always, kLater},
    {32830, "Τακτικών Σκαπανέων", R::Always, kLater},
    {32831, "Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {32846, "&Εκκλησίας", R::Always, kLater},
    {32847, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {32902, "&Εκκλησίας", R::Always, kLater},
    {32904, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {32875, "&Σκαπανέων", R::Always, kLater},
    {32848, "&Πρεσβυτέρων && Διακ. Υπηρετών", R::Always, kLater},
    {32859, "Εκκλησίας", R::Always, kLater},
    {32860, "Ομίλου Υπηρεσίας", R::Always, kLater},
    {32867, "Φόρμες Επικοινωνίας Έκτακτης Ανάγκης", R::Always, kLater},
    {32852, "Ενεργοί Ευαγγελιζόμενοι", R::Always, kLater},
    {32853, "Ενεργοί Ευαγγελιζόμενοι + Σπουδαστές", R::Always, kLater},
    {32893, "Ενεργοί Ευαγγελιζόμενοι + Αδρανείς", R::Always, kLater},
    {32854, "Ενεργοί Ευαγγελιζόμενοι + Σπουδαστές + Αδρανείς", R::Always, kLater},
    {32901, "Ενεργοί Ευαγγελιζόμενοι με Συναίνεση GDPR", R::Always, kLater},
    // Fonts
    {32788, "Tίτλοι", R::Always, kBuilt},
    {32789, "Υπότιτλοι", R::Always, kBuilt},
    {32790, "Επικεφαλίδες", R::Always, kBuilt},
    {32791, "Κείμενο", R::Always, kBuilt},
    {32803, "Μικρό Κείμενο", R::Always, kBuilt},
    {32813, "Προεπιλογές", R::Always, kBuilt},
    // Options
    {32804, "Διάρθρωση Έκθεσης", R::Always, kLater},
    {32888, "Αρχεία Ευαγγελιζομένων", R::Always, kLater},
    {cmd::kNoticeToggle, "Προειδοποιητικό Μύνημα στην Έναρξη", R::Always, kBuilt,
     CheckRule::NoticeOff},
    {32834, "&Προσαρμοσμένη Κατηγορία", R::LiveData, kLater, CheckRule::CustomCategoryEnabled},
    {32857, "Διαγραφή Καθυστερημένων Εκθέσεων", R::LateReports, kLater},
    {32895, "", R::PreviousReport, kBuilt, CheckRule::None, TextRule::PreviousReportMonth},
    {32896, "", R::PreviousReport, kBuilt, CheckRule::None, TextRule::PreviousReportMonth},
    {32897, "", R::PreviousReport, kBuilt, CheckRule::None, TextRule::PreviousReportMonth},
    {32898, "", R::PreviousReport, kBuilt, CheckRule::None, TextRule::PreviousReportMonth},
    {32899, "", R::PreviousReport, kBuilt, CheckRule::None, TextRule::PreviousReportMonth},
    {32900, "", R::PreviousReport, kBuilt, CheckRule::None, TextRule::PreviousReportMonth},
    // Help
    {cmd::kHelpContents, "&Περιεχόμενα", R::Always, kBuilt, CheckRule::None, TextRule::Fixed, "F1"},
    {cmd::kHelpIndex, "&Ευρετήριο", R::Always, kBuilt},
    {cmd::kContextHelp, "&Βοήθεια για Συμφραζόμενα", R::Always, kBuilt, CheckRule::None,
     TextRule::Fixed, "Shift+F1"},
    {cmd::kAbout, "&Σχετικά με το Zelvo...", R::Always, kBuilt},
    // Without a menu entry
    {cmd::kAutoCapitalizeToggle, "Αυτόματα Κεφαλαία", R::Always, kBuilt},
    {cmd::kReturnToLiveData, "", R::MonthCopyOpen, kBuilt, CheckRule::None,
     TextRule::LiveMonthArrow},
};

constexpr MenuEntry menu(std::string_view text, std::string_view name) {
    return {K::Menu, 0, text, 0, name};
}
constexpr MenuEntry sub(int depth, std::string_view text, std::string_view name) {
    return {K::Menu, depth, text, 0, name};
}
constexpr MenuEntry item(int depth, int command) {
    return {K::Command, depth, {}, command, {}};
}
constexpr MenuEntry separator(int depth) {
    return {K::Separator, depth, {}, 0, {}};
}

constexpr MenuEntry kMenus[] = {
    menu("&Αρχείο", "menuFile"),
    item(1, cmd::kPrint),
    item(1, cmd::kPrintPreview),
    item(1, cmd::kPrintSetup),
    separator(1),
    item(1, cmd::kSave),
    separator(1),
    sub(1, "Αντίγραφα Ασφαλείας και Επαναφορά", "menuBackup"),
    item(2, 32863),
    item(2, 32864),
    sub(1, "Εξαγωγή ή Εισαγωγή", "menuExchange"),
    item(2, 32829),
    item(2, 32849),
    item(2, 32865),
    item(2, 32869),
    item(2, 32912),
    item(2, 32911),
    separator(2),
    item(2, 32880),
    item(2, 32878),
    separator(1),
    item(1, cmd::kReturnToDashboard),
    separator(1),
    item(1, cmd::kExit),

    menu("&Επεξεργασία", "menuEdit"),
    item(1, 32768),
    item(1, 32769),
    item(1, 32770),
    separator(1),
    item(1, 32781),
    item(1, 32782),
    item(1, 32839),
    item(1, 32881),
    separator(1),
    item(1, cmd::kPasswordChange),
    separator(1),
    item(1, 32833),
    item(1, 32887),
    item(1, 32906),

    menu("Καταχώρηση", "menuEntry"),
    item(1, 32777),
    item(1, 32778),

    menu("Προβολή", "menuView"),
    item(1, 32771),
    item(1, 32772),
    item(1, 32837),
    item(1, 32838),
    item(1, 32775),
    separator(1),
    item(1, 32773),
    item(1, 32774),
    item(1, 32795),
    item(1, 32783),
    item(1, 32776),
    item(1, 32784),
    item(1, 32792),
    item(1, 32815),
    item(1, 32820),
    item(1, 32828),
    item(1, 32842),
    item(1, 32832),
    item(1, 32884),
    item(1, 32886),
    item(1, 32913),
    item(1, 32835),

    menu("Εκθέσεις", "menuReports"),
    sub(1, "Αναλύσεις", "menuAnalyses"),
    item(2, 32891),
    item(2, 32892),
    item(2, 32780),
    item(2, 32793),
    item(2, 32794),
    item(1, 32802),
    sub(1, "Μέσοι Όροι", "menuAverages"),
    item(2, 32796),
    item(2, 32797),
    item(2, 32798),
    item(2, 32799),
    item(2, 32800),
    item(2, 32801),
    item(2, 32836),
    sub(1, "Ετικέτες", "menuLabels"),
    item(2, 32821),
    item(2, 32822),
    separator(1),
    sub(1, "Ώρες", "menuHours"),
    item(2, 32807),
    item(2, 32808),
    item(2, 32817),
    item(2, 32816),
    item(2, 32840),
    item(2, 32851),
    item(2, 32844),
    item(2, 32806),
    sub(1, "Σύνολα Υπηρεσιακού Έτους", "menuServiceYear"),
    item(2, 32818),
    item(2, 32819),
    item(2, 32841),
    separator(1),
    sub(1, "Τηλεφωνικοί Κατάλογοι", "menuPhoneLists"),
    item(2, 32809),
    item(2, 32810),
    item(2, 32824),
    item(2, 32823),
    sub(1, "Τηλέφωνα και Email", "menuPhonesEmail"),
    item(2, 32871),
    item(2, 32872),
    item(2, 32873),
    item(2, 32874),
    sub(1, "Διευθύνσεις", "menuAddresses"),
    item(2, 32811),
    item(2, 32812),
    item(2, 32825),
    item(2, 32830),
    item(2, 32831),
    sub(1, "Κατάλογοι Επαφών", "menuContactLists"),
    item(2, 32846),
    item(2, 32847),
    sub(2, "&Αδρανών", "menuInactiveContacts"),
    item(3, 32902),
    item(3, 32904),
    item(2, 32875),
    item(2, 32848),
    sub(1, "Επαφές Έκτακτης Ανάγκης", "menuEmergency"),
    item(2, 32859),
    item(2, 32860),
    item(2, 32867),
    separator(1),
    sub(1, "Μέλη Ομίλων", "menuGroupMembers"),
    item(2, 32852),
    item(2, 32853),
    item(2, 32893),
    item(2, 32854),
    item(2, 32901),

    menu("Γραμματοσειρές", "menuFonts"),
    item(1, 32788),
    item(1, 32789),
    item(1, 32790),
    item(1, 32791),
    item(1, 32803),
    separator(1),
    item(1, 32813),

    // The previous-reports submenu is the sixth entry (position 5) of this menu.
    menu("Επιλογές", "menuOptions"),
    item(1, 32804),
    item(1, 32888),
    item(1, cmd::kNoticeToggle),
    item(1, 32834),
    item(1, 32857),
    sub(1, res::kPreviousReportsMenu, kPreviousReportsMenuName),
    item(2, 32895),
    item(2, 32896),
    item(2, 32897),
    item(2, 32898),
    item(2, 32899),
    item(2, 32900),

    menu("Βοήθεια", "menuHelp"),
    item(1, cmd::kHelpContents),
    item(1, cmd::kHelpIndex),
    item(1, cmd::kContextHelp),
    separator(1),
    item(1, cmd::kAbout),
};

constexpr int kToolbar[] = {cmd::kReturnToDashboard,
                            kToolbarGap,
                            cmd::kSave,
                            kToolbarGap,
                            cmd::kPrint,
                            cmd::kPrintPreview,
                            kToolbarGap,
                            32769,
                            32777,
                            32778,
                            kToolbarGap,
                            32768,
                            32770,
                            kToolbarGap,
                            32773,
                            32774,
                            32782,
                            kToolbarGap,
                            cmd::kAbout,
                            cmd::kContextHelp};

constexpr std::string_view kSections[] = {
    "Καταχώρηση και Επεξεργασία",
    "Καταστάσεις Ευαγγελιζομένων",
    "Εκθέσεις και Κατάλογοι",
    "",
};

constexpr DashboardButton kButtons[] = {
    {108, "Καταχώρηση Δελτίων", 32777, R::LiveData, 0},
    {112, "Παρακολούθηση Συν/σεων", 32778, R::LiveData, 0},
    {128, "Επεξεργασία Ιστορικού", 32887, R::LiveData, 0},
    {114, "Επεξεργασία Ευαγγελιζομένων", 32768, R::LiveData, 0},
    {109, "Βοηθητικοί Σκαπανείς", 32769, R::LiveData, 0},
    {118, "Όμιλοι Υπηρεσίας Αγρού", 32770, R::LiveData, 0},
    {120, "Αδρανείς", 32782, R::LiveData, 0},
    {121, "Μετακόμισαν", 32781, R::LiveData, 0},
    {106, "Δεν Έδωσαν Έκθεση Έργου", 32773, R::Always, 1},
    {115, "Μη Τακτικοί", 32774, R::Always, 1},
    {122, "Νέοι Ευαγγελιζόμενοι", 32795, R::Always, 1},
    {123, "Επαναδραστηριοποιημένοι", 32783, R::Always, 1},
    {125, "Πρόσφατα Βαφτισμένοι", 32792, R::Always, 1},
    {111, "Γρήγορη ανασκόπηση", 32772, R::Always, 2},
    {124, "Αρχειο Ευαγγελιζομένου Εκκλησίας", 32771, R::Always, 2},
    {126, "Έκθεση Παρόντων Συναθροίσεων", 32838, R::Always, 2},
    {127, "Τηλεφωνικός Κατάλογος", 32809, R::Always, 2},
    {113, "Ανάλυση Εκκλησίας", 32891, R::Always, 2},
    {117, "Ανάλυση Ομίλου Υπηρεσίας Αγρού", 32780, R::Always, 2},
    {116, "Στατιστικά", 32802, R::Always, 2},
    {119, "Συγκεντρωτικά", 32793, R::Always, 2},
    {cmd::kReturnToLiveData, "", cmd::kReturnToLiveData, R::MonthCopyOpen, 3},
    {110, "Έξοδος", cmd::kExit, R::Always, 3},
};

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* findCommand(int id) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [id](const Command& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::span<const MenuEntry> menuOutline() {
    return kMenus;
}

std::span<const int> toolbarLayout() {
    return kToolbar;
}

std::span<const DashboardButton> dashboardButtons() {
    return kButtons;
}

std::span<const std::string_view> dashboardSections() {
    return kSections;
}

const DashboardButton* findDashboardButton(int id) {
    const auto it = std::find_if(std::begin(kButtons), std::end(kButtons),
                                 [id](const DashboardButton& b) { return b.id == id; });
    return it == std::end(kButtons) ? nullptr : &*it;
}

int monthsBackOf(int commandId) {
    if (commandId < cmd::kPreviousReportFirst || commandId > cmd::kPreviousReportLast) return 0;
    return commandId - cmd::kPreviousReportFirst + 1;
}

bool ruleHolds(EnableRule rule, const CommandState& s, int commandId) {
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
            const int k = monthsBackOf(commandId);
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
