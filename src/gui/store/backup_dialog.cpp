#include "gui/store/backup_dialog.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/wait_notice.h"
#include "gui/store/copy_progress.h"
#include "resources/strings.h"
#include "store/clock.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace fs = std::filesystem;

namespace {

QString pathText(const fs::path& p) {
    return QString::fromStdString(p.string());
}

QString defaultPicker(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, QString(), start);
}

// The moment of a backup: the session's day (fixed in tests), the clock's hour and minute.
backup::Moment backupMoment() {
    backup::Moment now = backup::systemNow();
    now.date = todayFromEnvironment();
    return now;
}

}  // namespace

BackupDialog::BackupDialog(CZelvoDoc& doc, UserPrompts& prompts, Mode mode, QWidget* parent,
                           FolderPicker picker)
    : QDialog(parent),
      doc_(doc),
      prompts_(prompts),
      mode_(mode),
      picker_(picker ? std::move(picker) : FolderPicker(defaultPicker)),
      location_(backup::backupLocation(doc.dataFolder)) {
    setObjectName(QStringLiteral("backupDialog"));
    setWindowTitle(qtText(mode == Mode::Backup ? res::kBackupTitle : res::kRestoreTitle));
    auto* layout = new QVBoxLayout(this);
    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setWordWrap(true);
    const OkCancelRow buttons = okCancelRow(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    if (mode == Mode::Backup)
        buildBackup();
    else
        buildRestore();
    layout->addWidget(statusLine_);
    layout->addLayout(buttons.row);
    setMinimumWidth(520);
}

void BackupDialog::buildBackup() {
    auto* space = new QLabel(
        qtText(res::format(res::kRequiredSpace, utf8Text(QLocale().toString(static_cast<qulonglong>(
                                                    backup::requiredSpace(doc_.dataFolder)))))),
        this);
    space->setObjectName(QStringLiteral("requiredSpace"));
    auto* where = new QGroupBox(qtText(res::kBackupWhere), this);
    locationEdit_ = new QLineEdit(pathText(location_), where);
    locationEdit_->setObjectName(QStringLiteral("locationEdit"));
    locationEdit_->setReadOnly(true);
    auto* browse = dialogButton(where, res::kBackupBrowse, "browseButton");
    auto* row = new QHBoxLayout(where);
    row->addWidget(locationEdit_, 1);
    row->addWidget(browse);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(space);
    layout->addWidget(where);
    statusLine_->setText(qtText(res::format(res::kBackupPressOk, location_.string())));
    connect(browse, &QPushButton::clicked, this, &BackupDialog::pickLocation);
    connect(ok_, &QPushButton::clicked, this, &BackupDialog::runBackup);
}

void BackupDialog::pickLocation() {
    const QString picked = picker_(this, pathText(location_));
    if (picked.isEmpty()) return;
    const backup::LocationChoice choice = backup::chooseLocation(picked.toStdString());
    if (choice.refused)
        prompts_.showMessage(res::format(res::kBackupLocationRefused, utf8Text(picked)));
    location_ = choice.location;
    locationEdit_->setText(pathText(location_));
    statusLine_->setText(qtText(res::format(res::kBackupPressOk, location_.string())));
}

void BackupDialog::runBackup() {
    if (finished_) {
        accept();
        return;
    }
    backup::BackupResult result = [&] {
        CopyProgress progress(this, res::kBackupSavingFile);
        return backup::backupDocument(doc_, prompts_, location_, backupMoment(), false,
                                      progress.callback());
    }();
    switch (result.status) {
        case backup::BackupResult::Status::SameMinute:
            statusLine_->setText(qtText(res::kBackupSameMinute));
            return;
        case backup::BackupResult::Status::Failed:
            if (result.failed.empty())
                for (const std::string& note : result.notes) prompts_.showMessage(note);
            else
                prompts_.showMessage(res::format(res::kBackupIncomplete, result.failed));
            return;
        case backup::BackupResult::Status::Done:
            break;
    }
    statusLine_->setText(qtText(res::kBackupDone));
    cancel_->setText(qtText(res::kButtonClose));
    finished_ = true;
    for (const std::string& note : result.notes) prompts_.showMessage(note);
}

void BackupDialog::buildRestore() {
    std::optional<std::string> undoStamp;
    {
        WaitNotice wait(qtText(res::kBackupChecking), parentWidget());
        wait.showNow();
        list_ = backup::restoreList(doc_.dataFolder);
        undoStamp = backup::undoTimeStamp(doc_.dataFolder);
    }
    auto* group = new QGroupBox(qtText(res::kRestoreListGroup), this);
    backupList_ = new QListWidget(group);
    backupList_->setObjectName(QStringLiteral("backupList"));
    for (const BackupHistoryEntry& entry : list_)
        backupList_->addItem(qtText(cp1253::toUtf8(entry.text)));
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addWidget(backupList_);

    auto radio = [this](std::string_view text, const char* name) {
        auto* r = new QRadioButton(qtText(text), this);
        r->setObjectName(QLatin1String(name));
        return r;
    };
    fromList_ = radio(res::kRestoreFromList, "fromListChoice");
    browse_ = radio(res::kRestoreBrowse, "browseChoice");
    last_ = radio(res::kRestoreLast, "lastChoice");
    undo_ = radio(res::kRestoreUndo, "undoChoice");
    auto* choices = new QButtonGroup(this);
    for (QRadioButton* r : {fromList_, browse_, last_, undo_}) choices->addButton(r);
    fromList_->setEnabled(!list_.empty());
    last_->setEnabled(!list_.empty());
    undo_->setVisible(undoStamp.has_value());
    undo_->setProperty("stamp", qtText(undoStamp.value_or(std::string())));

    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(group);
    for (QRadioButton* r : {fromList_, browse_, last_, undo_}) layout->addWidget(r);

    connect(backupList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        fromList_->setChecked(true);
        chooseFromList(row);
    });
    connect(fromList_, &QRadioButton::clicked, this,
            [this] { chooseFromList(std::max(0, backupList_->currentRow())); });
    connect(last_, &QRadioButton::clicked, this, [this] { chooseFromList(0); });
    connect(browse_, &QRadioButton::clicked, this, &BackupDialog::pickBackup);
    connect(undo_, &QRadioButton::clicked, this, &BackupDialog::chooseUndo);
    connect(ok_, &QPushButton::clicked, this, &BackupDialog::runRestore);
    if (!list_.empty()) {
        last_->setChecked(true);
        chooseFromList(0);
    } else {
        showChosen();
    }
}

