#include "reports/record_card_sheet.h"

#include <algorithm>
#include <array>

#include "reports/text_fit.h"
#include "resources/language_table.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

// Column edges in hundredths of an inch from the table's left edge. The remark column runs to
// the card's right edge, so the values past the last inner line are not used.
constexpr std::array kNewEdges{115, 191, 254, 335, 450};
constexpr std::array kOldEdges{117, 194, 271, 348, 425, 505};
// Inner lines that stop above the totals line.
constexpr int kShortLines = 3;

std::string number(long value) {
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace

CardSheet::CardSheet(const CZelvoDoc& doc, const CardOptions& options, Surface& surface,
                     int pageTop)
    : options_(options), s_(surface) {
    dpiX_ = s_.dpiX();
    dpiY_ = s_.dpiY();
    left_ = dpiX_ / 2;
    right_ = left_ + (options.a4 ? 29 : 30) * dpiX_ / 4;
    top_ = pageTop + dpiY_;
    pageTop_ = pageTop;
    const bool urk = doc.languageWord == "urk";
    face_ = urk ? "Times New Roman" : "Calibri";
    pitch_ = urk ? 18 : 34;
    charSet_ = reportFontCharset(doc.languageWord);
}

// A point font at the surface's resolution; `tenths` of a point.
void CardSheet::selectFont(FontRole role, int tenths, bool bold) {
    LogicalFont f;
    f.height = -tenths * dpiY_ / 720;
    f.weight = bold ? 700 : 400;
    f.charSet = charSet_;
    f.pitchAndFamily = pitch_;
    f.faceName = face_;
    s_.selectFont(role, f);
}

// Pens in units per 300 dots per inch.
void CardSheet::pen(int units) {
    s_.setPenWidth(std::max(1, units * dpiX_ / 300));
}

void CardSheet::title(std::string_view text) {
    selectFont(FontRole::Title, 150, true);
    s_.drawText((left_ + right_) / 2, top_ - dpiY_ * 5 / 8, text, Align::Centre, VAlign::Baseline);
    selectFont(FontRole::Heading, 125, true);
    lineHeight_ = s_.charHeight() * 5 / 4;
}

void CardSheet::field(int line, std::string_view label, const std::string& value, int ruleEnd,
                      const std::string& rightText) {
    const int y = baseline(line);
    const std::string head = std::string(label) + ":  ";
    const int x = left_ + s_.textWidth(head);
    s_.drawText(left_, y, head, Align::Left, VAlign::Baseline);
    if (!rightText.empty()) s_.drawText(ruleEnd, y, rightText, Align::Right, VAlign::Baseline);
    // The value ends before the right text and the rule's end: a wide one is made smaller.
    const int room = ruleEnd - x - (rightText.empty() ? 0 : s_.textWidth(rightText + "  "));
    const bool wide = s_.textWidth(value) > room;
    if (wide) selectFitting(FontRole::Heading, 125, true, room, {value});
    s_.drawText(x, y, value, Align::Left, VAlign::Baseline);
    if (wide) selectFont(FontRole::Heading, 125, true);
    pen(1);
    s_.drawLine(x, y + dpiY_ / 30, ruleEnd, y + dpiY_ / 30);
}

void CardSheet::box(int x, int bottom, bool crossed) {
    const int side = boxSide();
    pen(1);
    s_.drawRect({x, bottom - side, x + side, bottom});
    if (!crossed) return;
    s_.drawLine(x, bottom - side, x + side, bottom);
    s_.drawLine(x, bottom, x + side, bottom - side);
}

void CardSheet::tick(int line, int percent, std::string_view label, bool on) {
    box(atPercent(percent), baseline(line), on);
    text(labelX(percent), line, label);
}

void CardSheet::text(int x, int line, std::string_view text) {
    s_.drawText(x, baseline(line), text, Align::Left, VAlign::Baseline);
}

void CardSheet::tables(const std::vector<CardTable>& tables) {
    if (!tables.empty()) drawTable(tables[0], 2 * dpiY_);
    if (tables.size() > 1) drawTable(tables[1], 13 * dpiY_ / 2);
}

// The table whose nominal top is `offset` below the page top.
void CardSheet::drawTable(const CardTable& table, int offset) {
    const int shift = dpiY_ / 6;  // the header's second line of "στον αγρό"
    const int top = pageTop_ + offset + dpiY_ / 4 + shift;
    const int height = 7 * dpiY_ / 2 * 9 / 8 - shift;
    const int rows = table.newForm ? 14 : 15;  // the old form adds the averages line
    const int rowHeight = height / rows;
    const int frameTop = top - height / 10;
    const int bottom = top + height;
    const int totalsTop = top + 13 * rowHeight;

    std::vector<int> edges{left_};
    for (int e : table.newForm ? std::vector<int>(kNewEdges.begin(), kNewEdges.end())
                               : std::vector<int>(kOldEdges.begin(), kOldEdges.end()))
        edges.push_back(left_ + e * dpiX_ / 100);
    edges.push_back(right_);

    pen(1);
    // The headings take the band from the frame to the first month: no line crosses it.
    for (int i = 1; i < rows; ++i)
        if (i != 13) s_.drawLine(left_, top + i * rowHeight, right_, top + i * rowHeight);
    for (std::size_t k = 1; k + 1 < edges.size(); ++k)
        s_.drawLine(edges[k], frameTop, edges[k],
                    static_cast<int>(k) <= kShortLines ? totalsTop : bottom);
    pen(3);
    s_.drawLine(left_, totalsTop, right_, totalsTop);
    pen(4);
    s_.drawRect({left_, frameTop, right_, bottom});
    pen(1);

    const int firstCentre = (edges[0] + edges[1]) / 2;
    selectFitting(FontRole::Heading, 100, true, edges[1] - edges[0] - dpiX_ / 20,
                  {table.caption[0], table.caption[1]});
    s_.drawText(firstCentre, top - 58 * dpiY_ / 300, table.caption[0], Align::Centre,
                VAlign::Baseline);
    s_.drawText(firstCentre, top - 19 * dpiY_ / 300, table.caption[1], Align::Centre,
                VAlign::Baseline);
    static constexpr std::array<std::string_view, 5> kNewHeadings{
        res::kCardTookPart, res::kCardStudies, res::kCardAuxiliary, res::kCardPioneerHours,
        res::kPioneerRemarksColumn};
    // The dialog's card is small: the short headings.
    static constexpr std::array<std::string_view, 5> kScreenHeadings{
        res::kCardScreenTookPart, res::kHeadingStudies, res::kCategoryAuxiliary, res::kHeadingHours,
        res::kPioneerRemarksColumn};
    static constexpr std::array<std::string_view, 6> kOldHeadings{
        res::kCardPlacements,   res::kCardVideos,  res::kHeadingHours,
        res::kCardReturnVisits, res::kCardStudies, res::kPioneerRemarksColumn};
    for (std::size_t k = 1; k + 1 <= edges.size() - 1; ++k) {
        const std::string_view text = !table.newForm    ? kOldHeadings[k - 1]
                                      : options_.screen ? kScreenHeadings[k - 1]
                                                        : kNewHeadings[k - 1];
        heading(text, edges[k], edges[k + 1], top + rowHeight - rowHeight / 4,
                top + rowHeight - frameTop - rowHeight / 4);
    }

    selectFont(FontRole::Text, 100, false);
    const auto rowBase = [&](int i) { return top + (i + 1) * rowHeight - rowHeight / 4; };
    const auto centre = [&](std::size_t k) { return (edges[k] + edges[k + 1]) / 2; };
    const int pad = dpiX_ / 20;
    // A figure wider than its column (the sums of a damaged file) is made smaller to stay in it.
    const auto figure = [&](std::size_t k, int y, const std::string& text) {
        const int room = edges[k + 1] - edges[k] - pad;
        const bool wide = s_.textWidth(text) > room;
        if (wide) selectFitting(FontRole::Text, 100, false, room, {text});
        s_.drawText(centre(k), y, text, Align::Centre, VAlign::Baseline);
        if (wide) selectFont(FontRole::Text, 100, false);
    };
    for (std::size_t i = 0; i < table.months.size(); ++i) {
        const CardMonth& m = table.months[i];
        const int y = rowBase(static_cast<int>(i) + 1);
        s_.drawText(left_ + pad, y, res::monthName(m.month), Align::Left, VAlign::Baseline);
        if (m.blank) continue;
        std::vector<std::string> cells;
        if (table.newForm) {
            const int side = boxSide();
            if (!table.counts) {
                box(centre(1) - side / 2, y, m.reported);
                box(centre(3) - side / 2, y, m.auxiliary);
            }
            cells = {
                table.counts ? number(m.reports) : std::string(), number(m.studies), {}, m.hours};
        } else {
            cells = {number(m.old[0]), number(m.old[1]), m.hours, number(m.old[2]),
                     number(m.studies)};
        }
        for (std::size_t k = 0; k < cells.size(); ++k)
            if (!cells[k].empty()) figure(k + 1, y, cells[k]);
        const std::size_t last = edges.size() - 2;
        const bool countInRemark = table.counts && !table.newForm && m.reports > 0;
        remark(countInRemark ? res::format(res::kCardReportsCounted, number(m.reports)) : m.remark,
               edges[last] + pad, edges[last + 1] - edges[last] - 2 * pad,
               top + (static_cast<int>(i) + 1) * rowHeight, rowHeight);
    }
    const std::size_t hoursColumn = table.newForm ? 4 : 3;
    s_.drawText(left_ + pad, rowBase(13), res::kCardTotal, Align::Left, VAlign::Baseline);
    const int totalsBit = table.previous ? 8 : 4;
    if ((options_.hidden & totalsBit) == 0) figure(hoursColumn, rowBase(13), table.total);
    if (table.newForm) return;
    s_.drawText(left_ + pad, rowBase(14), res::kCardAverage, Align::Left, VAlign::Baseline);
    const int averagesBit = table.previous ? 2 : 1;
    if ((options_.hidden & averagesBit) != 0) return;
    for (std::size_t k = 0; k < table.averages.size(); ++k)
        figure(k + 1, rowBase(14), table.averages[k]);
}

int CardSheet::selectFitting(FontRole role, int tenths, bool bold, int room,
                             std::initializer_list<std::string_view> texts) {
    for (; tenths > 60; tenths -= 5) {
        selectFont(role, tenths, bold);
        if (std::all_of(texts.begin(), texts.end(),
                        [&](std::string_view t) { return s_.textWidth(t) <= room; }))
            return tenths;
    }
    selectFont(role, tenths, bold);
    return tenths;
}

// A remark is the record's own word on the month: it is made smaller, then put on two lines,
// and shortened with "…" only when even that does not hold it. The text font is selected after.
void CardSheet::remark(std::string_view text, int x, int room, int rowTop, int rowHeight) {
    for (int tenths = 100; tenths >= 80; tenths -= 5) {
        selectFont(FontRole::Text, tenths, false);
        if (s_.textWidth(text) <= room) {
            s_.drawText(x, rowTop + rowHeight - rowHeight / 4, text, Align::Left, VAlign::Baseline);
            selectFont(FontRole::Text, 100, false);
            return;
        }
    }
    std::array<std::string, 2> lines;
    for (int tenths = 80; tenths >= 60; tenths -= 5) {
        selectFont(FontRole::Text, tenths, false);
        lines = twoLines(text, room);
        if (s_.textWidth(lines[1]) <= room && 2 * s_.charHeight() <= rowHeight) break;
    }
    const int step = s_.charHeight();
    const int y = rowTop + (rowHeight - 2 * step) / 2;
    s_.drawText(x, y, lines[0], Align::Left, VAlign::Top);
    s_.drawText(x, y + step, fitText(s_, lines[1], room), Align::Left, VAlign::Top);
    selectFont(FontRole::Text, 100, false);
}

// The longest head of `text` at most `room` wide, ended at a blank or after a hyphen where one
// falls inside it, and the rest.
std::array<std::string, 2> CardSheet::twoLines(std::string_view text, int room) const {
    std::size_t fit = 0;
    std::size_t lastBreak = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        // Only between whole UTF-8 characters.
        if (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (s_.textWidth(text.substr(0, i)) > room) break;
        fit = i;
        if (i < text.size() && (text[i] == ' ' || text[i - 1] == '-')) lastBreak = i;
    }
    const std::size_t cut = fit == text.size() || lastBreak == 0 ? fit : lastBreak;
    std::string head(text.substr(0, cut));
    while (!head.empty() && head.back() == ' ') head.pop_back();
    std::string_view rest = text.substr(cut);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return {head, std::string(rest)};
}

// `text` broken into lines at blanks and after hyphens, each at most `room` wide where a word
// allows it.
std::vector<std::string> CardSheet::wrap(std::string_view text, int room) const {
    std::vector<std::string> lines{std::string()};
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(" -", start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        std::string word(text.substr(start, end - start));
        start = end;
        std::string joined = lines.back() + word;
        while (!joined.empty() && joined.back() == ' ') joined.pop_back();
        if (!lines.back().empty() && s_.textWidth(joined) > room)
            lines.push_back(word);
        else
            lines.back() += word;
    }
    for (std::string& line : lines)
        while (!line.empty() && line.back() == ' ') line.pop_back();
    return lines;
}

// A heading centred in its column, its last line on `lastBaseline`, the font made smaller until
// its lines fit the column and `band` above that baseline.
void CardSheet::heading(std::string_view text, int x1, int x2, int lastBaseline, int band) {
    const int room = x2 - x1 - dpiX_ / 20;
    std::vector<std::string> lines;
    for (int tenths = 100; tenths >= 60; tenths -= 5) {
        selectFont(FontRole::Heading, tenths, true);
        lines = wrap(text, room);
        const bool narrow = std::all_of(lines.begin(), lines.end(), [&](const std::string& l) {
            return s_.textWidth(l) <= room;
        });
        if (narrow && static_cast<int>(lines.size()) * s_.charHeight() <= band) break;
    }
    const int step = s_.charHeight();
    int y = lastBaseline - static_cast<int>(lines.size() - 1) * step;
    for (const std::string& line : lines) {
        s_.drawText((x1 + x2) / 2, y, line, Align::Centre, VAlign::Baseline);
        y += step;
    }
}

}  // namespace zelvo::reports
