// Deleting the late-report list (Επιλογές, "Διαγραφή Καθυστερημένων Εκθέσεων"): the reports stay
// in their months and are simply no longer counted in the report month's branch totals. The
// command is enabled by F11 in the report view, a key the secretary is told about in person.
#pragma once

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::reporting {

// F11 in the report view: the command becomes available while the list holds an entry.
void enableLateReportDeletion(CZelvoDoc& doc);

// The command: asks (OK and Cancel, Cancel the default) and on OK empties the list. True when the
// list was emptied; Cancel changes nothing.
bool deleteLateReports(CZelvoDoc& doc, UserPrompts& prompts);

}  // namespace zelvo::reporting
