// The progress of a long print job or PDF, page by page, with Cancel. It shows only once the work
// has lasted a moment, so a page or two goes by without a flash.
#pragma once

#include <QProgressDialog>

namespace zelvo::gui {

class PageProgress {
public:
    static constexpr int kDefaultDelayMs = 500;

    PageProgress(QWidget* parent, const QString& title, int delayMs = kDefaultDelayMs);

    // After a page of job `job` (from 1) of `jobs`: `done` of its `pages`. False once Cancel
    // was pressed.
    bool pageDone(int job, int jobs, int done, int pages);
    bool cancelled() const { return dialog_.wasCanceled(); }

private:
    QProgressDialog dialog_;
};

}  // namespace zelvo::gui
