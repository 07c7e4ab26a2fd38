// How a field service group is named wherever it is listed: its label name when it uses one,
// else "Όμιλος #" and its number; and the title of its overseer on printed lists.
#pragma once

#include <string>

namespace zelvo {

class CZelvoDoc;
struct ServiceGroupTable;

// True when group `n` uses a label name of more than one character.
bool groupHasOwnName(const ServiceGroupTable& groups, int n);

// Group `n` (1-20), UTF-8: the label name when the use-label flag is set and the label has more
// than one character; otherwise "Όμιλος # n".
std::string groupCaption(const ServiceGroupTable& groups, int n);

// The title printed lists give the group's overseer: "Υπηρέτης: %1" for a ministerial servant,
// "Επίσκοπος: %1" for an elder, "Οδηγός: %1" for another active publisher of that name (first
// name, a blank, last name), and "Επίσκοπος: %1" when no active publisher has it (UTF-8).
std::string overseerTitle(const CZelvoDoc& doc, int n);

// The groups in use: the table's count, never more than the table holds.
int groupsInUse(const ServiceGroupTable& groups);

}  // namespace zelvo
