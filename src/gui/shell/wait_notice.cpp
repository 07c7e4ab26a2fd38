#include "gui/shell/wait_notice.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace zelvo::gui {

WaitNotice::WaitNotice(const QString& text, QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("waitNotice"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("waitText"));
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 20, 32, 20);
    layout->addWidget(label);
    setCursor(Qt::WaitCursor);
}

void WaitNotice::showNow() {
    adjustSize();
    const QRect area = parentWidget() && parentWidget()->isVisible()
                           ? parentWidget()->window()->frameGeometry()
                       : screen() ? screen()->availableGeometry()
                                  : QRect();
    if (area.isValid()) move(area.center() - rect().center());
    show();
    raise();
    // Twice: the first pass maps the window, the second paints what was exposed.
    for (int i = 0; i < 2; ++i) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

}  // namespace zelvo::gui
