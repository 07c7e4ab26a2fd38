// Finding the controls of a dialog by their object names, for the GUI tests.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "gui/typing.h"

namespace zelvo::test {

// The control `name` of `dialog`; a warning names a control that is not there.
template <typename T = QWidget>
T* child(QWidget* dialog, const char* name) {
    T* w = dialog->findChild<T*>(QLatin1String(name));
    if (w == nullptr) qWarning("no control %s", name);
    return w;
}

inline QPushButton* button(QWidget* dialog, const char* name) {
    return child<QPushButton>(dialog, name);
}

inline void click(QWidget* dialog, const char* name) {
    QTest::mouseClick(button(dialog, name), Qt::LeftButton);
}

// For a button that opens a dialog of its own: pressed once the current script step has
// returned, so the script can act on that dialog too.
inline void clickLater(QWidget* dialog, const char* name) {
    QPushButton* b = button(dialog, name);
    QTimer::singleShot(0, b, [b] { QTest::mouseClick(b, Qt::LeftButton); });
}

// Clears the edit box `name` and types `text` into it, key by key.
inline void retype(QWidget* dialog, const char* name, const QString& text) {
    auto* edit = child<QLineEdit>(dialog, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

// The current entry of the list `name`; empty when none.
inline QString current(QWidget* dialog, const char* name) {
    const auto* item = child<QListWidget>(dialog, name)->currentItem();
    return item != nullptr ? item->text() : QString();
}

// The texts of the list `name`, in order.
inline QStringList items(QWidget* dialog, const char* name) {
    QStringList out;
    const auto* list = child<QListWidget>(dialog, name);
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// With ZELVO_SCREENSHOT_DIR set (run under xvfb-run with QT_QPA_PLATFORM=xcb), the dialog as
// shown is saved there as `file`, for the screenshots of docs/.
inline void saveScreenshot(QWidget* dialog, const char* file) {
    const QByteArray dir = qgetenv("ZELVO_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    dialog->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(file));
}

}  // namespace zelvo::test
