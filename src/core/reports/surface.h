// The drawing surface of the report view. One report routine draws on the screen, the print
// preview, the printer and the recording surface alike; coordinates are the device units of the
// surface's resolution (dpiX, dpiY per inch), y growing down the strip of pages.
#pragma once

#include <string_view>

#include "reports/report_font.h"

namespace zelvo::reports {

enum class Align { Left, Right, Centre };  // horizontal: x is the left edge, right edge or centre
enum class VAlign { Top, Baseline };       // vertical: y is the top of the cell or the baseline

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    // Selects a font for the text that follows. `font` is the record as the routine built it
    // (already scaled for the printer); `role` names it for the recording and for the fonts the
    // platform keeps per role.
    virtual void selectFont(FontRole role, const LogicalFont& font) = 0;

    // Metrics of the selected font.
    virtual int charHeight() const = 0;  // ascent + descent, without leading
    virtual int externalLeading() const = 0;
    virtual int averageCharWidth() const = 0;
    virtual int textWidth(std::string_view utf8) const = 0;

    virtual void drawText(int x, int y, std::string_view utf8, Align align = Align::Left,
                          VAlign valign = VAlign::Top) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void drawRect(const Rect& rect) = 0;  // outline only
    virtual void setPenWidth(int width) = 0;      // solid pen
    virtual void setClip(const Rect& rect) = 0;
    virtual void clearClip() = 0;
};

}  // namespace zelvo::reports
