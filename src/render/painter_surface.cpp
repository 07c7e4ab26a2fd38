#include "render/painter_surface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "reports/page_model.h"
#include "store/cp1253.h"

namespace zelvo::render {

namespace {

using reports::Align;
using reports::LogicalFont;
using reports::VAlign;

constexpr int kDefaultHeight = 13;  // a record without a height
constexpr int kFixedPitch = 1;

QFont::StyleHint styleHintOf(int pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case 0x10:
            return QFont::Serif;
        case 0x20:
            return QFont::SansSerif;
        case 0x30:
            return QFont::TypeWriter;
        case 0x40:
            return QFont::Cursive;
        case 0x50:
            return QFont::Decorative;
        default:
            return QFont::AnyStyle;
    }
}

QRect qRect(const reports::Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

}  // namespace

QFont qFontFor(const LogicalFont& f, const QPaintDevice* device) {
    QFont font(QString::fromStdString(cp1253::toUtf8(f.faceName)));
    font.setStyleHint(styleHintOf(f.pitchAndFamily));
    font.setFixedPitch((f.pitchAndFamily & 3) == kFixedPitch);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic != 0);
    font.setUnderline(f.underline != 0);
    font.setStrikeOut(f.strikeOut != 0);
    // A height from the settings file may be any number; a font never exceeds what a surface
    // is made for.
    const int height = std::clamp(f.height == 0 ? -kDefaultHeight : f.height,
                                  -reports::kMaxFontUnits, reports::kMaxFontUnits);
    if (height < 0) {
        font.setPixelSize(-height);
    } else {
        // The cell height asked for: the em that gives it.
        font.setPixelSize(height);
        const QFontMetricsF m(font, device);
        const double cell = m.ascent() + m.descent();
        if (cell > 0)
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / cell))));
    }
    if (f.width > 0) {
        // The average character width asked for, through the font's stretch.
        const QFontMetricsF m(font, device);
        if (m.averageCharWidth() > 0) {
            const auto stretch = std::lround(f.width * 100.0 / m.averageCharWidth());
            font.setStretch(static_cast<int>(std::clamp<long>(stretch, 1, 4000)));
        }
    }
    return font;
}

QFont dialogFontFor(const LogicalFont& record, int screenDpiY) {
    QFont font = qFontFor(record, nullptr);
    // The chooser lists only installed families and their own styles: asked for a face it does
    // not list ("Arial") or a style name it lacks ("Normal"), it falls back to a font of its own.
    const QFontInfo drawn(font);
    font.setFamilies({drawn.family()});
    font.setStyleName(drawn.styleName());
    if (screenDpiY > 0 && font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / screenDpiY);
    return font;
}

bool sameChooserFont(const QFont& a, const QFont& b) {
    return a.family().compare(b.family(), Qt::CaseInsensitive) == 0 &&
           QFontDatabase::styleString(a) == QFontDatabase::styleString(b) &&
           a.pointSize() == b.pointSize() && a.underline() == b.underline() &&
           a.strikeOut() == b.strikeOut();
}

LogicalFont logicalFontFor(const QFont& chosen, const LogicalFont& base, int screenDpiY) {
    LogicalFont f = base;
    const double pixels =
        chosen.pixelSize() > 0 ? chosen.pixelSize() : chosen.pointSizeF() * screenDpiY / 72.0;
    f.height = -std::max(1, static_cast<int>(std::lround(pixels)));
    f.weight = chosen.weight();
    f.italic = chosen.italic() ? 1 : 0;
    f.underline = chosen.underline() ? 1 : 0;
    f.strikeOut = chosen.strikeOut() ? 1 : 0;
    // The face the record names stays while the chosen family is the one it is drawn with, so a
    // new size keeps "Arial" rather than the font standing in for it on this machine.
    const QString face = QString::fromStdString(cp1253::toUtf8(base.faceName));
    const QString drawnAs = QFontInfo(qFontFor(base, nullptr)).family();
    if (face.compare(chosen.family(), Qt::CaseInsensitive) != 0 &&
        drawnAs.compare(chosen.family(), Qt::CaseInsensitive) != 0) {
        f.faceName = cp1253::fromUtf8(chosen.family().toStdString());
        // Fixed pitch in the modern family, or variable pitch in the swiss one.
        f.pitchAndFamily = QFontInfo(chosen).fixedPitch() ? 0x31 : 0x22;
    }
    return f;
}

