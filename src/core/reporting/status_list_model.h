// The status list dialog: one list at a time, its second filter and group, the rows behind the
// list, the contact line of the chosen person or group overseer, what is printed and what is
// copied. The lists' rules are status_list_rules.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reporting/status_list_rules.h"

namespace zelvo::reporting {

// One list on paper: a document of its own for each group printed.
struct StatusPrintout {
    std::string title;                  // the list's title, also the document's name
    std::string heading;                // the group's name and overseer, or the congregation
    std::vector<std::string> headings;  // "Όνομα" and the second column's, when it has one
    std::vector<int> tabStops;          // dialog units, as on screen
    std::vector<std::string> rows;      // columns separated by tabs
};

// Who the contact line reaches: the chosen publisher, or the chosen group's overseer.
struct Contact {
    std::string name;
    std::vector<std::string> numbers;  // the non-empty ones of home, mobile and work
    std::string email;
};

class StatusListModel {
public:
    // Opens on `list` (the no-report list when that one is not offered).
    StatusListModel(const CZelvoDoc& doc, StatusList list, const Date& today);

    // The first combo box.
    const std::vector<StatusList>& lists() const { return lists_; }
    std::vector<std::string> listTexts() const;
    StatusList list() const { return list_; }
    void setList(StatusList list);  // the filter and the list box start again

    // The month or period combo box; empty when the list has none.
    std::vector<std::string> comboEntries() const;
    int comboEntry() const { return combo_; }
    void setComboEntry(int entry);
    // The list box: groups, baptism bands or privileges.
    std::vector<std::string> listEntries() const;
    int listEntry() const { return listEntry_; }
    void setListEntry(int entry);
    // The group chosen in a group list; 0 for the congregation and for the other list boxes.
    int group() const;

    const std::vector<StatusRow>& rows() const { return rows_; }
    std::vector<int> tabStops() const { return reporting::tabStops(list_); }
    // The list's text and its number of rows.
    std::string title() const;
    // For a chosen group: its name and overseer; empty otherwise.
    std::string statusLine() const;
    // The lists again from the data (after a privilege was edited).
    void refill();

    // The contact line.
    void chooseRow(int index);  // -1: none
    int chosenRow() const { return chosen_; }
    // The publisher behind the chosen row.
    std::optional<int> chosenPerson() const;
    const Contact& contact() const { return contact_; }
    std::string contactNumber() const;  // the number shown; empty when none
    void nextNumber();                  // ">>>": home, mobile, work, wrapping
    bool contactShown() const;          // the dial, mail and ">>>" buttons
    bool mailShown() const;
    std::string dialCaption() const;
    bool dialEnabled() const;
    std::string mailCaption() const;
    bool mailEnabled() const;
    // The subject and body of the mail to the contact: the list's title and its text.
    std::string mailSubject() const { return title(); }
    std::string mailBody() const { return clipboardText(); }

    // The buttons.
    std::string printCaption() const;
    enum class SecondButton { Hidden, PrintAllGroups, Edit };
    SecondButton secondButton() const;
    std::string secondCaption() const;
    bool copyShown() const { return list_ == StatusList::NoReport; }

    // The list of the chosen group (or the congregation) on paper, and of every group in turn.
    StatusPrintout printout() const;
    std::vector<StatusPrintout> groupPrintouts() const;
    // The no-report list as plain text: its title, the group, one line per publisher with the
    // numbers; lines end in CR LF.
    std::string clipboardText() const;

private:
    const CZelvoDoc& doc_;
    Date today_;
    std::vector<StatusList> lists_;
    StatusList list_ = StatusList::NoReport;
    int combo_ = 0;
    int listEntry_ = 0;
    std::vector<StatusRow> rows_;
    int chosen_ = -1;
    Contact contact_;
    int number_ = 0;

    StatusQuery query(int group) const;
    std::string listTitle() const;
    std::string groupHeading(int group) const;
    void showContact();
};

}  // namespace zelvo::reporting
