// The printed publisher record card: the header with name, dates and check boxes, and one or two
// tables of the service year or of a period, drawn on a report Surface so the screen, the
// printer and a PDF file share it.
#pragma once

#include "reports/surface.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

// Which card: the service-year record card, or a period card of the months ending with the
// report month.
enum class CardKind { ServiceYear, SixMonths, YearSoFar, TwelveMonths, TwentyFourMonths };

// The card preferences and the dialog's switches that change the printed card.
struct CardOptions {
    CardKind kind = CardKind::ServiceYear;
    bool screen = false;  // the dialog's card: the short headings
    bool a4 = false;      // the card is a quarter inch narrower on the long page
    // The service-year card only:
    bool previousYear = false;  // the single table shows the previous service year
    bool onePerPage = false;    // one service year per page, else the previous follows
    bool hideBirthDayMonth = false;
    bool printGroups = false;
    // Averages current 1, previous 2; totals current 4, previous 8. On the 24-month card the
    // current is the first table, the previous the second.
    int hidden = 0;
};

// The preferences as the settings keep them.
CardOptions cardOptions(const CZelvoDoc& doc);

// Draws publisher `row`'s card on one page whose top is at `pageTop` on the surface.
void drawRecordCard(const CZelvoDoc& doc, int row, const CardOptions& options, Surface& surface,
                    int pageTop = 0);

}  // namespace zelvo::reports
