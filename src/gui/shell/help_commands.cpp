#include "gui/shell/help_commands.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>

#include "gui/shell/qt_text.h"
#include "gui/shell/toolbar_icons.h"
#include "resources/strings.h"

#ifndef ZELVO_USER_GUIDE
#define ZELVO_USER_GUIDE "docs/user-guide.md"
#endif
#ifndef ZELVO_VERSION
#define ZELVO_VERSION "0"
#endif

namespace zelvo::gui {

QString userGuidePath() {
    return QStringLiteral(ZELVO_USER_GUIDE);
}

QUrl userGuidePage(const QString& guidePath, QString* error) {
    QFile source(guidePath);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error != nullptr) *error = guidePath;
        return {};
    }
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    const QString pagePath = QDir::temp().filePath(QStringLiteral("zelvo-user-guide.html"));
    QFile page(pagePath);
    if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        page.write(document.toHtml().toUtf8()) < 0) {
        if (error != nullptr) *error = pagePath;
        return {};
    }
    return QUrl::fromLocalFile(pagePath);
}

QString programVersion() {
    return QStringLiteral(ZELVO_VERSION);
}

void showAboutBox(QWidget* parent, const QString& dataFolder) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setWindowTitle(qtText(res::kAboutTitle));
    box.setIconPixmap(programIcon().pixmap(64, 64));
    box.setText(
        qtText(res::format(res::kAboutText, utf8Text(programVersion()), utf8Text(dataFolder))));
    QPushButton* ok = box.addButton(qtText(res::kButtonOk), QMessageBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

}  // namespace zelvo::gui
