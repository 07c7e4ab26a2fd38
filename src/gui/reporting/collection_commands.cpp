#include "gui/reporting/collection_commands.h"

#include "gui/reporting/collection_start_dialog.h"
#include "gui/reporting/publisher_list_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/zelvo_view.h"
#include "reporting/collection_command.h"
#include "shell/command_ids.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

void installCollectionCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::EnterReports, [&frame] {
        CZelvoDoc& doc = frame.document();
        const CalendarState& cal = doc.calendar;
        // The day the session began, which the start dialog's rules read too.
        const Date today{cal.calYear, cal.calMonth, cal.calDay};
        const int monthBefore = cal.reportAbsMonth;
        const reporting::EnterReportsOutcome outcome = reporting::enterReports(
            doc, today, frame.prompts(), [&frame](const reporting::CollectionStartModel& model) {
                return runCollectionStart(&frame, model, frame.prompts());
            });
        if (outcome.cancelled || outcome.refused) return;
        emit frame.statusPaneTextRequested(1, qtText(outcome.statusText));
        // A report on the screen shows the new report month.
        if (cal.reportAbsMonth != monthBefore) frame.view()->redraw();
        if (!outcome.listOpens) return;
        runPublisherList(&frame, doc, frame.prompts());
        frame.view()->redraw();
    });
}

}  // namespace zelvo::gui
