#include "gui/records/record_commands.h"

#include "gui/records/publisher_picker.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"

namespace zelvo::gui {

namespace {

constexpr int kPublishersCommand = 32768;
constexpr int kStudentsCommand = 32839;

}  // namespace

void installRecordCommands(CMainFrame& frame) {
    for (const bool students : {false, true}) {
        frame.setCommandHandler(
            students ? kStudentsCommand : kPublishersCommand, [&frame, students] {
                if (!runPublisherPicker(&frame, frame.document(), frame.prompts(), students))
                    return;
                // A report on the screen shows the changed data.
                frame.view()->redraw();
                frame.updateCommands();
            });
    }
}

}  // namespace zelvo::gui
