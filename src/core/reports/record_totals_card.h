// The congregation's own record cards: one per totals category, from the monthly totals
// (MonthTotals) the history editor's totals mode corrects, drawn as a person's card is.
#pragma once

#include <array>

#include "reporting/history_model.h"
#include "reports/record_card.h"
#include "reports/record_card_year.h"

namespace zelvo::reports {

// The categories that have a card; the active publishers are a count, not a card.
inline constexpr std::array kTotalsCards{reporting::TotalsCategory::Publishers,
                                         reporting::TotalsCategory::Auxiliary,
                                         reporting::TotalsCategory::Pioneers};

// The months of a category; the pioneers are the regular and the special pioneers together.
MonthSource totalsMonths(const CZelvoDoc& doc, reporting::TotalsCategory category);

// Draws the card of `category` on one page whose top is at `pageTop`: the category's name, no
// dates and no check boxes, and the tables of the card kind. Nothing for the active count.
void drawTotalsCard(const CZelvoDoc& doc, reporting::TotalsCategory category,
                    const CardOptions& options, Surface& surface, int pageTop = 0);

}  // namespace zelvo::reports
