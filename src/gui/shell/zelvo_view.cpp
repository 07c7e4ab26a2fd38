#include "gui/shell/zelvo_view.h"

#include <QKeyEvent>
#include <QScrollArea>
#include <QStackedLayout>

#include "gui/shell/dashboard.h"

namespace zelvo::gui {

CZelvoView::CZelvoView(QWidget* parent)
    : QWidget(parent),
      pages_(new QStackedLayout(this)),
      dashboardScroll_(new QScrollArea(this)),
      dashboard_(new Dashboard),
      reportScroll_(new QScrollArea(this)),
      reportPage_(new QWidget) {
    setObjectName(QStringLiteral("zelvoView"));
    setFocusPolicy(Qt::StrongFocus);

    // A small screen scrolls the dashboard rather than cutting it.
    dashboardScroll_->setObjectName(QStringLiteral("dashboardScroll"));
    dashboardScroll_->setWidgetResizable(true);
    dashboardScroll_->setFrameShape(QFrame::NoFrame);
    dashboardScroll_->setWidget(dashboard_);

    reportScroll_->setObjectName(QStringLiteral("reportScroll"));
    reportScroll_->setBackgroundRole(QPalette::Dark);
    reportPage_->setObjectName(QStringLiteral("reportPage"));
    reportScroll_->setWidget(reportPage_);
    reportScroll_->setFocusProxy(this);

    pages_->addWidget(dashboardScroll_);
    pages_->addWidget(reportScroll_);
    pages_->setCurrentWidget(dashboardScroll_);
}

void CZelvoView::showReport(int kind) {
    kind_ = kind;
    setMode(shell::ViewMode::Report);
    setFocus();
}

void CZelvoView::showDashboard() {
    setMode(shell::ViewMode::Dashboard);
}

void CZelvoView::setPrinting(bool printing) {
    printing_ = printing;
}

void CZelvoView::setMode(shell::ViewMode mode) {
    pages_->setCurrentWidget(mode == shell::ViewMode::Dashboard ? dashboardScroll_ : reportScroll_);
    if (mode == mode_) return;
    mode_ = mode;
    emit modeChanged(mode);
}

void CZelvoView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && mode_ == shell::ViewMode::Report) {
        showDashboard();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelvo::gui
