#include "reports/record_card.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reporting/status_list_rules.h"
#include "reports/record_card_year.h"
#include "reports/text_fit.h"
#include "resources/language_table.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

// Column edges in hundredths of an inch from the table's left edge. The remark column runs to
// the card's right edge, so the values past the last inner line are not used.
constexpr std::array kNewEdges{115, 191, 254, 335, 450};
constexpr std::array kOldEdges{117, 194, 271, 348, 425, 505};
// Inner lines that stop above the totals line.
constexpr int kShortLines = 3;
// Check-box positions in percent of the card width, by header line.
constexpr int kMalePos = 70, kFemalePos = 88;
constexpr std::array kThirdRow{1, 18, 42, 66, 88};

class CardDrawing {
public:
    CardDrawing(const CZelvoDoc& doc, int row, const CardOptions& options, Surface& surface,
                int pageTop)
        : doc_(doc),
          row_(row),
          options_(options),
          s_(surface),
          p_(doc.publishers[static_cast<std::size_t>(row)]) {
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

    void draw() {
        drawHeader();
        if (options_.onePerPage) {
            drawTable(cardYear(doc_, row_, options_.previousYear), 2 * dpiY_,
                      options_.previousYear);
            return;
        }
        drawTable(cardYear(doc_, row_, false), 2 * dpiY_, false);
        drawTable(cardYear(doc_, row_, true), 13 * dpiY_ / 2, true);
    }

private:
    // A point font at the surface's resolution; `tenths` of a point.
    void selectFont(FontRole role, int tenths, bool bold) {
        LogicalFont f;
        f.height = -tenths * dpiY_ / 720;
        f.weight = bold ? 700 : 400;
        f.charSet = charSet_;
        f.pitchAndFamily = pitch_;
        f.faceName = face_;
        s_.selectFont(role, f);
    }
    // Pens in units per 300 dots per inch.
    void pen(int units) { s_.setPenWidth(std::max(1, units * dpiX_ / 300)); }
    int atPercent(int percent) const { return left_ + (right_ - left_) * percent / 100; }

    void drawHeader() {
        selectFont(FontRole::Title, 150, true);
        s_.drawText((left_ + right_) / 2, top_ - dpiY_ * 5 / 8, res::kCardTitle, Align::Centre,
                    VAlign::Baseline);
        selectFont(FontRole::Heading, 125, true);
        lineHeight_ = s_.charHeight() * 5 / 4;
        const int datesEnd = atPercent(kMalePos) - dpiX_ / 10;
        std::string birth = cp1253::toUtf8(reporting::dateShown(p_.birthDate()));
        // Only the year: the date ends with it.
        if (options_.hideBirthDayMonth && birth.size() > 4) birth = birth.substr(birth.size() - 4);
        std::string group;
        const int groupNumber = doc_.groupOf(row_, false);
        if (options_.printGroups && groupNumber > 0) group = std::to_string(groupNumber);
        drawField(0, res::kCardName, cp1253::toUtf8(doc_.displayName(row_)), right_, group);
        drawField(1, res::kCardBirthDate, birth, datesEnd, {});
        drawField(2, res::kCardBaptismDate, cp1253::toUtf8(reporting::dateShown(p_.baptismDate())),
                  datesEnd, {});

        // The labels of a row end before the next box, on any printer's face.
        const int room = atPercent(kThirdRow[2] - kThirdRow[1]) - left_ - boxSide() * 2;
        const int size = selectFitting(FontRole::Text, 100, false, room,
                                       {res::kTickElder, res::kPrivilegeServant, res::kTickRegular,
                                        res::kTickSpecial, res::kCardOtherSheep});
        const std::uint8_t privileges = p_.privileges();
        const bool baptized = cardBaptized(p_.baptismDate());
        const bool anointed = p_.hope() == 'A';
        const CalendarState& cal = doc_.calendar;
        const int pioneer = doc_.pioneerKindOf(row_, cal.reportMonth, cal.reportSlot());
        const int code = privileges & privilege::kCodeMask;
        tick(1, kMalePos, res::kTickMale, (privileges & privilege::kMale) != 0);
        tick(1, kFemalePos, res::kTickFemale, (privileges & privilege::kFemale) != 0);
        tick(2, kMalePos, res::kCardOtherSheep, baptized && !anointed);
        tick(2, kFemalePos, res::kTickAnointed, baptized && anointed);
        const std::array<std::pair<std::string_view, bool>, 5> third{{
            {res::kTickElder, code == privilege::kElder},
            {res::kPrivilegeServant, code == privilege::kServant},
            {res::kTickRegular, pioneer == 2},
            {res::kTickSpecial, pioneer == 3},
            {res::kCardMissionary, (p_.appointmentBits() & appointment::kFieldMissionary) != 0},
        }};
        for (std::size_t k = 0; k < third.size(); ++k) {
            // The last label alone gives way to the card's right edge.
            if (k + 1 == third.size())
                selectFitting(FontRole::Text, size, false, right_ - labelX(kThirdRow[k]),
                              {res::kCardMissionary, res::kCardInTheField});
            tick(3, kThirdRow[k], third[k].first, third[k].second);
        }
        s_.drawText(labelX(kThirdRow[4]), baseline(4), res::kCardInTheField, Align::Left,
                    VAlign::Baseline);
    }

    int baseline(int line) const { return top_ + line * lineHeight_; }
    int boxSide() const { return dpiX_ / 10; }
    int labelX(int percent) const { return atPercent(percent) + boxSide() * 3 / 2; }

    // "Label:  value" with the value on a rule up to `ruleEnd`; `rightText` at the rule's end.
    void drawField(int line, std::string_view label, const std::string& value, int ruleEnd,
                   const std::string& rightText) {
        const int y = baseline(line);
        const std::string head = std::string(label) + ":  ";
        const int x = left_ + s_.textWidth(head);
        s_.drawText(left_, y, head, Align::Left, VAlign::Baseline);
        s_.drawText(x, y, value, Align::Left, VAlign::Baseline);
        if (!rightText.empty()) s_.drawText(ruleEnd, y, rightText, Align::Right, VAlign::Baseline);
        pen(1);
        s_.drawLine(x, y + dpiY_ / 30, ruleEnd, y + dpiY_ / 30);
    }

    void box(int x, int bottom, bool crossed) {
        const int side = boxSide();
        pen(1);
        s_.drawRect({x, bottom - side, x + side, bottom});
        if (!crossed) return;
        s_.drawLine(x, bottom - side, x + side, bottom);
        s_.drawLine(x, bottom, x + side, bottom - side);
    }

    void tick(int line, int percent, std::string_view label, bool on) {
        box(atPercent(percent), baseline(line), on);
        s_.drawText(labelX(percent), baseline(line), label, Align::Left, VAlign::Baseline);
    }

    // The table whose nominal top is `offset` below the page top.
    void drawTable(const CardYear& year, int offset, bool previous) {
        const int shift = dpiY_ / 6;  // the header's second line of "στον αγρό"
        const int top = pageTop_ + offset + dpiY_ / 4 + shift;
        const int height = 7 * dpiY_ / 2 * 9 / 8 - shift;
        const int rows = year.newForm ? 14 : 15;  // the old form adds the averages line
        const int rowHeight = height / rows;
        const int frameTop = top - height / 10;
        const int bottom = top + height;
        const int totalsTop = top + 13 * rowHeight;

        std::vector<int> edges{left_};
        for (int e : year.newForm ? std::vector<int>(kNewEdges.begin(), kNewEdges.end())
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
                      {res::kCardServiceYear});
        s_.drawText(firstCentre, top - 58 * dpiY_ / 300, res::kCardServiceYear, Align::Centre,
                    VAlign::Baseline);
        s_.drawText(firstCentre, top - 19 * dpiY_ / 300, std::to_string(year.serviceYear),
                    Align::Centre, VAlign::Baseline);
        static constexpr std::array<std::string_view, 5> kNewHeadings{
            res::kCardTookPart, res::kCardStudies, res::kCardAuxiliary, res::kCardPioneerHours,
            res::kPioneerRemarksColumn};
        static constexpr std::array<std::string_view, 6> kOldHeadings{
            res::kCardPlacements,   res::kCardVideos,  res::kHeadingHours,
            res::kCardReturnVisits, res::kCardStudies, res::kPioneerRemarksColumn};
        for (std::size_t k = 1; k + 1 <= edges.size() - 1; ++k)
            heading(year.newForm ? kNewHeadings[k - 1] : kOldHeadings[k - 1], edges[k],
                    edges[k + 1], top + rowHeight - rowHeight / 4,
                    top + rowHeight - frameTop - rowHeight / 4);

        selectFont(FontRole::Text, 100, false);
        const auto rowBase = [&](int i) { return top + (i + 1) * rowHeight - rowHeight / 4; };
        const auto centre = [&](std::size_t k) { return (edges[k] + edges[k + 1]) / 2; };
        const int pad = dpiX_ / 20;
        for (int i = 0; i < 12; ++i) {
            const CardMonth& m = year.months[static_cast<std::size_t>(i)];
            const int y = rowBase(i + 1);
            s_.drawText(left_ + pad, y, res::monthName(m.month), Align::Left, VAlign::Baseline);
            if (m.blank) continue;
            std::vector<std::string> cells;
            if (year.newForm) {
                const int side = boxSide();
                box(centre(1) - side / 2, y, m.reported);
                box(centre(3) - side / 2, y, m.auxiliary);
                cells = {{}, number(m.studies), {}, m.hours};
            } else {
                cells = {number(m.old[0]), number(m.old[1]), m.hours, number(m.old[2]),
                         number(m.studies)};
            }
            for (std::size_t k = 0; k < cells.size(); ++k)
                if (!cells[k].empty())
                    s_.drawText(centre(k + 1), y, cells[k], Align::Centre, VAlign::Baseline);
            const std::size_t last = edges.size() - 2;
            s_.drawText(edges[last] + pad, y,
                        fitText(s_, m.remark, edges[last + 1] - edges[last] - 2 * pad), Align::Left,
                        VAlign::Baseline);
        }
        const std::size_t hoursColumn = year.newForm ? 4 : 3;
        s_.drawText(left_ + pad, rowBase(13), res::kCardTotal, Align::Left, VAlign::Baseline);
        const int totalsBit = previous ? 8 : 4;
        if ((options_.hidden & totalsBit) == 0)
            s_.drawText(centre(hoursColumn), rowBase(13), year.total, Align::Centre,
                        VAlign::Baseline);
        if (year.newForm) return;
        s_.drawText(left_ + pad, rowBase(14), res::kCardAverage, Align::Left, VAlign::Baseline);
        const int averagesBit = previous ? 2 : 1;
        if ((options_.hidden & averagesBit) != 0) return;
        for (std::size_t k = 0; k < year.averages.size(); ++k)
            s_.drawText(centre(k + 1), rowBase(14), year.averages[k], Align::Centre,
                        VAlign::Baseline);
    }

    static std::string number(int value) {
        return value == 0 ? std::string() : std::to_string(value);
    }

    // Selects the largest size up to `tenths` of a point, and not below six points, at which
    // every text is at most `room` wide; returns that size.
    int selectFitting(FontRole role, int tenths, bool bold, int room,
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

    // `text` broken into lines at blanks and after hyphens, each at most `room` wide where a
    // word allows it.
    std::vector<std::string> wrap(std::string_view text, int room) const {
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

    // A heading centred in its column, its last line on `lastBaseline`, the font made smaller
    // until its lines fit the column and `band` above that baseline.
    void heading(std::string_view text, int x1, int x2, int lastBaseline, int band) {
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

    const CZelvoDoc& doc_;
    int row_;
    const CardOptions& options_;
    Surface& s_;
    const PublisherRecord& p_;
    int dpiX_ = 0, dpiY_ = 0, left_ = 0, right_ = 0, top_ = 0, pageTop_ = 0;
    int lineHeight_ = 0;
    std::string face_;
    int pitch_ = 34;
    int charSet_ = 0;
};

}  // namespace

CardOptions cardOptions(const CZelvoDoc& doc) {
    const Settings& s = doc.settings;
    CardOptions o;
    o.onePerPage = s.onePerPage != 0;
    o.hideBirthDayMonth = s.hideBirthDates != 0;
    o.printGroups = s.printGroups != 0;
    o.hidden = s.hideAverages;
    return o;
}

void drawRecordCard(const CZelvoDoc& doc, int row, const CardOptions& options, Surface& surface,
                    int pageTop) {
    CardDrawing(doc, row, options, surface, pageTop).draw();
}

}  // namespace zelvo::reports
