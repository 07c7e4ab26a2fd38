// Rows of a table placed on pages: from the first row line of each page down to the last line
// the printable part of the sheet holds at the printer's resolution, so the screen breaks its
// pages where the paper does and no row runs past its page at any top margin.
#pragma once

#include "reports/page_header.h"
#include "reports/page_model.h"
#include "reports/report_routines.h"

namespace zelvo::reports {

struct LinePlace {
    int page = 0;
    int line = 0;
};

struct RowPages {
    int firstLine = kFirstRowLine;  // the page header's lines come first
    int lastLine = kFirstRowLine;   // the last line a row may take

    int perPage() const { return lastLine - firstLine + 1; }
    LinePlace row(int index) const;
    // Where a block of `lines` lines goes `gap` lines below the last of `rows` rows (below the
    // headings when there are none): on that page when it fits, else at the first row line of
    // the next.
    LinePlace after(int rows, int gap, int lines) const;
    // The pages of `rows` rows and such a block after them.
    int pages(int rows, int gap = 0, int lines = 0) const {
        return after(rows, gap, lines).page + 1;
    }
};

// The rows a page holds, measured with the text font on the printer; `page`'s line height is
// made to fit them on this surface.
RowPages rowPagesFor(Surface& surface, const ReportContext& context, ReportPage& page);

}  // namespace zelvo::reports
