// The group editor (Edit > Όμιλοι Υπηρεσίας Αγρού): the twenty groups as tab-stopped rows with
// "*" beside a name no active publisher has, the edit button of the selected group and the
// recount on "Έγινε"; and the details of one group with the overseer and assistant chosen from
// the publisher picker.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/publisher_picker_model.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

// The widths of a group's texts, in characters.
inline constexpr int kGroupNameLength = 23;  // overseer and assistant
inline constexpr int kGroupPlaceLength = 22;
inline constexpr int kGroupTimeLength = 8;
inline constexpr int kGroupLabelLength = 20;

// True when `nameCp1253` is not blank and no active publisher is called so (first name, a
// blank, last name): the editor marks such a name with "*".
bool notInPublisherFile(const CZelvoDoc& doc, const std::string& nameCp1253);

// "Όμιλος n", or the group's label name when it uses one (UTF-8).
std::string editorGroupCaption(const CZelvoDoc& doc, int group);

// The group count after "Έγινε": the leading groups whose overseer is not blank.
int recountedGroups(const CZelvoDoc& doc);

struct GroupEditorRow {
    int group = 0;  // 1-20
    // "#n \t<*>overseer \t<*>assistant \t place \t day \t time" (UTF-8); "#n" alone for a group
    // not in use.
    std::string text;
    bool overseerMarked = false;
    bool assistantMarked = false;
};

class GroupEditorModel {
public:
    // The list's tab stops, in dialog units.
    static constexpr std::array<int, 5> kTabStops{24, 110, 195, 285, 335};

    // Opens on group 1.
    explicit GroupEditorModel(CZelvoDoc& doc);

    std::string title() const;                 // UTF-8
    std::vector<GroupEditorRow> rows() const;  // always 20
    bool noteVisible() const;                  // some name carries "*"
    std::string note() const;                  // "* Not in Publisher File"

    int selected() const { return selected_; }
    // A row past the first group not in use selects that group instead; outside 1-20 ignored.
    void select(int group);

    std::string editCaption() const;    // "Επεξεργασία" + the selected group's caption
    std::string assignCaption() const;  // "Διορισμένοι Ευαγγελιζόμενοι"
    bool assignEnabled() const;         // the active list is not empty
    std::string doneCaption() const;    // "Έγινε"

    // "Έγινε": recounts the groups in use. True when anything changed while the editor was open
    // (details stored, publishers assigned or the count changed), so the report view is redrawn.
    bool done();

    CZelvoDoc& doc() { return doc_; }

private:
    CZelvoDoc& doc_;
    int selected_ = 1;
    std::vector<unsigned char> atOpen_;  // the group table and everybody's group number
};

// The details of one group (the edit button). Texts are UTF-8 and are cut to their widths when
// stored.
class GroupDetailsModel {
public:
    GroupDetailsModel(CZelvoDoc& doc, int group);

    int group() const { return group_; }
    std::string title() const;  // the group's editor caption

    std::string overseer;
    std::string assistant;
    std::string place;
    std::string time;
    int day = 0;  // 0 Monday ... 6 Sunday
    bool useLabel = false;
    std::string labelName;

    static std::vector<std::string> dayNames();  // "Δευτέρα" ... "Κυριακή"
    bool labelEnabled() const { return useLabel; }

    // "Επιλογή" beside overseer and assistant opens the publisher picker in this mode; the chosen
    // row's first name, a blank and last name go into the box.
    static constexpr PublisherPickerModel::Mode kPickerMode = PublisherPickerModel::Mode::Chooser;
    void chooseOverseer(int row);
    void chooseAssistant(int row);

    // OK: the texts with their limits, the label trimmed (an empty one clears its tick), the day;
    // a group past the count with an overseer becomes the last group in use. True when anything
    // changed (the document is then marked modified).
    bool store();

private:
    std::string nameOfRow(int row) const;

    CZelvoDoc& doc_;
    int group_;
};

}  // namespace zelvo::records