PainterSurface::PainterSurface(QPainter& painter, int dpiX, int dpiY)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY) {
    LogicalFont none;
    none.height = -kDefaultHeight;
    none.faceName = "Arial";
    selectFont(reports::FontRole::Text, none);
    applyPen();
}

void PainterSurface::setBaseClip(const reports::Rect& rect) {
    base_ = qRect(rect);
    painter_.setClipRect(*base_);
}

void PainterSurface::selectFont(reports::FontRole, const LogicalFont& record) {
    const auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                    [&](const Made& m) { return m.record == record; });
    if (found != fonts_.end()) {
        current_ = static_cast<std::size_t>(found - fonts_.begin());
    } else {
        QFont font = qFontFor(record, painter_.device());
        fonts_.push_back({record, font, QFontMetrics(font, painter_.device())});
        current_ = fonts_.size() - 1;
    }
    painter_.setFont(fonts_[current_].font);
}

const QFontMetrics& PainterSurface::metrics() const {
    return fonts_[current_].metrics;
}

int PainterSurface::charHeight() const {
    return metrics().ascent() + metrics().descent();
}

int PainterSurface::externalLeading() const {
    return std::max(0, metrics().leading());
}

int PainterSurface::averageCharWidth() const {
    return metrics().averageCharWidth();
}

int PainterSurface::textWidth(std::string_view utf8) const {
    return metrics().horizontalAdvance(QString::fromUtf8(utf8.data(), std::ssize(utf8)));
}

bool PainterSurface::outsideRows(int top, int bottom) const {
    return base_ && (bottom < base_->top() || top > base_->bottom());
}

void PainterSurface::drawText(int x, int y, std::string_view utf8, Align align, VAlign valign) {
    if (utf8.empty()) return;
    const QFontMetrics& m = metrics();
    const int baseline = valign == VAlign::Top ? y + m.ascent() : y;
    // Most of a long report lies outside the band being painted: skip it before shaping.
    if (outsideRows(baseline - m.ascent(), baseline + m.descent())) return;
    const QString text = QString::fromUtf8(utf8.data(), std::ssize(utf8));
    int left = x;
    if (align != Align::Left) {
        const int width = m.horizontalAdvance(text);
        left = align == Align::Right ? x - width : x - width / 2;
    }
    painter_.drawText(QPoint(left, baseline), text);
}

void PainterSurface::drawLine(int x1, int y1, int x2, int y2) {
    if (outsideRows(std::min(y1, y2) - penWidth_, std::max(y1, y2) + penWidth_)) return;
    painter_.drawLine(x1, y1, x2, y2);
}

void PainterSurface::drawRect(const reports::Rect& rect) {
    if (outsideRows(rect.top - penWidth_, rect.bottom + penWidth_)) return;
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void PainterSurface::setPenWidth(int width) {
    penWidth_ = std::max(width, 1);
    applyPen();
}

void PainterSurface::applyPen() {
    QPen pen(Qt::black);
    pen.setStyle(Qt::SolidLine);
    pen.setWidth(penWidth_);
    painter_.setPen(pen);
}

void PainterSurface::setClip(const reports::Rect& rect) {
    const QRect r = qRect(rect);
    painter_.setClipRect(base_ ? r.intersected(*base_) : r);
}

void PainterSurface::clearClip() {
    if (base_)
        painter_.setClipRect(*base_);
    else
        painter_.setClipping(false);
}

}  // namespace zelvo::render
