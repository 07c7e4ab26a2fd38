// Checks of the values a load reads, against the ranges the rest of the program relies on.
// Each finding is a line of `doc.problems`; what cannot be left as it is is repaired in memory
// (and so written by the next save), everything else is only reported.
#pragma once

namespace zelvo {

class CZelvoDoc;

// The rows of the publisher table: a kind outside 0-5 becomes inactive (the person would be in
// no list at all); quarter-hour units above 3 carry their whole hours into the hours; a group
// number beyond the group table is reported and kept; a household link to an id nobody has is
// cleared (the reports list such people with the
// unassigned ones). Runs before the kinds are counted.
void checkPublisherRows(CZelvoDoc& doc, bool groupsKnown);

// Appointments of a kind that does not exist are reported (and kept).
void checkAppointments(CZelvoDoc& doc);

}  // namespace zelvo
