#include "gui/reports/record_card_commands.h"

#include <QPrinter>
#include <memory>

#include "gui/reports/record_card_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "shell/command_ids.h"

namespace zelvo::gui {

void installRecordCardCommands(CMainFrame& frame) {
    // The printer chosen with "Συσκευή Εκτύπωσης ->" stays chosen for the session.
    auto printer = std::make_shared<std::unique_ptr<QPrinter>>();
    frame.setCommandHandler(shell::CommandId::ViewRecordCards, [&frame, printer] {
        if (!*printer) *printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        runRecordCards(&frame, frame.document(), frame.prompts(), printer->get());
        // A report on the screen shows what the details or the history changed.
        frame.view()->redraw();
    });
}

}  // namespace zelvo::gui
