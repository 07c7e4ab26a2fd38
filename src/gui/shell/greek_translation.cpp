#include "gui/shell/greek_translation.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QStyledItemDelegate>
#include <QTranslator>
#include <string_view>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {

constexpr char kQtFontContext[] = "QFontDatabase";

struct StyleWord {
    const char* english;
    std::string_view greek;
};

// Style words of font files that Qt's own texts (the QFontDatabase context) do not hold.
constexpr StyleWord kFontFileWords[] = {
    {"Regular", res::kFontStyleRegular},       {"Book", res::kFontStyleRegular},
    {"Roman", res::kFontStyleRegular},         {"Plain", res::kFontStyleRegular},
    {"Condensed", res::kFontStyleCondensed},   {"Narrow", res::kFontStyleCondensed},
    {"Expanded", res::kFontStyleExpanded},     {"SemiBold", res::kFontStyleSemibold},
    {"Semibold", res::kFontStyleSemibold},     {"DemiBold", res::kFontStyleSemibold},
    {"ExtraBold", res::kFontStyleExtraBold},   {"UltraBold", res::kFontStyleExtraBold},
    {"Heavy", res::kFontStyleExtraBold},       {"ExtraLight", res::kFontStyleExtraLight},
    {"UltraLight", res::kFontStyleExtraLight},
};

QString greekStyleWord(const QString& word) {
    const QString qt = QCoreApplication::translate(kQtFontContext, word.toUtf8().constData());
    if (qt != word) return qt;
    for (const StyleWord& w : kFontFileWords)
        if (word == QLatin1String(w.english)) return qtText(w.greek);
    return word;
}

// Shows the style list's names in Greek; the list keeps the font's own names, which the dialog
// looks fonts up by.
class GreekStyleNames : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override {
        return greekFontStyleName(value.toString());
    }
};

// The font dialog shows the style names of the font files, which no translation reaches: its
// style list draws them in Greek and the box above it is kept in Greek.
void showStylesInGreek(QFontDialog& dialog) {
    const QString styleCaption = QCoreApplication::translate("QFontDialog", "Font st&yle");
    QListView* styles = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == styleCaption) styles = qobject_cast<QListView*>(label->buddy());
    if (styles == nullptr) return;
    styles->setItemDelegate(new GreekStyleNames(styles));
    const QString current = styles->currentIndex().data().toString();
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
        if (!box->isReadOnly() || box->text() != current) continue;
        QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
            const QString greek = greekFontStyleName(text);
            if (greek != text) box->setText(greek);
        });
        box->setText(greekFontStyleName(current));
        return;
    }
}

// Reaches every font dialog the program opens, once, when it is first shown.
class FontDialogWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QFontDialog*>(watched);
            if (dialog != nullptr && !dialog->property(kDone).toBool()) {
                dialog->setProperty(kDone, true);
                showStylesInGreek(*dialog);
            }
        }
        return false;
    }

private:
    static constexpr char kDone[] = "zelvoGreekStyles";
};

}  // namespace

QString greekFontStyleName(const QString& styleName) {
    const QString whole =
        QCoreApplication::translate(kQtFontContext, styleName.toUtf8().constData());
    if (whole != styleName) return whole;
    QStringList words = styleName.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& word : words) word = greekStyleWord(word);
    return words.join(QLatin1Char(' '));
}

bool installGreekTranslation(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    app.installEventFilter(new FontDialogWatch(&app));
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/translations/qt_el.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace zelvo::gui
