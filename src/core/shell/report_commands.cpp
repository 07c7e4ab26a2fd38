#include "shell/report_commands.h"

#include "shell/command_table.h"

namespace zelvo::shell {

namespace {

using C = CommandId;
using K = reports::ReportKind;

constexpr ReportCommand kReportCommands[] = {
    {C::AnalysisByPioneersAndGroups, K::AnalysisByPioneersAndGroups},
    {C::AnalysisAlphabetical, K::AnalysisAlphabetical},
    {C::GroupAnalysis, K::GroupAnalysis},
    {C::CongregationTotals, K::CongregationTotals},
    {C::MeetingsReport, K::MeetingsReport},
    {C::AveragesCongregation, K::AveragesCongregation},
    {C::AveragesGroup, K::AveragesGroup},
    {C::AveragesRegularPioneers, K::AveragesRegularPioneers},
    {C::AveragesElders, K::AveragesElders},
    {C::AveragesServants, K::AveragesServants},
    {C::AveragesBaptizedBrothers, K::AveragesBaptizedBrothers},
    {C::AveragesCustomCategory, K::AveragesCustomCategory},
    {C::Statistics, K::Statistics},
    {C::LabelsAll, K::Labels},
    {C::LabelsChosen, K::Labels},
    {C::HoursCustomCategory, K::HoursCustomCategory},
    {C::HoursAuxiliaryPioneers, K::HoursAuxiliaryPioneers},
    {C::HoursCongregation, K::HoursCongregation},
    {C::HoursGroup, K::HoursGroup},
    {C::HoursRegularPioneers, K::HoursRegularPioneers},
    {C::HoursEldersAndServants, K::HoursEldersAndServants},
    {C::HoursBaptizedBrothers, K::HoursBaptizedBrothers},
    {C::YearTotalsCongregation, K::YearTotalsCongregation},
    {C::YearTotalsRegularPioneers, K::YearTotalsRegularPioneers},
    {C::YearTotalsEldersAndServants, K::YearTotalsEldersAndServants},
    {C::PioneerHours, K::PioneerHours},
    {C::PhonesCongregation, K::PhonesCongregation},
    {C::PhonesGroup, K::PhonesGroup},
    {C::PhonesEldersAndServants, K::PhonesEldersAndServants},
    {C::PhonesRegularPioneers, K::PhonesRegularPioneers},
    {C::AddressesCongregation, K::AddressesCongregation},
    {C::AddressesGroup, K::AddressesGroup},
    {C::AddressesInactive, K::AddressesInactive},
    {C::AddressesEldersAndServants, K::AddressesEldersAndServants},
    {C::AddressesRegularPioneers, K::AddressesRegularPioneers},
    {C::MembersActive, K::MembersActive},
    {C::MembersActiveAndStudents, K::MembersActiveAndStudents},
    {C::MembersActiveAndInactive, K::MembersActiveAndInactive},
    {C::MembersActiveStudentsAndInactive, K::MembersActiveStudentsAndInactive},
    {C::MembersActiveWithConsent, K::MembersActiveWithConsent},
    {C::ContactsCongregation, K::ContactsCongregation},
    {C::ContactsGroup, K::ContactsGroup},
    {C::ContactsEldersAndServants, K::ContactsEldersAndServants},
    {C::ContactsPioneers, K::ContactsPioneers},
    {C::ContactsInactiveCongregation, K::ContactsInactive},
    {C::ContactsInactiveGroup, K::ContactsInactive},
    {C::EmergencyCongregation, K::EmergencyCongregation},
    {C::EmergencyGroup, K::EmergencyGroup},
    {C::EmergencyForms, K::EmergencyForms},
    {C::EmergencyForms, K::EmergencyFormsSecond},
    {C::PhonesMailCongregation, K::PhonesMailCongregation},
    {C::PhonesMailGroup, K::PhonesMailGroup},
    {C::PhonesMailEldersAndServants, K::PhonesMailEldersAndServants},
    {C::PhonesMailRegularPioneers, K::PhonesMailRegularPioneers},
};

}  // namespace

std::span<const ReportCommand> reportCommands() {
    return kReportCommands;
}

std::optional<reports::ReportKind> reportKindOf(CommandId command) {
    for (const ReportCommand& r : kReportCommands)
        if (r.command == command) return r.kind;
    return std::nullopt;
}

std::string reportKindTitle(reports::ReportKind kind) {
    for (const ReportCommand& r : kReportCommands) {
        if (r.kind != kind) continue;
        const Command* c = findCommand(r.command);
        return c != nullptr ? plainText(c->text) : std::string();
    }
    return {};
}

}  // namespace zelvo::shell
