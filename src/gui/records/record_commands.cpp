#include "gui/records/record_commands.h"

#include <utility>

#include "gui/records/group_editor_dialog.h"
#include "gui/records/inactive_dialog.h"
#include "gui/records/moved_dialog.h"
#include "gui/records/pioneer_hours_dialog.h"
#include "gui/records/pioneer_lists_dialog.h"
#include "gui/records/publisher_picker.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "reports/report_kind.h"
#include "shell/command_ids.h"

namespace zelvo::gui {

void installRecordCommands(CMainFrame& frame) {
    using shell::CommandId;
    for (const bool students : {false, true}) {
        frame.setCommandHandler(
            students ? CommandId::EditStudents : CommandId::EditPublishers, [&frame, students] {
                if (!runPublisherPicker(&frame, frame.document(), frame.prompts(), students))
                    return;
                // A report on the screen shows the changed data.
                frame.view()->redraw();
                frame.updateCommands();
            });
    }
    // The dialogs change the document themselves, and mark it only when something changed.
    const auto afterChange = [&frame](bool changed) {
        if (!changed) return;
        frame.view()->redraw();
        frame.updateCommands();
    };
    using Form = InactiveDialog::Form;
    for (const auto& [command, form] : {std::pair{CommandId::EditInactive, Form::Inactive},
                                        std::pair{CommandId::EditDeleted, Form::Deleted}}) {
        frame.setCommandHandler(command, [&frame, afterChange, form] {
            afterChange(runInactiveDialog(&frame, frame.document(), frame.prompts(), form));
        });
    }
    frame.setCommandHandler(CommandId::EditMoved, [&frame, afterChange] {
        afterChange(runMovedDialog(&frame, frame.document(), frame.prompts()));
    });
    frame.setCommandHandler(CommandId::EditGroups, [&frame, afterChange] {
        afterChange(runGroupEditor(&frame, frame.document()));
    });
    using records::PioneerMode;
    for (const auto& [command, mode] :
         {std::pair{CommandId::EditAuxiliaryPioneers, PioneerMode::Auxiliary},
          std::pair{CommandId::EditRegularPioneers, PioneerMode::Regular}}) {
        frame.setCommandHandler(command, [&frame, afterChange, mode] {
            afterChange(runPioneerLists(&frame, frame.document(), mode));
        });
    }
    // Its print button prints the pioneer hours report, a document named "PioProg".
    frame.setCommandHandler(CommandId::ViewRegularPioneers, [&frame] {
        runPioneerHours(&frame, frame.document(), [&frame] {
            frame.view()->showReport(reports::kindNumber(reports::ReportKind::PioneerHours));
            frame.view()->print(QLatin1String(records::PioneerHoursModel::kDocumentName));
        });
    });
}

}  // namespace zelvo::gui
