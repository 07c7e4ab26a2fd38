// The report in report mode: white pages of the report's strip, drawn by the report's routine
// at the screen's resolution whenever a part of them needs painting.
#pragma once

#include <QWidget>

#include "render/report_pages.h"

namespace zelvo::gui {

class ReportCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ReportCanvas(QWidget* parent = nullptr);

    // What the canvas draws; the source must outlive it.
    void setSource(const render::ReportSource& source) { source_ = source; }
    // Sizes the canvas to the report's scroll sizes.
    void fitToState();

signals:
    // The page count the routine reported in a draw.
    void drawn(int pageCount);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    render::ReportSource source_;
};

}  // namespace zelvo::gui
