// Qt's own dialogs in Greek: the translation the program installs at start, read back from the
// Qt dialogs the program opens (font, page setup, print, file), the standard buttons and the
// edit menu of the text fields.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "gui/shell/greek_translation.h"
#include "modal_script.h"
#include "shell/command_ids.h"
#include "shell_fixture.h"

using namespace zelvo;

namespace {

// Every text a person reads in `root` but names (files, font families, printers): window
// title, labels, buttons, group titles, tabs, combo entries and column headers.
QStringList shownTexts(QWidget* root) {
    QStringList out{root->windowTitle()};
    for (auto* w : root->findChildren<QLabel*>()) out << w->text();
    for (auto* w : root->findChildren<QAbstractButton*>()) out << w->text();
    for (auto* w : root->findChildren<QGroupBox*>()) out << w->title();
    for (auto* w : root->findChildren<QTabWidget*>())
        for (int i = 0; i < w->count(); ++i) out << w->tabText(i);
    for (auto* w : root->findChildren<QComboBox*>())
        for (int i = 0; w->objectName() != QStringLiteral("printers") && i < w->count(); ++i)
            out << w->itemText(i);
    for (auto* w : root->findChildren<QAbstractItemView*>())
        for (int c = 0; w->model() != nullptr && c < w->model()->columnCount(); ++c)
            out << w->model()->headerData(c, Qt::Horizontal).toString();
    out.removeAll(QString());
    return out;
}

// The texts among `texts` with an English word in them: two Latin letters or more, one of them
// small. Codes in capitals (A4, ANSI, PDF, OK) are not words, nor is a folder's path.
QStringList english(const QStringList& texts) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]*[a-z][A-Za-z]*"));
    QStringList out;
    for (const QString& t : texts) {
        if (t.startsWith(QLatin1Char('/'))) continue;
        auto it = word.globalMatch(t);
        while (it.hasNext())
            if (it.next().capturedLength() >= 2) {
                out << t;
                break;
            }
    }
    return out;
}

void expectNoEnglish(const QStringList& texts) {
    const QStringList found = english(texts);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(" | "))));
}

QStringList menuTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        out << a->text().section(QLatin1Char('\t'), 0, 0);
        if (a->menu() != nullptr) out << menuTexts(a->menu());
    }
    out.removeAll(QString());
    return out;
}

QListView* styleList(QFontDialog& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == QStringLiteral("&Στυλ γραμματοσειράς"))
            return qobject_cast<QListView*>(label->buddy());
    return nullptr;
}

// The style names as the dialog's list draws them.
QStringList shownStyles(QListView* list) {
    QStringList out;
    auto* delegate = qobject_cast<QStyledItemDelegate*>(list->itemDelegate());
    for (int r = 0; r < list->model()->rowCount(); ++r)
        out << delegate->displayText(list->model()->index(r, 0).data(), QLocale());
    return out;
}

QLineEdit* styleBox(QFontDialog& dialog) {
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>())
        if (box->isReadOnly() && box->text() != dialog.currentFont().family()) return box;
    return nullptr;
}

void chooseFamily(QFontDialog& dialog, const QString& family) {
    auto* families = qobject_cast<QListView*>(dialog.findChildren<QAbstractItemView*>().first());
    const QModelIndexList found = families->model()->match(
        families->model()->index(0, 0), Qt::DisplayRole, family, 1, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    families->setCurrentIndex(found.first());
}

// With ZELVO_SCREENSHOT_DIR set (under xvfb-run, QT_QPA_PLATFORM=xcb, a 1024x768 screen), the
// screen with `dialog` over the main window is saved there as `file`.
void saveScreen(QWidget* dialog, const char* file) {
    const QString dir = qEnvironmentVariable("ZELVO_SCREENSHOT_DIR");
    if (dir.isEmpty() || !QTest::qWaitForWindowExposed(dialog)) return;
    QTest::qWait(300);
    dialog->screen()->grabWindow(0).save(QDir(dir).filePath(QLatin1String(file)));
}

}  // namespace

class GreekTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(gui::installGreekTranslation(*qApp)); }

    void editMenusOfTextFieldsReadGreek() {
        QLineEdit line;
        line.setText(QStringLiteral("κείμενο"));
        std::unique_ptr<QMenu> lineMenu(line.createStandardContextMenu());
        const QStringList texts = menuTexts(lineMenu.get());
        for (const char* expected : {"&Αναίρεση", "Επα&νάληψη", "Απο&κοπή", "Αντι&γραφή",
                                     "Επικό&λληση", "Διαγραφή", "Επιλογή όλων"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
        expectNoEnglish(texts);

        QPlainTextEdit block(QStringLiteral("κείμενο"));
        std::unique_ptr<QMenu> blockMenu(block.createStandardContextMenu());
        QVERIFY(menuTexts(blockMenu.get()).contains(QStringLiteral("Αντι&γραφή")));
        expectNoEnglish(menuTexts(blockMenu.get()));
    }

    void standardButtonsReadGreek() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Ακύρωση"));
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ναι"));
        QCOMPARE(box.button(QDialogButtonBox::No)->text(), QStringLiteral("&Όχι"));
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    }

    void fontDialogReadsGreekAndKeepsTheFont() {
        QFontDialog dialog(QFont(QStringLiteral("Liberation Sans"), 12, QFont::Bold));
        dialog.show();
        const QStringList texts = shownTexts(&dialog);
        for (const char* expected : {"&Γραμματοσειρά", "&Στυλ γραμματοσειράς", "&Μέγεθος", "Δείγμα",
                                     "Εφέ", "&Υπογράμμιση", "Ακύρωση", "Ελληνικά"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
        expectNoEnglish(texts);

        // The font files' style names ("Regular", "Bold Italic", "Book") are drawn in Greek,
        // while the dialog goes on choosing fonts by them.
        QListView* styles = styleList(dialog);
        QVERIFY(styles != nullptr);
        QVERIFY(shownStyles(styles).contains(QStringLiteral("Έντονα Πλάγια")));
        expectNoEnglish(shownStyles(styles));
        QLineEdit* box = styleBox(dialog);
        QVERIFY(box != nullptr);
        QCOMPARE(box->text(), QStringLiteral("Έντονα"));
        QCOMPARE(dialog.currentFont().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(dialog.currentFont().weight(), QFont::Bold);

        chooseFamily(dialog, QStringLiteral("DejaVu Sans"));
        expectNoEnglish(shownStyles(styles));
        QCOMPARE(box->text(), QStringLiteral("Έντονα"));
        QCOMPARE(dialog.currentFont().weight(), QFont::Bold);
        dialog.setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 10, QFont::Normal, true));
        QCOMPARE(box->text(), QStringLiteral("Πλάγια"));
        QVERIFY(dialog.currentFont().italic());
        QCOMPARE(dialog.currentFont().weight(), QFont::Normal);
    }

    void fontStyleNamesWordByWord() {
        QCOMPARE(gui::greekFontStyleName(QStringLiteral("Regular")), QStringLiteral("Κανονικά"));
        QCOMPARE(gui::greekFontStyleName(QStringLiteral("Condensed Bold Oblique")),
                 QStringLiteral("Στενά Έντονα Κεκλιμένα"));
        QCOMPARE(gui::greekFontStyleName(QStringLiteral("Demi Bold")), QStringLiteral("Ημιέντονα"));
        // A word no table holds stays as the font gives it.
        QCOMPARE(gui::greekFontStyleName(QStringLiteral("Bold Display")),
                 QStringLiteral("Έντονα Display"));
    }

    void printerSetupAndPrintDialogsReadGreek() {
        // As with no printer installed: the dialogs of a PDF printer.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        QPageSetupDialog setup(&printer);
        const QStringList setupTexts = shownTexts(&setup);
        for (const char* expected : {"Χαρτί", "Μέγεθος σελίδας:", "Προσανατολισμός", "Κατακόρυφος",
                                     "Οριζόντιος", "Περιθώρια", "A4"})
            QVERIFY2(setupTexts.contains(QString::fromUtf8(expected)), expected);
        expectNoEnglish(setupTexts);

        QPrintDialog print(&printer);
        const QStringList printTexts = shownTexts(&print);
        for (const char* expected : {"Εκτυπωτής", "&Όνομα:", "Αντίγραφα:", "Περιοχή εκτύπωσης",
                                     "Εκτύπωση όλων", "&Εκτύπωση"})
            QVERIFY2(printTexts.contains(QString::fromUtf8(expected)), expected);
        expectNoEnglish(printTexts);
    }

    void fileDialogReadsGreek() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList texts = shownTexts(&dialog);
        for (const char* expected : {"&Όνομα αρχείου:", "Αρχεία τύπου:", "Όνομα", "Μέγεθος",
                                     "Ημερομηνία τροποποίησης", "&Αποθήκευση"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
        expectNoEnglish(texts);
    }

    void dialogsTheProgramOpensReadGreek() {
        test::DataFolder folder(10);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        QStringList font;
        QStringList setup;
        test::ModalScript script;
        script
            .then([&](QWidget* modal) {
                QVERIFY(qobject_cast<QFontDialog*>(modal) != nullptr);
                font = shownTexts(modal);
                saveScreen(modal, "font-dialog.png");
                qobject_cast<QDialog*>(modal)->reject();
            })
            .then([&](QWidget* modal) {
                setup = shownTexts(modal);
                saveScreen(modal, "printer-setup.png");
                qobject_cast<QDialog*>(modal)->reject();
            });
        s.window->runCommand(shell::CommandId::TitleFont);
        s.window->runCommand(shell::CommandId::PrintSetup);
        QVERIFY(script.done());
        QVERIFY(font.contains(QStringLiteral("&Στυλ γραμματοσειράς")));
        expectNoEnglish(font);
        QVERIFY(setup.contains(QStringLiteral("Προσανατολισμός")));
        expectNoEnglish(setup);
    }

    void shortcutsStillReadTheirKeys() {
        // Key names shown in menus are translated; the shortcuts the program writes in the
        // portable form must still mean the same keys.
        QCOMPARE(QKeySequence(QStringLiteral("Ctrl+P")), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(QKeySequence(QStringLiteral("Shift+F1")), QKeySequence(Qt::SHIFT | Qt::Key_F1));
        const QKeySequence back(Qt::ALT | Qt::Key_Left);
        QCOMPARE(QKeySequence(QStringLiteral("Alt+Left")), back);
        QCOMPARE(QKeySequence(back.toString(QKeySequence::NativeText)), back);
    }
};

QTEST_MAIN(GreekTranslationTest)
#include "greek_translation_test.moc"
