// The wait window of a backup or a restore: the file being copied and how far the copy is.
#pragma once

#include <QProgressDialog>
#include <string_view>

#include "store/backup_copy.h"

namespace zelvo::gui {

class CopyProgress : public QProgressDialog {
    Q_OBJECT
public:
    // `announce` is the line of one file, "%1" the file's name.
    CopyProgress(QWidget* parent, std::string_view announce);

    // Hands the copy its progress callback: each file updates and paints the window at once,
    // since the copy does not return to the event loop.
    backup::ProgressFn callback();

private:
    std::string_view announce_;
};

}  // namespace zelvo::gui
