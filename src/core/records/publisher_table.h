// The publisher table as the editing dialogs change it: the sorted insert with its duplicate
// rules, removing a person, and a student becoming a publisher.
#pragma once

#include "store/publisher_record.h"

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::records {

// The table holds 1,509 people besides its header row.
bool tableFull(const CZelvoDoc& doc);

// The order of the table: a circuit overseer (kind 5) after everyone; otherwise the display
// names in the form in force, trimmed, without regard to letter case.
bool sortsBefore(const CZelvoDoc& doc, const PublisherRecord& a, const PublisherRecord& b);

enum class InsertOutcome {
    Inserted,          // at `row`
    ReplacedExisting,  // a duplicate answered Yes: the record went over the one at `row`
    Dropped,           // a duplicate answered No: nothing changed
    TableFull,         // nothing changed; the user was told
};
struct InsertResult {
    InsertOutcome outcome = InsertOutcome::Dropped;
    int row = 0;
    PublisherRecord replaced{};  // ReplacedExisting: the person's record as it was
};

// Adds `record` in its sorted place, asking about a duplicate name (Yes/No, No the default);
// Yes puts the new information over the existing person (records/new_information.h).
// Rebuilds the list indexes and marks the document modified when something changed.
InsertResult insertNew(CZelvoDoc& doc, const PublisherRecord& record, UserPrompts& prompts);

// After the first or last name of `row` changed: moves the row to its place. A duplicate name is
// only told. Returns the row the person is now at.
int resortRenamed(CZelvoDoc& doc, int row, UserPrompts& prompts);

// The household links that point to the person `id` are cleared.
void clearHouseholdLinksTo(CZelvoDoc& doc, std::uint16_t id);
// The appointment records of the person `id` (privilege dates, consent date) are removed.
void removeAppointmentsOf(CZelvoDoc& doc, std::uint16_t id);

// Removes the person at `row`: household links to it cleared, its remarks blanked (and the remark
// table compacted), its appointments removed, the rows after it moved up.
void deletePerson(CZelvoDoc& doc, int row);

// The student at `row` becomes a new publisher in `month` (1-12) of the current year, or of the
// year before when that month lies after the report month.
void studentBecomesPublisher(CZelvoDoc& doc, int row, int month);

}  // namespace zelvo::records
