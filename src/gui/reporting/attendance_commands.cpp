#include "gui/reporting/attendance_commands.h"

#include <QDesktopServices>
#include <QUrl>
#include <filesystem>

#include "gui/reporting/attendance_entry_dialog.h"
#include "gui/reporting/attendance_printing.h"
#include "gui/reporting/attendance_record_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "reporting/attendance_export.h"
#include "shell/command_ids.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

void installAttendanceCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::EnterAttendance, [&frame] {
        runAttendanceEntry(&frame, frame.document());
        // The meetings report on the screen shows what was entered.
        frame.view()->redraw();
    });
    frame.setCommandHandler(shell::CommandId::ViewAttendance, [&frame] {
        AttendanceRecordDialog dialog(
            frame.document(),
            [&frame] {
                printAttendanceRecord(&frame, frame.document(), frame.view()->fonts(),
                                      frame.view()->state(), frame.prompts());
            },
            &frame);
        dialog.exec();
    });
    frame.setCommandHandler(shell::CommandId::ExportAttendance, [&frame] {
        const std::filesystem::path folder =
            reporting::exportAttendance(frame.document(), frame.prompts());
        if (!folder.empty())
            QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
    });
}

}  // namespace zelvo::gui
