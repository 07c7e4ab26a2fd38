// Typing into a widget as a keyboard would, Greek letters included (QTest::keyClicks takes
// Latin-1 only).
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace zelvo::test {

inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace zelvo::test