void BackupDialog::chooseFromList(int row) {
    if (row < 0 || row >= static_cast<int>(list_.size())) return;
    source_ = list_[static_cast<std::size_t>(row)].folder;
    const QSignalBlocker quiet(backupList_);
    backupList_->setCurrentRow(row);
    showChosen();
}

void BackupDialog::pickBackup() {
    const QString picked = picker_(this, pathText(location_));
    if (!picked.isEmpty()) {
        const fs::path folder = picked.toStdString();
        if (backup::isBackupFolderName(folder.filename().string()) && backup::isValidBackup(folder))
            source_ = folder;
        else
            prompts_.showMessage(res::format(res::kRestoreNotBackup, folder.string()));
    }
    showChosen();
}

void BackupDialog::chooseUndo() {
    source_ = backup::undoFolder(doc_.dataFolder);
    showChosen();
}

void BackupDialog::showChosen() {
    const bool undoing = undo_->isChecked();
    if (undoing)
        statusLine_->setText(qtText(
            res::format(res::kRestoreUndoLine, utf8Text(undo_->property("stamp").toString()))));
    else
        statusLine_->setText(source_.empty()
                                 ? QString()
                                 : qtText(res::format(res::kRestorePressOk, source_.string())));
    ok_->setEnabled(!source_.empty());
}

void BackupDialog::runRestore() {
    if (source_.empty()) return;
    const CalendarState& cal = doc_.calendar;
    const Date today{cal.calYear, cal.calMonth, cal.calDay};
    std::optional<backup::DocumentRestore> outcome = [&] {
        CopyProgress progress(this, res::kRestoringFile);
        return backup::restoreDocument(doc_, prompts_, source_, undo_->isChecked(), today,
                                       progress.callback());
    }();
    if (!outcome) return;
    if (!outcome->files.ok()) prompts_.showMessage(backup::restoreMessage(outcome->files, source_));
    if (!outcome->files.touched()) return;
    outcome_ = std::move(outcome);
    accept();
}

}  // namespace zelvo::gui
