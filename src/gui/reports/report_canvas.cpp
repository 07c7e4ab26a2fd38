#include "gui/reports/report_canvas.h"

#include <QPaintEvent>
#include <QPainter>

#include "render/painter_surface.h"
#include "reports/page_model.h"

namespace zelvo::gui {

namespace {

const QColor kPageBreak(0xB0, 0xB0, 0xB0);

}  // namespace

ReportCanvas::ReportCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("reportCanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void ReportCanvas::fitToState() {
    if (source_.state == nullptr) return;
    const reports::ScrollSizes s = source_.state->scrollSizes();
    setFixedSize(s.totalWidth, s.totalHeight);
}

void ReportCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (source_.state == nullptr || source_.doc == nullptr) return;
    const reports::ViewState& state = *source_.state;
    if (!state.reportShown()) return;

    // Where one page ends and the next begins.
    painter.setPen(QPen(kPageBreak, 1, Qt::DashLine));
    for (int page = 1; page < state.pageCount; ++page) {
        const int y = reports::bandTop(page, state.pageLength, state.screenDpiY);
        painter.drawLine(0, y, width(), y);
    }

    const QRect area = event->rect();
    render::PainterSurface surface(painter, state.screenDpiX, state.screenDpiY);
    surface.setBaseClip({area.left(), area.top(), area.right() + 1, area.bottom() + 1});
    reports::ReportContext context =
        render::contextFor(source_, state.screenDpiX, state.screenDpiY);
    reports::drawReport(*source_.doc, surface, state.kind, state.group, context);
    emit drawn(context.pageCount);
}

}  // namespace zelvo::gui
