#include "gui/records/option_dialogs.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "shell/command_ids.h"

namespace zelvo::gui {

void installOptionCommands(CMainFrame& frame) {
    using shell::CommandId;
    // A change is shown at once: the report laid out again, the menus and the title.
    const auto afterChange = [&frame](bool changed) {
        if (!changed) return;
        frame.view()->redraw();
        frame.updateCommands();
    };
    frame.setCommandHandler(CommandId::CustomCategory, [&frame, afterChange] {
        afterChange(runCustomCategory(&frame, frame.document()));
    });
    frame.setCommandHandler(CommandId::EditCircuitOverseer, [&frame, afterChange] {
        afterChange(runCircuitOverseer(&frame, frame.document(), frame.prompts()));
    });
    frame.setCommandHandler(CommandId::ReportLayoutOptions, [&frame, afterChange] {
        afterChange(runLayoutOptions(&frame, frame.document()));
    });
    frame.setCommandHandler(CommandId::RecordCardOptions, [&frame, afterChange] {
        afterChange(runRecordCardOptions(&frame, frame.document()));
    });
}

}  // namespace zelvo::gui
