// The painter surface: font records at device-unit heights on any device, the metrics the page
// model reads, aligned text, and the band clip of a printed page.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <climits>

#include "render/painter_surface.h"
#include "reports/page_header.h"
#include "reports/page_model.h"
#include "reports/report_font.h"
#include "reports/text_fit.h"

using namespace zelvo;
using render::PainterSurface;
using reports::Align;
using reports::FontRole;
using reports::LogicalFont;
using reports::VAlign;

namespace {

LogicalFont arial(int height, int weight = 400) {
    LogicalFont f;
    f.height = height;
    f.weight = weight;
    f.pitchAndFamily = 34;
    f.charSet = 161;
    f.faceName = "Arial";
    return f;
}

QImage page(int width, int height, int dpi) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

// Columns [first, last] that hold a dark pixel, or {-1, -1}.
std::pair<int, int> inkColumns(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

int inkRows(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
    return rows;
}

}  // namespace

class PainterSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void arialResolvesAndHeightsAreDeviceUnits() {
        const QFont font = render::qFontFor(arial(-13), nullptr);
        QCOMPARE(font.pixelSize(), 13);
        QVERIFY(QFontInfo(font).family().contains(QStringLiteral("Liberation Sans")) ||
                QFontInfo(font).family().contains(QStringLiteral("Arial")));
        QCOMPARE(render::qFontFor(arial(-13, 700), nullptr).weight(), QFont::Bold);

        // A record measured on the screen gives the metrics it has on paper.
        QImage screen = page(200, 200, 96);
        QImage paper = page(200, 200, 300);
        QPainter onScreen(&screen);
        QPainter onPaper(&paper);
        PainterSurface s(onScreen, 96, 96);
        PainterSurface p(onPaper, 300, 300);
        const LogicalFont scaled = arial(-13 * 300 / 96);
        s.selectFont(FontRole::Text, scaled);
        p.selectFont(FontRole::Text, scaled);
        QVERIFY(qAbs(s.charHeight() - p.charHeight()) <= 1);
        QVERIFY(qAbs(s.textWidth("Ευαγγελιζόμενοι") - p.textWidth("Ευαγγελιζόμενοι")) <= 2);
        QVERIFY(s.charHeight() > 40 && s.charHeight() < 60);
        QVERIFY(s.externalLeading() >= 0);
        QVERIFY(s.averageCharWidth() > 0);
    }

    void aPositiveHeightIsTheCellHeight() {
        QImage image = page(100, 100, 96);
        QPainter painter(&image);
        PainterSurface s(painter, 96, 96);
        s.selectFont(FontRole::Text, arial(30));
        QVERIFY(qAbs(s.charHeight() - 30) <= 1);
        s.selectFont(FontRole::Text, arial(-30));
        QVERIFY2(s.charHeight() > 31, "the character height leaves the cell taller");
    }

    void theLineHeightFollowsTheTextFont() {
        QImage image = page(100, 100, 96);
        QPainter painter(&image);
        PainterSurface s(painter, 96, 96);
        reports::ReportFonts fonts;
        fonts.resetToDefaults("greek");
        const reports::ReportPage p = reports::beginReport(s, fonts, reports::PageSettings{});
        QVERIFY(p.lineHeight >= 16);  // a sixth of an inch at least
        QVERIFY(!p.printing);
        QCOMPARE(p.dpiX, 88);
    }

    void textAlignsOnItsEdges() {
        for (Align align : {Align::Left, Align::Right, Align::Centre}) {
            QImage image = page(400, 60, 96);
            {
                QPainter painter(&image);
                PainterSurface s(painter, 96, 96);
                s.selectFont(FontRole::Text, arial(-20));
                s.drawText(200, 10, "ΜΜΜ", align, VAlign::Top);
                const int w = s.textWidth("ΜΜΜ");
                painter.end();
                const auto [first, last] = inkColumns(image);
                const int expectedLeft = align == Align::Left    ? 200
                                         : align == Align::Right ? 200 - w
                                                                 : 200 - w / 2;
                QVERIFY2(qAbs(first - expectedLeft) <= 3,
                         qPrintable(QStringLiteral("%1 vs %2").arg(first).arg(expectedLeft)));
                QVERIFY(last > first);
            }
        }
    }

