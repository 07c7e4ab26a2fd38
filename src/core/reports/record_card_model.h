// The card dialog as data: the list (active publishers, inactive persons, or the congregation's
// totals cards), the card shown, its kind and switches, the options handed to the drawing, what
// each button may do now, and the cards of each job.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reporting/history_model.h"
#include "reports/record_card.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

// The cards of a job: a person's card for each row, or one totals card.
struct CardSet {
    std::vector<int> rows;
    std::optional<reporting::TotalsCategory> totals;
    int size() const { return totals ? 1 : static_cast<int>(rows.size()); }
};

// Draws card `card` (from 0) of `cards` on one page whose top is at `pageTop`.
void drawCardOf(const CZelvoDoc& doc, const CardSet& cards, int card, const CardOptions& options,
                Surface& surface, int pageTop = 0);

class RecordCardModel {
public:
    // Opens on the active list's first person, the service-year card.
    explicit RecordCardModel(const CZelvoDoc& doc);

    std::string title() const;

    // --- the list ---
    std::vector<std::string> entries() const;   // UTF-8
    int position() const { return position_; }  // -1 while the list is empty
    void choose(int position);
    int shownRow() const;  // table row of the person shown; 0 when none
    bool inactive() const { return inactive_; }
    void setInactive(bool on);
    bool inactiveEnabled() const { return !totals_; }
    // The congregation's own cards, one per totals category, in place of the people.
    bool totals() const { return totals_; }
    void setTotals(bool on);
    // The list again after the people or the lists were edited: the person with `id` when
    // listed, else the same person, else the same place.
    void refill(int id = 0);

    // --- the card ---
    static std::vector<std::string> kindTexts();  // in the order of CardKind
    CardKind kind() const { return kind_; }
    void setKind(CardKind kind) { kind_ = kind; }
    bool previousYear() const { return previousYear_; }
    void setPreviousYear(bool on) { previousYear_ = on; }
    // The previous year is a choice of the service-year card only.
    bool previousYearEnabled() const { return kind_ == CardKind::ServiceYear; }
    // The preferences of the settings with the dialog's switches. The screen shows one service
    // year, the one the switch chooses; paper follows the preferences.
    CardOptions options(bool screen) const;
    // How far down the page the screen's card reaches: one table, or the 24-month card's two.
    double screenInches() const { return kind_ == CardKind::TwentyFourMonths ? 10.85 : 6.35; }
    // The card shown (nothing while the list is empty).
    CardSet shownCard() const;

    // --- what the buttons may do now (`live`: no month copy is open and the data is writable) ---
    bool canPrintShown() const { return shownCard().size() > 0; }
    bool canPrintChosen() const { return !totals_ && !rows_.empty(); }
    bool canWriteAll(bool inactiveList) const { return !jobRows(inactiveList).empty(); }
    bool canEdit(bool live) const { return live && shownRow() != 0; }
    bool canOpenHistory(bool live) const { return live && canPrintShown(); }

    // Every person of the active (or inactive) list, in its order.
    std::vector<int> jobRows(bool inactiveList) const;
    // The rows of chosen ids, in the order chosen; ids no longer in the table are left out.
    std::vector<int> rowsOf(const std::vector<int>& ids) const;
    // The history editor on the person or the totals category shown.
    reporting::HistoryPreset historyPreset() const;

private:
    const CZelvoDoc& doc_;
    std::vector<int> rows_;  // table rows of the people listed, in list order
    // Their ids: after an edit the rows may hold other people, so the person shown is found
    // again by id, never by the row it had.
    std::vector<int> ids_;
    int position_ = -1;
    bool inactive_ = false;
    bool totals_ = false;
    CardKind kind_ = CardKind::ServiceYear;
    bool previousYear_ = false;

    int count() const;
    // The list afresh, on the first of the two people listed, else near `place`.
    void fill(int firstId, int secondId, int place);
};

}  // namespace zelvo::reports
