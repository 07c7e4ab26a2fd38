// The report surface over a QPainter: the screen, the print preview, a printer or a PDF file.
// Coordinates are the device units of the painter's resolution; a font's height in its record
// is taken in those units, so a record measured here gives the metrics it has on any device.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <optional>
#include <vector>

#include "reports/surface.h"

class QPainter;

namespace zelvo::render {

// The Qt font of a logical-font record at device-unit height: a negative height is the
// character height (the em), a positive one the cell height (ascent + descent).
QFont qFontFor(const reports::LogicalFont& font, const QPaintDevice* device);

// The font chooser works in points and lists the families and styles installed. A record's
// font for it: the family and style it is drawn with ("Arial" bold is "Liberation Sans", "Bold"
// where Arial itself is not installed), at the record's size on the screen.
QFont dialogFontFor(const reports::LogicalFont& font, int screenDpiY);
// Whether the chooser shows the two fonts alike: family, style, whole points, underline and
// strike-out. A choice alike to the font it opened on changes nothing.
bool sameChooserFont(const QFont& a, const QFont& b);
// Back from the chooser: the chosen size, weight and styles replace the record's, and its family
// too unless it is the one the record's face is drawn with; the rest of the record stays.
reports::LogicalFont logicalFontFor(const QFont& chosen, const reports::LogicalFont& base,
                                    int screenDpiY);

class PainterSurface : public reports::Surface {
public:
    PainterSurface(QPainter& painter, int dpiX, int dpiY);

    // The band a printed page keeps, or the part of the screen that needs painting: clips every
    // clip the routine sets, and what lies wholly outside it is not drawn at all.
    void setBaseClip(const reports::Rect& rect);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }

    void selectFont(reports::FontRole role, const reports::LogicalFont& font) override;
    int charHeight() const override;
    int externalLeading() const override;
    int averageCharWidth() const override;
    int textWidth(std::string_view utf8) const override;

    void drawText(int x, int y, std::string_view utf8, reports::Align align,
                  reports::VAlign valign) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRect(const reports::Rect& rect) override;
    void setPenWidth(int width) override;
    void setClip(const reports::Rect& rect) override;
    void clearClip() override;

private:
    struct Made {
        reports::LogicalFont record;
        QFont font;
        QFontMetrics metrics;
    };

    QPainter& painter_;
    int dpiX_;
    int dpiY_;
    int penWidth_ = 1;
    std::optional<QRect> base_;
    std::vector<Made> fonts_;  // the few fonts a report uses, made once
    std::size_t current_ = 0;

    const QFontMetrics& metrics() const;
    bool outsideRows(int top, int bottom) const;
    void applyPen();
};

}  // namespace zelvo::render
