// The Help menu: the user guide, opened in the desktop's browser, and the About box.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace zelvo::gui {

// The guide as the program ships it (Markdown).
QString userGuidePath();

// The guide as a web page: written as HTML into the temporary folder so that any browser shows
// it formatted. Empty, with `error` set to the path that failed, when the guide cannot be read
// or the page not written.
QUrl userGuidePage(const QString& guidePath, QString* error);

// The version the program was built as.
QString programVersion();

void showAboutBox(QWidget* parent, const QString& dataFolder);

}  // namespace zelvo::gui
