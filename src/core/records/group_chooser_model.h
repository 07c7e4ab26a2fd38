// The two group choosers: for a publisher (numbers 01-20, with each group's members, overseer
// and place beside them) and for a task (the captions of the groups in use, optionally with the
// buttons that print all groups or the selected one).
#pragma once

#include <string>
#include <vector>

namespace zelvo {

class CZelvoDoc;

class PublisherGroupChooserModel {
public:
    // Preset to `current`; none when it is 0 or above 20.
    PublisherGroupChooserModel(const CZelvoDoc& doc, int current);

    static std::vector<std::string> entries();  // "01" .. "20"
    int selected() const { return selected_; }  // 0 = none
    void select(int group);                     // 1-20, anything else selects none
    bool canAccept() const { return selected_ != 0; }

    // Beside the list, for the selected group (UTF-8): the caption above the members ("Μέλη
    // Ομίλου" with none selected), the active publishers of the group by display name, the
    // overseer line (blank without an overseer) and the place.
    std::string caption() const;
    std::vector<std::string> members() const;
    std::string overseerLine() const;
    std::string place() const;

private:
    const CZelvoDoc& doc_;
    int selected_ = 0;
};

struct TaskGroupChoice {
    enum class Action { Cancelled, Chosen, PrintAll, PrintOne };
    Action action = Action::Cancelled;
    int group = 0;  // Chosen and PrintOne
};

class TaskGroupChooserModel {
public:
    // Preset to `preset`, or to the first group when that is not one in use.
    TaskGroupChooserModel(const CZelvoDoc& doc, int preset);

    int groupCount() const { return count_; }
    std::vector<std::string> entries() const;   // captions of groups 1..count, UTF-8
    int selected() const { return selected_; }  // 0 only when no group is in use
    void select(int group);                     // ignored outside 1..count
    // With no group in use there is nothing to choose or print.
    bool canChoose() const { return selected_ != 0; }

    std::string printAllCaption() const;  // "Εκτύπωση 1 - count"
    std::string printOneCaption() const;  // "Εκτύπωση # n", n the selected group

    TaskGroupChoice choose() const;
    TaskGroupChoice printAll() const;
    TaskGroupChoice printOne() const;

private:
    const CZelvoDoc& doc_;
    int count_ = 0;
    int selected_ = 0;
};

}  // namespace zelvo
