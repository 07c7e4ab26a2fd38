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

// Each report family marks its rows built when its routine lands.
constexpr std::array kKinds{
    ReportKindInfo{1, 32891, 0, kAnalysis, false, true},
    ReportKindInfo{110, 32892, 0, kAnalysis, false, true},
    ReportKindInfo{2, 32780, 0, kAnalysis, true, true},
    ReportKindInfo{3, 32793, 0, "analysis: totals (branch report)", false, true},
    ReportKindInfo{4, 32794, 0, "analysis: meetings", false, true},
    ReportKindInfo{5, 32796, 0, kAverages},
    ReportKindInfo{6, 32797, 0, kAverages, true},
    ReportKindInfo{7, 32798, 0, kAverages},
    ReportKindInfo{8, 32799, 0, kAverages},
    ReportKindInfo{9, 32800, 0, kAverages},
    ReportKindInfo{10, 32801, 0, kAverages},
    ReportKindInfo{11, 32836, 0, kAverages},
    ReportKindInfo{20, 32802, 0, "statistics"},
    ReportKindInfo{30, 32821, 32822, "record-file labels"},
    ReportKindInfo{38, 32844, 0, kHours},
    ReportKindInfo{39, 32816, 0, kHours},
    ReportKindInfo{40, 32807, 0, kHours},
    ReportKindInfo{41, 32808, 0, kHours, true},
    ReportKindInfo{42, 32817, 0, kHours},
    ReportKindInfo{43, 32840, 0, kHours},
    ReportKindInfo{48, 32851, 0, kHours},
    ReportKindInfo{44, 32818, 0, kYearTotals},
    ReportKindInfo{45, 32819, 0, kYearTotals},
    ReportKindInfo{46, 32841, 0, kYearTotals},
    ReportKindInfo{47, 32806, 0, "pioneer hours"},
    ReportKindInfo{50, 32809, 0, kPhones},
    ReportKindInfo{51, 32810, 0, kPhones, true},
    ReportKindInfo{52, 32823, 0, kPhones},
    ReportKindInfo{53, 32824, 0, kPhones},
    ReportKindInfo{60, 32811, 0, kAddresses},
    ReportKindInfo{61, 32812, 0, kAddresses, true},
    ReportKindInfo{62, 32825, 0, kAddresses},
    ReportKindInfo{63, 32831, 0, kAddresses},
    ReportKindInfo{64, 32830, 0, kAddresses},
    ReportKindInfo{70, 32852, 0, kMembers},
    ReportKindInfo{71, 32853, 0, kMembers},
    ReportKindInfo{72, 32893, 0, kMembers},
    ReportKindInfo{73, 32854, 0, kMembers},
    ReportKindInfo{74, 32901, 0, kMembers},
    ReportKindInfo{80, 32846, 0, kContacts},
    ReportKindInfo{81, 32847, 0, kContacts, true},
    ReportKindInfo{82, 32848, 0, kContacts},
    ReportKindInfo{83, 32875, 0, kContacts},
    ReportKindInfo{84, 32902, 32904, kContacts},
    ReportKindInfo{90, 32859, 0, kEmergency},
    ReportKindInfo{91, 32860, 0, kEmergency, true},
    ReportKindInfo{95, 32867, 0, "emergency contact forms"},
    ReportKindInfo{96, 32867, 0, "emergency contact forms"},
    ReportKindInfo{100, 32871, 0, kPhonesMail},
    ReportKindInfo{101, 32872, 0, kPhonesMail, true},
    ReportKindInfo{103, 32874, 0, kPhonesMail},
    ReportKindInfo{104, 32873, 0, kPhonesMail},
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
