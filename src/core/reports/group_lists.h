// The field service group lists: each group in use under a heading with its overseer's title,
// place, day and time, its members in four columns, marked as assistant, inactive or student.
#pragma once

#include <string>
#include <vector>

#include "reports/report_routines.h"

namespace zelvo::reports {

enum class GroupListSelection {
    Active,                     // active publishers
    ActiveAndStudents,          // + students
    ActiveAndInactive,          // + inactive (not those left out of the group lists)
    ActiveStudentsAndInactive,  // + both
    ActiveWithConsent,          // active publishers with a recorded consent only
};

struct GroupMember {
    int row = 0;
    std::string name;  // display name, UTF-8
    std::string mark;  // "Β" assistant, "i" inactive, "σ" student; empty for others
};

inline constexpr int kMaxListedMembers = 100;

// The members group `group` lists, in Greek name order, at most 100.
std::vector<GroupMember> groupListMembers(const CZelvoDoc& doc, int group,
                                          GroupListSelection selection);

// Draws the lists of every group in use and sets context.pageCount. A group that does not fit in
// what is left of a page starts the next one, where the title is repeated; one longer than a
// page goes on over the next, its heading repeated.
void drawGroupLists(const CZelvoDoc& doc, Surface& surface, GroupListSelection selection,
                    ReportContext& context);

}  // namespace zelvo::reports
