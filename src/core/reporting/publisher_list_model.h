// The publisher list of the month's collection: the active publishers, filtered by group and by
// "Μη Καταχωρημένοι", the last person entered, the month's running totals, and closing the
// collection. The report form it leads to is not part of it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/side_records.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reporting {

class PublisherListModel {
public:
    struct Entry {
        std::string name;  // UTF-8
        int row = 0;
    };
    // The totals grid: five rows (headings, publishers, auxiliary pioneers, regular pioneers,
    // totals) of seven columns (category, reports counted, placements, videos, hours, return
    // visits, studies). The totals row is drawn in blue.
    using Grid = std::array<std::array<std::string, 7>, 5>;
    static constexpr int kTotalsRow = 4;

    // Opening the list: the branch totals are computed and the collection state of the month
    // after next is reset, so a state left from a year before never survives.
    explicit PublisherListModel(CZelvoDoc& doc);

    // Texts, UTF-8.
    std::string title() const;
    std::string closeCaption() const;
    std::string lastPerson() const;
    std::string importLabel() const;

    // "Εκκλησία", then one entry per group; the first is chosen at first.
    const std::vector<std::string>& groupEntries() const { return groups_; }
    int groupChoice() const { return group_; }
    void chooseGroup(int index);
    bool unreportedOnly() const { return unreportedOnly_; }
    void setUnreportedOnly(bool on);

    const std::vector<Entry>& entries() const { return entries_; }
    // The selected position; -1 when the list is empty.
    int selected() const { return selected_; }
    void select(int position);
    std::optional<int> selectedRow() const;
    // Fills the list again; the selection keeps its position when the list is still that long,
    // else goes to the first entry.
    void refill();

    // OK opens the report form for the selected person.
    bool okEnabled() const { return selectedRow().has_value(); }
    // After the report form or an import: the totals again, and the list refilled while
    // "Μη Καταχωρημένοι" is ticked (the person entered drops out, the position stays).
    void refresh();
    // The close button: the collection of the report month is closed (state 2).
    void closeCollection();

    Grid totalsGrid() const;
    static Grid totalsGrid(const ReportTotals& totals, bool newForm);

private:
    CZelvoDoc& doc_;
    std::vector<std::string> groups_;
    int group_ = 0;
    bool unreportedOnly_ = false;
    std::vector<Entry> entries_;
    int selected_ = -1;
};

}  // namespace zelvo::reporting
