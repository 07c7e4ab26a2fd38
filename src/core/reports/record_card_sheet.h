// The drawing a person's record card and the congregation's totals cards share: the page's
// geometry, fonts and pens, the title, the header's fields and check boxes, and the tables.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "reports/record_card.h"
#include "reports/record_card_year.h"

namespace zelvo::reports {

class CardSheet {
public:
    // A card on the page whose top is at `pageTop` on the surface.
    CardSheet(const CZelvoDoc& doc, const CardOptions& options, Surface& surface, int pageTop);

    // The title centred over the card; then the header's font is selected.
    void title(std::string_view text);
    // "Label:  value" on header line `line`, the value on a rule up to `ruleEnd`; `rightText`
    // at the rule's end.
    void field(int line, std::string_view label, const std::string& value, int ruleEnd,
               const std::string& rightText);
    // The first table at the top, a second one below it.
    void tables(const std::vector<CardTable>& tables);

    // The header's check boxes, at percent positions of the card width.
    int atPercent(int percent) const { return left_ + (right_ - left_) * percent / 100; }
    int baseline(int line) const { return top_ + line * lineHeight_; }
    int boxSide() const { return dpiX_ / 10; }
    int labelX(int percent) const { return atPercent(percent) + boxSide() * 3 / 2; }
    int left() const { return left_; }
    int right() const { return right_; }
    int dpiX() const { return dpiX_; }
    void tick(int line, int percent, std::string_view label, bool on);
    void text(int x, int line, std::string_view text);
    // Selects the largest size up to `tenths` of a point, and not below six points, at which
    // every text is at most `room` wide; returns that size.
    int selectFitting(FontRole role, int tenths, bool bold, int room,
                      std::initializer_list<std::string_view> texts);

private:
    void selectFont(FontRole role, int tenths, bool bold);
    void pen(int units);
    void box(int x, int bottom, bool crossed);
    void drawTable(const CardTable& table, int offset);
    void heading(std::string_view text, int x1, int x2, int lastBaseline, int band);
    std::vector<std::string> wrap(std::string_view text, int room) const;
    void remark(std::string_view text, int x, int room, int rowTop, int rowHeight);
    std::array<std::string, 2> twoLines(std::string_view text, int room) const;

    const CardOptions& options_;
    Surface& s_;
    int dpiX_ = 0, dpiY_ = 0, left_ = 0, right_ = 0, top_ = 0, pageTop_ = 0;
    int lineHeight_ = 0;
    std::string face_;
    int pitch_ = 34;
    int charSet_ = 0;
};

}  // namespace zelvo::reports
