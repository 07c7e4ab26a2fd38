#include "gui/records/record_commands.h"

#include "gui/records/publisher_picker.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
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
}

}  // namespace zelvo::gui
