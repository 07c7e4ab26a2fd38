// The list dialogs of the inactive, moved and deleted people and the removal dialog: what they
// list, their period filters and captions. The dialogs run the moves of person_transitions.h.
#pragma once

#include <string>
#include <vector>

#include "records/person_transitions.h"

namespace zelvo {
class CZelvoDoc;
struct CalendarState;
struct PublisherRecord;
}  // namespace zelvo

namespace zelvo::records {

// The period filters of the inactive list (1-5) and of the moved list (1-3), which the status
// lists apply too.
bool inactivePeriodShown(const CalendarState& cal, const PublisherRecord& r, int period);
bool movedPeriodShown(const CalendarState& cal, const PublisherRecord& r, int period);

struct PersonRow {
    int row = 0;
    std::string text;  // "name\tdetail" as the dialog's list shows it (tab stop in the dialog)
};

// The inactive dialog, also in its deleted-list form. The rows are read from the document at each
// call, so they follow the transitions run meanwhile.
class InactiveListsModel {
public:
    enum class Form { Inactive, Deleted };
    InactiveListsModel(const CZelvoDoc& doc, Form form);
    Form form() const { return form_; }
    std::string title() const;
    std::string leftCaption() const;
    bool rightListVisible() const { return form_ == Form::Inactive; }  // and the period button
    std::string rightCaption() const;
    // Inactive: name, then the year and month of becoming inactive, filtered by the period.
    // Deleted: name, then the month and year of the deletion.
    std::vector<PersonRow> leftRows() const;
    // Active publishers without a report for six months (empty in the deleted form).
    std::vector<PersonRow> rightRows() const;
    int period() const { return period_; }  // 1-5; opens on 5
    void nextPeriod();                      // 1→2→3→4→5→1
    std::string periodCaption() const;
    std::string actionCaption(bool leftListActive) const;
    bool editAndDeleteVisible(bool leftListActive) const { return leftListActive; }

private:
    const CZelvoDoc& doc_;
    Form form_;
    int period_ = 5;
};

// The moved dialog.
class MovedListsModel {
public:
    explicit MovedListsModel(const CZelvoDoc& doc);
    std::string rightCaption() const;  // "Χωρίς Έκθεση τον …" with the report month
    bool inactiveTick() const { return inactiveTick_; }
    void setInactiveTick(bool on) { inactiveTick_ = on; }  // right list: every inactive person
    std::vector<PersonRow> leftRows() const;               // moved people, filtered by the period
    // Active publishers with nothing reported for the report month (no hours, no quarters, no
    // participation), or with the tick every inactive person.
    std::vector<PersonRow> rightRows() const;
    int period() const { return period_; }  // 1-3; opens on 3
    void nextPeriod();
    std::string periodCaption() const;
    std::string actionCaption(bool leftListActive) const;
    bool undoVisible(bool leftListActive) const { return leftListActive; }

private:
    const CZelvoDoc& doc_;
    bool inactiveTick_ = false;
    int period_ = 3;
};

// The removal dialog ("Διαγραφή"): permanent, or to the deleted list with a month and year.
class RemovalModel {
public:
    RemovalModel(const CZelvoDoc& doc, int row, int currentYear);
    int row() const { return row_; }
    std::string caption() const { return caption_; }         // the person's display name
    std::vector<std::string> monthEntries() const;           // blank, then the 12 abbreviations
    std::vector<int> yearEntries() const;                    // 1950 … currentYear
    int initialMonthEntry() const { return initialMonth_; }  // the report month's entry
    int initialYearEntry() const;                            // currentYear's entry
    bool temporary = false;  // "Προσωρινή Διαγραφή"; permanent by default
    int monthEntry = 0;      // 0 the blank entry: the month is not known
    int yearEntry = 0;
    // Runs the choice: permanent → deletePerson; temporary → removeToDeleted with the month of
    // the entry (0 for the blank one, listed without a month) and the year. Returns the refusal
    // (a full deleted list, a person of another list) with nothing changed.
    Refusal apply(CZelvoDoc& doc) const;

private:
    int row_;
    int currentYear_;
    int initialMonth_;
    std::string caption_;
};

}  // namespace zelvo::records
