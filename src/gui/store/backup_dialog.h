// The backup dialog in its two modes: a backup of the data folder into the chosen location, or
// a restore from the history's list, a folder picked by hand, the last backup, or the undo of the
// last restore. A window with per-file progress shows while files are copied.
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>

#include "store/restore.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class BackupDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Backup, Restore };
    // The folder picker, opened at `start`; an empty answer is a cancel.
    using FolderPicker = std::function<QString(QWidget* parent, const QString& start)>;

    BackupDialog(CZelvoDoc& doc, UserPrompts& prompts, Mode mode, QWidget* parent = nullptr,
                 FolderPicker picker = {});

    // The restore OK carried out, when it wrote to the data folder (the document was reloaded).
    const std::optional<backup::DocumentRestore>& restoreOutcome() const { return outcome_; }

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    Mode mode_;
    FolderPicker picker_;
    std::filesystem::path location_;
    std::filesystem::path source_;  // the backup chosen for a restore
    bool finished_ = false;         // the backup is made: OK closes
    std::optional<backup::DocumentRestore> outcome_;
    std::vector<BackupHistoryEntry> list_;

    QLabel* statusLine_ = nullptr;
    QLineEdit* locationEdit_ = nullptr;
    QListWidget* backupList_ = nullptr;
    QRadioButton* fromList_ = nullptr;
    QRadioButton* browse_ = nullptr;
    QRadioButton* last_ = nullptr;
    QRadioButton* undo_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;

    void buildBackup();
    void buildRestore();
    void pickLocation();
    void runBackup();
    void chooseFromList(int row);
    void pickBackup();
    void chooseUndo();
    void showChosen();
    void runRestore();
};

}  // namespace zelvo::gui
