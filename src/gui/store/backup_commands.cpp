#include "gui/store/backup_commands.h"

#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/zelvo_view.h"
#include "gui/store/backup_dialog.h"
#include "gui/store/copy_progress.h"
#include "resources/strings.h"
#include "shell/command_ids.h"
#include "store/clock.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

void runDialog(CMainFrame& frame, BackupDialog::Mode mode) {
    BackupDialog dialog(frame.document(), frame.prompts(), mode, &frame);
    dialog.exec();
    const auto& outcome = dialog.restoreOutcome();
    if (!outcome) return;
    // The data were reloaded; with the restored data's password refused the document is empty.
    if (!outcome->reloaded || outcome->passwordRefused) {
        frame.leaveAfterLostData();
        return;
    }
    frame.postDashboardRefresh();
    frame.view()->redraw();
}

std::string dateText(const Date& d) {
    return std::to_string(d.day) + "/" + std::to_string(d.month) + "/" + std::to_string(d.year);
}

}  // namespace

void installBackupCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::Backup,
                            [&frame] { runDialog(frame, BackupDialog::Mode::Backup); });
    frame.setCommandHandler(shell::CommandId::Restore,
                            [&frame] { runDialog(frame, BackupDialog::Mode::Restore); });
}

void offerBackupOnExit(CMainFrame& frame) {
    const CZelvoDoc& doc = frame.document();
    const std::filesystem::path data = doc.dataFolder;
    const Date today = todayFromEnvironment();
    if (doc.readOnly() || !backup::backupOfferDue(data, today)) return;
    // Asked once this month whatever the answer; a settings file that cannot be written only
    // means the question may come again.
    static_cast<void>(backup::rememberBackupOffer(data, today));
    const auto last = backup::lastBackupDate(data);
    const std::string question = last ? res::format(res::kBackupOfferOld, dateText(*last))
                                      : std::string(res::kBackupOfferNone);
    if (!frame.prompts().askYesNo(question)) return;
    backup::Moment now = backup::systemNow();
    now.date = today;
    // The files as they are now: the save question has been answered already.
    const backup::BackupResult result = [&] {
        CopyProgress progress(&frame, res::kBackupSavingFile);
        return backup::makeBackup({data, backup::backupLocation(data), now,
                                   backup::monthCopiesToTake(data, doc.previousMask,
                                                             doc.calendar.liveReportMonth, false)},
                                  progress.callback());
    }();
    switch (result.status) {
        case backup::BackupResult::Status::Done:
            frame.prompts().showMessage(res::kBackupDone);
            break;
        case backup::BackupResult::Status::SameMinute:
            frame.prompts().showMessage(res::kBackupSameMinute);
            break;
        case backup::BackupResult::Status::Failed:
            frame.prompts().showMessage(res::format(res::kBackupIncomplete, result.failed));
            break;
    }
}

}  // namespace zelvo::gui
