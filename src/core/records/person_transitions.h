// The moves of a person between the lists: active, inactive, moved and deleted. Each rewrites the
// person's record in its slot (same row, same id), rebuilds the lists and marks the document
// modified; each can…() says why its move cannot run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/publisher_record.h"

namespace zelvo {
class CZelvoDoc;
}  // namespace zelvo

namespace zelvo::records {

// Why a transition cannot run (UTF-8, one line for the user), or nothing when it can.
using Refusal = std::optional<std::string>;

// How many people each list takes: a move into the inactive or deleted list is refused when it
// holds more than 298, into the moved list when it holds 199 or more.
inline constexpr int kInactiveListLimit = 299;
inline constexpr int kDeletedListLimit = 299;
inline constexpr int kMovedListLimit = 199;

Refusal canMoveToInactive(const CZelvoDoc& doc, int row);     // kind 0; inactive list not full
Refusal canReactivate(const CZelvoDoc& doc, int row);         // kind 1
Refusal canRemoveToDeleted(const CZelvoDoc& doc, int row);    // kind 0 or 1; deleted list not full
Refusal canRestore(const CZelvoDoc& doc, int row);            // kind 4
Refusal canMoveAway(const CZelvoDoc& doc, int row);           // kind 0 or 1; moved list not full
Refusal canUndoMove(const CZelvoDoc& doc, int row);           // kind 3 (see undoMove)
Refusal canDeletePermanently(const CZelvoDoc& doc, int row);  // kinds 0-4, not row 0

// `month` 1-12 of the four-digit `year`. The flag byte loses the custom category and the
// group-list exclusion; everything else of the person stays.
void moveToInactive(CZelvoDoc& doc, int row, int month, int year);
// Reactivation and restoring are zelvo::reactivatePublisher and zelvo::restoreDeletedPublisher
// (records/reactivation.h); permanent deletion is records::deletePerson (publisher_table.h).

// `month` 1-12, or 0 when the month is not known; `year` four digits, 1950 on. The household
// links to the person and the person's appointments go.
void removeToDeleted(CZelvoDoc& doc, int row, int month, int year);

// `month` 1-12. An inactive person keeps the inactive month in the 'I' marker, so that an undo
// returns the person to the inactive list as before. The e-mail link and the person's own
// household link are dropped.
void moveAway(CZelvoDoc& doc, int row, int month);

// The person moved while inactive (the 'I' marker): undo needs no month.
bool movedWhileInactive(const PublisherRecord& r);

// `month` (1-12) and `regular` (returned as a regular publisher, status code 4) are used only
// when the person did not move while inactive. One who moved while inactive goes back to the
// inactive list, which must have room for the person (canUndoMove). The person's own contact
// extra, still in its file, is linked again.
void undoMove(CZelvoDoc& doc, int row, int month, bool regular);

// The question of the month chooser for a transition: "Μήνας που" + name + verb.
std::string monthQuestion(const CZelvoDoc& doc, int row, std::string_view verbUtf8);
std::string monthQuestion(std::string_view nameUtf8, std::string_view verbUtf8);

// The person's display name in UTF-8, as the lists and questions show it.
std::string personName(const CZelvoDoc& doc, int row);

}  // namespace zelvo::records
