#include "gui/records/steady_form.h"

#include <QLabel>
#include <QPalette>
#include <QSizePolicy>
#include <QWidget>

namespace zelvo::gui {

void keepRoom(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void markAsWarning(QLabel* label, bool on) {
    QPalette palette = label->palette();
    const QColor plain = label->parentWidget() != nullptr
                             ? label->parentWidget()->palette().color(QPalette::WindowText)
                             : QPalette().color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText, on ? QColor(0xa0, 0x10, 0x10) : plain);
    label->setPalette(palette);
}

}  // namespace zelvo::gui
