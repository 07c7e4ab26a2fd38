#include "gui/reports/status_list_commands.h"

#include <utility>

#include "gui/reports/status_list_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/outside_services.h"
#include "reporting/status_list_rules.h"
#include "shell/command_ids.h"
#include "store/clock.h"

namespace zelvo::gui {

namespace {

using C = shell::CommandId;
using L = reporting::StatusList;

constexpr std::pair<C, L> kListCommands[] = {
    {C::ListNoReport, L::NoReport},
    {C::ListIrregular, L::Irregular},
    {C::ListNewPublishers, L::NewPublishers},
    {C::ListReactivated, L::Reactivated},
    {C::ListInactive, L::Inactive},
    {C::ListMoved, L::Moved},
    {C::ListRecentlyBaptized, L::Baptized},
    {C::ListAuxiliaryPioneers, L::AuxiliaryPioneers},
    {C::ListStudyConductors, L::StudyConductors},
    {C::ListUnbaptized, L::Unbaptized},
    {C::ListStudents, L::Students},
    {C::ListCollectionForm, L::CollectionForm},
    {C::ListPrivileges, L::Privileges},
    {C::ListConsent, L::Consent},
    {C::ListNoConsent, L::NoConsent},
    {C::ListCustomCategory, L::CustomCategory},
};

}  // namespace

void installStatusListCommands(CMainFrame& frame) {
    for (const auto& [command, list] : kListCommands)
        frame.setCommandHandler(command, [&frame, list] {
            DesktopOutsideServices services(frame.prompts());
            runStatusList(&frame, frame.document(), frame.prompts(), services, list,
                          todayFromEnvironment());
        });
}

}  // namespace zelvo::gui
