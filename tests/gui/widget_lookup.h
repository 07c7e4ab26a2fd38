// Finding the controls of a dialog by their object names, for the GUI tests.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

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

// The texts of the list `name`, in order.
inline QStringList items(QWidget* dialog, const char* name) {
    QStringList out;
    const auto* list = child<QListWidget>(dialog, name);
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace zelvo::test
