#include "gui/store/copy_progress.h"

#include <QApplication>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

CopyProgress::CopyProgress(QWidget* parent, std::string_view announce)
    : QProgressDialog(parent), announce_(announce) {
    setObjectName(QStringLiteral("copyProgress"));
    setWindowTitle(qtText(res::kBackupTitle));
    setCancelButton(nullptr);  // a copy stopped half-way would be worse than one finished
    setMinimumDuration(0);
    setMinimumWidth(420);
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
}

backup::ProgressFn CopyProgress::callback() {
    return [this](const backup::Progress& p) {
        setMaximum(static_cast<int>(p.total));
        setValue(static_cast<int>(p.index));
        setLabelText(qtText(res::format(announce_, p.file)));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

}  // namespace zelvo::gui
