// Qt's own dialogs and menus in Greek: the print, page setup, font and file dialogs, the
// standard buttons and the edit menu of every text field. Qt ships no Greek for them, so the
// program carries its own translation of their texts (translations/qt_el.ts, compiled into the
// program).
#pragma once

#include <QString>

class QCoreApplication;

namespace zelvo::gui {

// Installs the translation on `app`, makes Greek the default locale of Qt's widgets (decimal
// comma, Greek dates) and has every font dialog show its style names in Greek. False when the
// embedded translation could not be read.
bool installGreekTranslation(QCoreApplication& app);

// A style name as a font file gives it ("Bold Italic", "Book") in Greek, word by word; words
// it does not know stay as they are.
QString greekFontStyleName(const QString& styleName);

}  // namespace zelvo::gui
