// A surface that records every call, with fixed font metrics, for tests and the CLI's text and
// JSON output of a report.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/surface.h"

namespace zelvo::reports {

struct RecordedText {
    int x = 0;
    int y = 0;
    Align align = Align::Left;
    VAlign valign = VAlign::Top;
    FontRole font = FontRole::Text;
    int fontHeight = 0;  // the selected record's height, as given
    std::string text;

    friend bool operator==(const RecordedText&, const RecordedText&) = default;
};

struct RecordedLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int penWidth = 1;

    friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
};

struct RecordedRect {
    Rect rect;
    int penWidth = 1;

    friend bool operator==(const RecordedRect&, const RecordedRect&) = default;
};

struct RecordedPage {
    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
    std::vector<RecordedRect> rects;
    std::optional<Rect> clip;  // the last clip set on the page
};

class RecordingSurface : public Surface {
public:
    RecordingSurface(int dpiX, int dpiY);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }

    void selectFont(FontRole role, const LogicalFont& font) override;
    // Character height is the record's height without sign (a height of 0 counts as 13), no
    // leading, average width half the height; a text is as wide as its UTF-8 characters.
    int charHeight() const override;
    int externalLeading() const override { return 0; }
    int averageCharWidth() const override;
    int textWidth(std::string_view utf8) const override;

    void drawText(int x, int y, std::string_view utf8, Align align, VAlign valign) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRect(const Rect& rect) override;
    void setPenWidth(int width) override { penWidth_ = width; }
    void setClip(const Rect& rect) override;
    void clearClip() override;

    // Starts a new page; what follows is recorded on it.
    void newPage();

    const std::vector<RecordedPage>& pages() const { return pages_; }
    int penWidth() const { return penWidth_; }

    // One line per item: "T x y L|R|C font text", "L x1 y1 x2 y2 w", "R l t r b w", "P n" at
    // each page.
    std::string text() const;
    std::string json() const;

private:
    int dpiX_;
    int dpiY_;
    FontRole role_ = FontRole::Text;
    LogicalFont font_;
    int penWidth_ = 1;
    std::vector<RecordedPage> pages_;
};

// UTF-8 characters of a text (bytes that do not continue a sequence).
int utf8Length(std::string_view utf8);

std::string_view roleName(FontRole role);

}  // namespace zelvo::reports
