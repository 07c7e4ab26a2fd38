// How printed reports name a field service group and its overseer.
#pragma once

#include <string>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

// True when group `n` uses a label name of more than one character.
bool groupHasOwnName(const CZelvoDoc& doc, int n);

// The group's label name when it has one of its own, else "Όμιλος # n" (UTF-8).
std::string groupCaption(const CZelvoDoc& doc, int n);

// "Επίσκοπος: …", "Υπηρέτης: …" or "Οδηγός: …" with the overseer's name, by the privileges of the
// active publisher of that name; "Επίσκοπος: …" when nobody on the active list has it (UTF-8).
std::string overseerTitle(const CZelvoDoc& doc, int n);

}  // namespace zelvo::reports
