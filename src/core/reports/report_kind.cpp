#include "reports/report_kind.h"

#include <array>

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
constexpr std::string_view kEmergencyForms = "emergency contact forms";
constexpr std::string_view kPhonesMail = "phones and e-mail";

using K = ReportKind;

// Each report family marks its rows built when its routine lands.
constexpr std::array kKinds{
    ReportKindInfo{K::AnalysisByPioneersAndGroups, kAnalysis, false, true},
    ReportKindInfo{K::AnalysisAlphabetical, kAnalysis, false, true},
    ReportKindInfo{K::GroupAnalysis, kAnalysis, true, true},
    ReportKindInfo{K::CongregationTotals, "analysis: totals (branch report)", false, true},
    ReportKindInfo{K::MeetingsReport, "analysis: meetings", false, true},
    ReportKindInfo{K::AveragesCongregation, kAverages, false, true},
    ReportKindInfo{K::AveragesGroup, kAverages, true, true},
    ReportKindInfo{K::AveragesRegularPioneers, kAverages, false, true},
    ReportKindInfo{K::AveragesElders, kAverages, false, true},
    ReportKindInfo{K::AveragesServants, kAverages, false, true},
    ReportKindInfo{K::AveragesBaptizedBrothers, kAverages, false, true},
    ReportKindInfo{K::AveragesCustomCategory, kAverages, false, true},
    ReportKindInfo{K::Statistics, "statistics"},
    ReportKindInfo{K::Labels, "record-file labels", false, true},
    ReportKindInfo{K::HoursCustomCategory, kHours, false, true},
    ReportKindInfo{K::HoursAuxiliaryPioneers, kHours, false, true},
    ReportKindInfo{K::HoursCongregation, kHours, false, true},
    ReportKindInfo{K::HoursGroup, kHours, true, true},
    ReportKindInfo{K::HoursRegularPioneers, kHours, false, true},
    ReportKindInfo{K::HoursEldersAndServants, kHours, false, true},
    ReportKindInfo{K::HoursBaptizedBrothers, kHours, false, true},
    ReportKindInfo{K::YearTotalsCongregation, kYearTotals, false, true},
    ReportKindInfo{K::YearTotalsRegularPioneers, kYearTotals, false, true},
    ReportKindInfo{K::YearTotalsEldersAndServants, kYearTotals, false, true},
    ReportKindInfo{K::PioneerHours, "pioneer hours", false, true},
    ReportKindInfo{K::PhonesCongregation, kPhones},
    ReportKindInfo{K::PhonesGroup, kPhones, true},
    ReportKindInfo{K::PhonesEldersAndServants, kPhones},
    ReportKindInfo{K::PhonesRegularPioneers, kPhones},
    ReportKindInfo{K::AddressesCongregation, kAddresses},
    ReportKindInfo{K::AddressesGroup, kAddresses, true},
    ReportKindInfo{K::AddressesInactive, kAddresses},
    ReportKindInfo{K::AddressesEldersAndServants, kAddresses},
    ReportKindInfo{K::AddressesRegularPioneers, kAddresses},
    ReportKindInfo{K::MembersActive, kMembers, false, true},
    ReportKindInfo{K::MembersActiveAndStudents, kMembers, false, true},
    ReportKindInfo{K::MembersActiveAndInactive, kMembers, false, true},
    ReportKindInfo{K::MembersActiveStudentsAndInactive, kMembers, false, true},
    ReportKindInfo{K::MembersActiveWithConsent, kMembers, false, true},
    ReportKindInfo{K::ContactsCongregation, kContacts},
    ReportKindInfo{K::ContactsGroup, kContacts, true},
    ReportKindInfo{K::ContactsEldersAndServants, kContacts},
    ReportKindInfo{K::ContactsPioneers, kContacts},
    ReportKindInfo{K::ContactsInactive, kContacts},
    ReportKindInfo{K::EmergencyCongregation, kEmergency},
    ReportKindInfo{K::EmergencyGroup, kEmergency, true},
    ReportKindInfo{K::EmergencyForms, kEmergencyForms},
    ReportKindInfo{K::EmergencyFormsSecond, kEmergencyForms},
    ReportKindInfo{K::PhonesMailCongregation, kPhonesMail},
    ReportKindInfo{K::PhonesMailGroup, kPhonesMail, true},
    ReportKindInfo{K::PhonesMailEldersAndServants, kPhonesMail},
    ReportKindInfo{K::PhonesMailRegularPioneers, kPhonesMail},
};

}  // namespace

std::span<const ReportKindInfo> reportKinds() {
    return kKinds;
}

const ReportKindInfo* findReportKind(ReportKind kind) {
    for (const ReportKindInfo& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

const ReportKindInfo* findReportKind(int number) {
    return findReportKind(static_cast<ReportKind>(number));
}

}  // namespace zelvo::reports
