#include "reports/report_kind.h"

#include <array>

#include "shell/command_table.h"

namespace zelvo::reports {

namespace {

constexpr std::string_view kAnalysis = "analysis";
constexpr std::string_view kAverages = "averages";
constexpr std::string_view kHours = "hours";
constexpr std::string_view kYearTotals = "service-year totals";
constexpr std::string_view kPhones = "phone list";
constexpr std::string_view kAddresses = "addresses";
constexpr std::string_view kMembers = "group members";
constexpr std::string_view kContacts = "contact list";
constexpr std::string_view kEmergency = "emergency contacts";
constexpr std::string_view kPhonesMail = "phones and e-mail";

// No report routine is built yet; each report family marks its rows when it lands.
constexpr std::array kKinds{
    ReportKindInfo{1, 32891, 0, kAnalysis, "5.2"},
    ReportKindInfo{110, 32892, 0, kAnalysis, "5.2"},
    ReportKindInfo{2, 32780, 0, kAnalysis, "5.2", true},
    ReportKindInfo{3, 32793, 0, "analysis: totals (branch report)", "5.2"},
    ReportKindInfo{4, 32794, 0, "analysis: meetings", "5.2"},
    ReportKindInfo{5, 32796, 0, kAverages, "5.3"},
    ReportKindInfo{6, 32797, 0, kAverages, "5.3", true},
    ReportKindInfo{7, 32798, 0, kAverages, "5.3"},
    ReportKindInfo{8, 32799, 0, kAverages, "5.3"},
    ReportKindInfo{9, 32800, 0, kAverages, "5.3"},
    ReportKindInfo{10, 32801, 0, kAverages, "5.3"},
    ReportKindInfo{11, 32836, 0, kAverages, "5.3"},
    ReportKindInfo{20, 32802, 0, "statistics", "5.8"},
    ReportKindInfo{30, 32821, 32822, "record-file labels", "5.5"},
    ReportKindInfo{38, 32844, 0, kHours, "5.6"},
    ReportKindInfo{39, 32816, 0, kHours, "5.6"},
    ReportKindInfo{40, 32807, 0, kHours, "5.6"},
    ReportKindInfo{41, 32808, 0, kHours, "5.6", true},
    ReportKindInfo{42, 32817, 0, kHours, "5.6"},
    ReportKindInfo{43, 32840, 0, kHours, "5.6"},
    ReportKindInfo{48, 32851, 0, kHours, "5.6"},
    ReportKindInfo{44, 32818, 0, kYearTotals, "5.6"},
    ReportKindInfo{45, 32819, 0, kYearTotals, "5.6"},
    ReportKindInfo{46, 32841, 0, kYearTotals, "5.6"},
    ReportKindInfo{47, 32806, 0, "pioneer hours", "5.6"},
    ReportKindInfo{50, 32809, 0, kPhones, "5.7"},
    ReportKindInfo{51, 32810, 0, kPhones, "5.7", true},
    ReportKindInfo{52, 32823, 0, kPhones, "5.7"},
    ReportKindInfo{53, 32824, 0, kPhones, "5.7"},
    ReportKindInfo{60, 32811, 0, kAddresses, "5.7"},
    ReportKindInfo{61, 32812, 0, kAddresses, "5.7", true},
    ReportKindInfo{62, 32825, 0, kAddresses, "5.7"},
    ReportKindInfo{63, 32831, 0, kAddresses, "5.7"},
    ReportKindInfo{64, 32830, 0, kAddresses, "5.7"},
    ReportKindInfo{70, 32852, 0, kMembers, "3.3"},
    ReportKindInfo{71, 32853, 0, kMembers, "3.3"},
    ReportKindInfo{72, 32893, 0, kMembers, "3.3"},
    ReportKindInfo{73, 32854, 0, kMembers, "3.3"},
    ReportKindInfo{74, 32901, 0, kMembers, "3.3"},
    ReportKindInfo{80, 32846, 0, kContacts, "5.7"},
    ReportKindInfo{81, 32847, 0, kContacts, "5.7", true},
    ReportKindInfo{82, 32848, 0, kContacts, "5.7"},
    ReportKindInfo{83, 32875, 0, kContacts, "5.7"},
    ReportKindInfo{84, 32902, 32904, kContacts, "5.7"},
    ReportKindInfo{90, 32859, 0, kEmergency, "5.7"},
    ReportKindInfo{91, 32860, 0, kEmergency, "5.7", true},
    ReportKindInfo{95, 32867, 0, "emergency contact forms", "5.7"},
    ReportKindInfo{96, 32867, 0, "emergency contact forms", "5.7"},
    ReportKindInfo{100, 32871, 0, kPhonesMail, "5.7"},
    ReportKindInfo{101, 32872, 0, kPhonesMail, "5.7", true},
    ReportKindInfo{103, 32874, 0, kPhonesMail, "5.7"},
    ReportKindInfo{104, 32873, 0, kPhonesMail, "5.7"},
};

}  // namespace

std::span<const ReportKindInfo> reportKinds() {
    return kKinds;
}

const ReportKindInfo* findReportKind(int kind) {
    for (const ReportKindInfo& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

const ReportKindInfo* reportKindOfCommand(int command) {
    for (const ReportKindInfo& k : kKinds)
        if (k.command == command || (k.altCommand != 0 && k.altCommand == command)) return &k;
    return nullptr;
}

std::string reportKindTitle(int kind) {
    const ReportKindInfo* k = findReportKind(kind);
    if (!k) return {};
    const shell::Command* c = shell::findCommand(k->command);
    if (!c) return {};
    std::string out;
    for (std::size_t i = 0; i < c->text.size(); ++i) {
        if (c->text[i] == '&') {
            if (i + 1 < c->text.size() && c->text[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += c->text[i];
    }
    return out;
}

}  // namespace zelvo::reports
