// The assignment of publishers to a group ("Διορισμένοι Ευαγγελιζόμενοι"): the numbers 1-20 to
// choose the group, its members with their counts, the candidates narrowed by a group filter or
// to the unassigned, and "<<< Διορισμός <<<" putting the selected candidate into the group.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

// Why the person of `row` cannot be put into group `group` (0 = none) as the assignment does:
// not an active or inactive person, or a group that is not in use. Nothing when it can.
std::optional<std::string> cannotAssign(const CZelvoDoc& doc, int row, int group);

// Puts the person of `row` (active or inactive) into group `group` (0 = none, 1-20) and marks the
// document modified. False, changing nothing, for another kind of person, a group outside 0-20
// or the group the person is in already.
bool assignToGroup(CZelvoDoc& doc, int row, int group);

// A person's group as the assignment lists show it: 0 for none, and for a number no group can
// have (above 20, from a damaged file).
int listedGroup(const CZelvoDoc& doc, int row);

struct AssignmentEntry {
    int row = 0;
    std::string text;  // UTF-8
};

class GroupAssignmentModel {
public:
    // Opens on `group` (1-20; anything else opens group 1).
    GroupAssignmentModel(CZelvoDoc& doc, int group);

    static std::vector<std::string> groupEntries();  // " 1" ... "20"
    int group() const { return group_; }
    void selectGroup(int group);  // 1-20, else ignored
    std::string title() const;    // "Ευαγγελιζόμενοι στον Όμιλο n"

    // "Συμπερίληψη Αδρανών *": inactive persons listed too, marked "*".
    std::string includeInactiveCaption() const;
    bool includeInactive() const { return includeInactive_; }
    void setIncludeInactive(bool on);

    // The members of the group, in name order, and the lines under them: "n Ευαγγελιζόμενοι" and,
    // with inactive members listed, "( n Αδρανείς * )" (empty when none).
    const std::vector<AssignmentEntry>& members() const { return members_; }
    std::string memberCountLine() const;
    std::string inactiveCountLine() const;

    // The filter above the candidates: "***" (all) then 1-20. Group f narrows the candidates to
    // group f and the unassigned; 0 is all.
    static std::vector<std::string> filterEntries();
    int filter() const { return filter_; }
    void setFilter(int group);  // 0-20, else ignored
    // The tick that narrows the candidates to the unassigned, hidden when everybody has a group.
    std::string unassignedCaption() const;  // "n Αδιόριστοι Ευαγγελιζόμενοι"
    bool unassignedVisible() const;
    // A hidden tick cannot be cleared: once nobody is left unassigned it no longer narrows.
    bool unassignedOnly() const { return unassignedOnly_ && unassignedVisible(); }
    void setUnassignedOnly(bool on);

    // Everybody listed who is not in the group: "name (g)", "name" without a group, " *" after
    // an inactive person.
    const std::vector<AssignmentEntry>& candidates() const { return candidates_; }
    int selectedCandidate() const { return selected_; }  // -1 when none
    void selectCandidate(int index);
    // Above the button, for the selected candidate: the name and "στον Όμιλο #g".
    std::string selectedName() const;
    std::string selectedTarget() const;

    std::string assignCaption() const;  // "<<< Διορισμός <<<"
    bool canAssign() const { return selected_ >= 0; }
    // Puts the selected candidate into the group and lists both again; the selection moves to
    // the candidate now in its place. False when nothing is selected.
    bool assign();
    // Takes member `index` out of every group (the data of a publisher who left the groups).
    bool removeMember(int index);

private:
    void refresh();

    CZelvoDoc& doc_;
    int group_ = 1;
    bool includeInactive_ = false;
    int filter_ = 0;
    bool unassignedOnly_ = false;
    std::vector<AssignmentEntry> members_;
    std::vector<AssignmentEntry> candidates_;
    int selected_ = -1;
    int inactiveMembers_ = 0;
    int unassigned_ = 0;
};

}  // namespace zelvo::records
