#include "reports/recording_surface.h"

#include <cstdio>
#include <cstdlib>

#include "store/json_string.h"

namespace zelvo::reports {

namespace {

constexpr int kUnsizedHeight = 13;

char alignLetter(Align a) {
    switch (a) {
        case Align::Left:
            return 'L';
        case Align::Right:
            return 'R';
        case Align::Centre:
            return 'C';
    }
    return 'L';
}

}  // namespace

int utf8Length(std::string_view utf8) {
    int n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string_view roleName(FontRole role) {
    switch (role) {
        case FontRole::Title:
            return "title";
        case FontRole::Subtitle:
            return "subtitle";
        case FontRole::Heading:
            return "heading";
        case FontRole::Text:
            return "text";
        case FontRole::Small:
            return "small";
        case FontRole::Fixed:
            return "fixed";
    }
    return "text";
}

RecordingSurface::RecordingSurface(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY), pages_(1) {}

void RecordingSurface::selectFont(FontRole role, const LogicalFont& font) {
    role_ = role;
    font_ = font;
}

int RecordingSurface::charHeight() const {
    return font_.height == 0 ? kUnsizedHeight : std::abs(font_.height);
}

int RecordingSurface::averageCharWidth() const {
    return charHeight() / 2;
}

int RecordingSurface::textWidth(std::string_view utf8) const {
    return utf8Length(utf8) * averageCharWidth();
}

void RecordingSurface::drawText(int x, int y, std::string_view utf8, Align align, VAlign valign) {
    pages_.back().texts.push_back({x, y, align, valign, role_, font_.height, std::string(utf8)});
}

void RecordingSurface::drawLine(int x1, int y1, int x2, int y2) {
    pages_.back().lines.push_back({x1, y1, x2, y2, penWidth_});
}

void RecordingSurface::drawRect(const Rect& rect) {
    pages_.back().rects.push_back({rect, penWidth_});
}

void RecordingSurface::setClip(const Rect& rect) {
    pages_.back().clip = rect;
}

void RecordingSurface::clearClip() {
    pages_.back().clip.reset();
}

void RecordingSurface::newPage() {
    pages_.emplace_back();
}

std::string RecordingSurface::text() const {
    std::string out;
    char buf[96];
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        std::snprintf(buf, sizeof buf, "P %zu\n", p + 1);
        out += buf;
        for (const RecordedText& t : pages_[p].texts) {
            std::snprintf(buf, sizeof buf, "T %d %d %c%s %s ", t.x, t.y, alignLetter(t.align),
                          t.valign == VAlign::Baseline ? "b" : "", roleName(t.font).data());
            out += buf;
            out += t.text;
            out += '\n';
        }
        for (const RecordedLine& l : pages_[p].lines) {
            std::snprintf(buf, sizeof buf, "L %d %d %d %d %d\n", l.x1, l.y1, l.x2, l.y2,
                          l.penWidth);
            out += buf;
        }
        for (const RecordedRect& r : pages_[p].rects) {
            std::snprintf(buf, sizeof buf, "R %d %d %d %d %d\n", r.rect.left, r.rect.top,
                          r.rect.right, r.rect.bottom, r.penWidth);
            out += buf;
        }
    }
    return out;
}

std::string RecordingSurface::json() const {
    std::string out = "{\"dpiX\":" + std::to_string(dpiX_) + ",\"dpiY\":" + std::to_string(dpiY_) +
                      ",\"pages\":[";
    char buf[128];
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        if (p) out += ',';
        out += "{\"texts\":[";
        bool first = true;
        for (const RecordedText& t : pages_[p].texts) {
            if (!first) out += ',';
            first = false;
            std::snprintf(buf, sizeof buf,
                          "{\"x\":%d,\"y\":%d,\"align\":\"%c\",\"baseline\":%s,\"font\":\"%s\","
                          "\"text\":",
                          t.x, t.y, alignLetter(t.align),
                          t.valign == VAlign::Baseline ? "true" : "false", roleName(t.font).data());
            out += buf;
            appendJsonString(out, t.text);
            out += '}';
        }
        out += "],\"lines\":[";
        first = true;
        for (const RecordedLine& l : pages_[p].lines) {
            if (!first) out += ',';
            first = false;
            std::snprintf(buf, sizeof buf, "[%d,%d,%d,%d,%d]", l.x1, l.y1, l.x2, l.y2, l.penWidth);
            out += buf;
        }
        out += "],\"rects\":[";
        first = true;
        for (const RecordedRect& r : pages_[p].rects) {
            if (!first) out += ',';
            first = false;
            std::snprintf(buf, sizeof buf, "[%d,%d,%d,%d,%d]", r.rect.left, r.rect.top,
                          r.rect.right, r.rect.bottom, r.penWidth);
            out += buf;
        }
        out += "]}";
    }
    out += "]}";
    return out;
}

}  // namespace zelvo::reports
