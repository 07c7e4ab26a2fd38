#include "gui/records/list_transitions.h"

#include "gui/reporting/month_chooser_dialog.h"
#include "records/person_transitions.h"
#include "records/publisher_table.h"
#include "records/reactivation.h"
#include "reporting/month_chooser_model.h"
#include "resources/strings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

using Chooser = reporting::MonthChooserModel;

// False, after telling why, when the move is refused.
bool allowed(UserPrompts& prompts, const records::Refusal& refusal) {
    if (refusal) prompts.showMessage(*refusal);
    return !refusal;
}

// The month chooser on the report month; month 0 when cancelled.
Chooser::Result askMonth(QWidget* parent, const CZelvoDoc& doc, const std::string& caption,
                         int mode) {
    return chooseMonth(parent, doc.calendar, doc.calendar.reportMonth, caption, mode);
}

Chooser::Result askMonthOf(QWidget* parent, const CZelvoDoc& doc, int row, std::string_view verb,
                           int mode) {
    return askMonth(parent, doc, records::monthQuestion(doc, row, verb), mode);
}

}  // namespace

bool askMoveToInactive(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row) {
    if (!allowed(prompts, records::canMoveToInactive(doc, row))) return false;
    const auto chosen = askMonthOf(parent, doc, row, res::kVerbBecameInactive, Chooser::kWithYear);
    if (chosen.month == 0) return false;
    records::moveToInactive(doc, row, chosen.month, chosen.year);
    return true;
}

bool askReactivate(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row) {
    if (!allowed(prompts, records::canReactivate(doc, row))) return false;
    const auto chosen = askMonthOf(parent, doc, row, res::kVerbReactivated, Chooser::kMonthOnly);
    if (chosen.month == 0) return false;
    reactivatePublisher(doc, row, chosen.month - 1);
    return true;
}

bool askRestore(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row) {
    if (!allowed(prompts, records::canRestore(doc, row))) return false;
    const auto chosen = askMonth(parent, doc, records::personName(doc, row), Chooser::kMonthOnly);
    if (chosen.month == 0) return false;
    restoreDeletedPublisher(doc, row, chosen.month - 1);
    return true;
}

bool askMoveAway(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row) {
    if (!allowed(prompts, records::canMoveAway(doc, row))) return false;
    const auto chosen = askMonthOf(parent, doc, row, res::kVerbMoved, Chooser::kMonthOnly);
    if (chosen.month == 0) return false;
    records::moveAway(doc, row, chosen.month);
    return true;
}

bool askUndoMove(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row) {
    if (!allowed(prompts, records::canUndoMove(doc, row))) return false;
    if (!prompts.askOkCancel(res::format(res::kReallyUndoMove, records::personName(doc, row))))
        return false;
    // Back to the inactive list with the month saved when moving: nothing more to ask.
    if (records::movedWhileInactive(doc.publishers[static_cast<std::size_t>(row)])) {
        records::undoMove(doc, row, 0, false);
        return true;
    }
    const auto chosen = askMonthOf(parent, doc, row, res::kVerbReturned, Chooser::kRegularTick);
    if (chosen.month == 0) return false;
    records::undoMove(doc, row, chosen.month, chosen.regular);
    return true;
}

bool askDeleteForever(CZelvoDoc& doc, UserPrompts& prompts, int row) {
    if (!allowed(prompts, records::canDeletePermanently(doc, row))) return false;
    if (!prompts.askOkCancel(res::format(res::kReallyDelete, records::personName(doc, row))))
        return false;
    records::deletePerson(doc, row);
    return true;
}

}  // namespace zelvo::gui
