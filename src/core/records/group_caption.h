// How a field service group is named wherever it is listed: its label name when it uses one,
// else "Όμιλος #" and its number.
#pragma once

#include <string>

namespace zelvo {

struct ServiceGroupTable;

// Group `n` (1-20), UTF-8: the label name when the use-label flag is set and the label has more
// than one character; otherwise "Όμιλος # n".
std::string groupCaption(const ServiceGroupTable& groups, int n);

// The groups in use: the table's count, never more than the table holds.
int groupsInUse(const ServiceGroupTable& groups);

}  // namespace zelvo
