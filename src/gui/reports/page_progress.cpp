#include "gui/reports/page_progress.h"

#include <algorithm>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {

constexpr int kStepsPerJob = 1000;

}  // namespace

PageProgress::PageProgress(QWidget* parent, const QString& title, int delayMs)
    : dialog_(QString(), qtText(res::kButtonCancel), 0, kStepsPerJob, parent) {
    dialog_.setObjectName(QStringLiteral("pageProgress"));
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(delayMs);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setMinimumWidth(320);
    dialog_.setValue(0);  // the delay runs from here
}

bool PageProgress::pageDone(int job, int jobs, int done, int pages) {
    if (dialog_.wasCanceled()) return false;
    jobs = std::max(jobs, 1);
    pages = std::max(pages, 1);
    QString label =
        qtText(res::format(res::kPreviewPageOf, std::to_string(done), std::to_string(pages)));
    if (jobs > 1)
        label.prepend(
            qtText(res::format(res::kProgressGroupOf, std::to_string(job), std::to_string(jobs))) +
            QLatin1Char('\n'));
    dialog_.setLabelText(label);
    dialog_.setMaximum(jobs * kStepsPerJob);
    // Cancel is looked at here: the dialog takes its events while the value moves.
    dialog_.setValue((job - 1) * kStepsPerJob + std::min(done, pages) * kStepsPerJob / pages);
    return !dialog_.wasCanceled();
}

}  // namespace zelvo::gui
