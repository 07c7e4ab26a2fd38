#include "reports/record_totals_card.h"

#include <string>
#include <vector>

#include "reports/record_card_sheet.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

MonthSource totalsMonths(const CZelvoDoc& doc, reporting::TotalsCategory category) {
    std::vector<int> rows{static_cast<int>(category)};
    if (category == reporting::TotalsCategory::Pioneers) rows = {2, 3};  // regular, special
    return [&doc, rows](int month, int slot) {
        const auto sum = [&](int value) {
            long total = 0;
            for (int c : rows) total += doc.monthTotals.value(month, c, value, slot);
            return total;
        };
        MonthFigures f;
        // The sums stand as they are: a month without reports holds zeros.
        f.reported = true;
        f.reports = static_cast<int>(sum(reporting::totals_value::kReports));
        f.studies = static_cast<int>(sum(4));
        f.hours = sum(2);
        f.quarters = sum(reporting::totals_value::kQuarters);
        f.old = {sum(0), sum(1), sum(3)};
        return f;
    };
}

void drawTotalsCard(const CZelvoDoc& doc, reporting::TotalsCategory category,
                    const CardOptions& options, Surface& surface, int pageTop) {
    if (category == reporting::TotalsCategory::Active) return;
    CardSheet sheet(doc, options, surface, pageTop);
    sheet.title(cardTitle(options.kind));
    sheet.field(0, res::kCardName, std::string(reporting::totalsCategoryName(category)),
                sheet.right(), {});
    std::vector<CardTable> tables = cardTables(doc.calendar, options, totalsMonths(doc, category));
    for (CardTable& t : tables) t.counts = true;
    sheet.tables(tables);
}

}  // namespace zelvo::reports