    void anyStoredHeightMakesAFont() {
        // Heights from the settings file may be any number.
        for (const int height : {INT_MIN, INT_MAX, -100000000}) {
            const QFont font = render::qFontFor(arial(height), nullptr);
            QVERIFY(font.pixelSize() >= 1);
            QVERIFY(font.pixelSize() <= reports::kMaxFontUnits);
        }
    }

    void theDateStampIsPrintedAtItsSizeOnEveryPrinter() {
        reports::ReportFonts fonts;
        fonts.resetToDefaults("greek");
        for (const int dpi : {300, 600}) {
            QImage image = page(dpi * 8, dpi / 2, dpi);
            QPainter painter(&image);
            PainterSurface s(painter, dpi, dpi);
            reports::PageSettings settings;
            settings.printerDpiX = dpi;
            settings.printerDpiY = dpi;
            reports::ReportPage p = reports::beginReport(s, fonts, settings);
            p.pageTop = dpi / 4;  // the stamp stands a fifth of an inch above
            reports::drawPageHeader(s, p, fonts, settings, {true, {2024, 3, 5}, "greek"});
            painter.end();
            // Ten screen units are about 7.5 points; their letters take well over half of it.
            const int points = inkRows(image) * 72 / dpi;
            QVERIFY2(points >= 4 && points <= 8, qPrintable(QString::number(points)));
        }
    }

    void aLongNameIsShortenedWithAnEllipsisThatTheFontHas() {
        QImage image = page(400, 60, 300);
        QPainter painter(&image);
        PainterSurface s(painter, 300, 300);
        s.selectFont(FontRole::Text, arial(-13 * 300 / 96));
        const QFont font = render::qFontFor(arial(-13 * 300 / 96), &image);
        QVERIFY(QFontMetrics(font).inFontUcs4(0x2026));
        const std::string full = "Παναγιωτοπουλίνα Ευα Χατζηπαναγιωτοπούλου";
        const int room = 581;  // 1 15/16 inch
        QVERIFY(s.textWidth(full) > room);
        const std::string shown = reports::fitText(s, full, room);
        QVERIFY(shown.ends_with("…"));
        QVERIFY(s.textWidth(shown) <= room);
        QVERIFY(shown.size() > std::string("Παναγιωτοπουλίνα …").size());
    }

    void aBandClipKeepsOnlyItsPage() {
        // Page 2 of a strip of 100-unit pages: its band is 100-200, drawn at 0-100.
        QImage image = page(300, 300, 96);
        QPainter painter(&image);
        PainterSurface s(painter, 96, 96);
        painter.translate(0, -100);
        s.setBaseClip({0, 100, 300, 200});
        s.selectFont(FontRole::Text, arial(-20));
        s.drawText(10, 120, "ΔΕΥΤΕΡΗ", Align::Left, VAlign::Top);
        s.drawText(10, 220, "ΤΡΙΤΗ", Align::Left, VAlign::Top);
        // A routine's own clip cannot reach outside the band, and clearing it keeps the band.
        s.setClip({0, 0, 300, 300});
        s.drawLine(0, 260, 300, 260);
        s.clearClip();
        s.drawLine(0, 280, 300, 280);
        s.setPenWidth(2);
        s.drawRect({5, 150, 295, 190});
        painter.end();
        int lowest = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) lowest = y;
        QVERIFY(lowest >= 88);  // the rectangle's bottom, 190 - 100
        QVERIFY2(lowest < 100, "nothing below the band");
        QVERIFY(inkRows(image) > 20);  // the text of the page and the rectangle
    }
};

QTEST_MAIN(PainterSurfaceTest)
#include "painter_surface_test.moc"
