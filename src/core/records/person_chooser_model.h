// The person chooser: people chosen for record cards, labels, emergency forms, or an XML export
// or import, picked one by one or by whole field service groups (or whole lists).
#pragma once

#include <string>
#include <vector>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

enum class ChooserPurpose { RecordCards, Labels, EmergencyForms, XmlExport, XmlImport };

struct ChooserSetup {
    ChooserPurpose purpose = ChooserPurpose::RecordCards;
    bool inactiveSource = false;  // people from the inactive list instead of the active list
    bool householdMode = false;   // one entry per household (emergency forms)
    int exportList = 0;           // 1 active, 2 inactive, 3 students; 0 when not exporting
    int importList = 0;           // the same for the list an import goes to; 0 when not importing
    int existingCount = 0;        // importing: how many people that list already holds
    // Importing: the names read from the file (UTF-8); a name already on file ends in " *".
    std::vector<std::string> importNames;
};

// The setup of the plain modes: people of the active (or inactive) list, by groups.
inline ChooserSetup chooserSetup(ChooserPurpose purpose, bool inactiveSource = false) {
    ChooserSetup setup;
    setup.purpose = purpose;
    setup.inactiveSource = inactiveSource;
    return setup;
}

struct ChooserEntry {
    int row = 0;  // publisher table row (0 for a name read from a file)
    int id = 0;   // publisher id (0 for a name read from a file)
    std::string text;
    bool selected = false;
};

class PersonChooserModel {
public:
    // Opens with nothing selected and nothing chosen on the right.
    PersonChooserModel(const CZelvoDoc& doc, ChooserSetup setup);

    bool exporting() const { return setup_.exportList != 0; }
    bool importing() const { return setup_.importList != 0; }
    bool wholeListMode() const { return exporting() || importing(); }

    std::string title() const;
    const std::vector<ChooserEntry>& entries() const { return entries_; }
    void setSelected(int index, bool on);

    // The right list: the three lists when exporting, none when importing, else the groups and
    // one extra entry (the blank form or the pioneers).
    bool rightListVisible() const { return !importing(); }
    std::vector<std::string> rightEntries() const;
    int rightChoice() const { return rightChoice_; }  // -1 when none
    void chooseRight(int index);
    bool blankFormChosen() const;

    // The select and clear buttons: a group, the pioneers, or (exporting and importing) the whole
    // list.
    void selectChosen() { apply(true); }
    void clearChosen() { apply(false); }

    // Captions and what is shown (UTF-8).
    std::string selectCaption() const;
    std::string clearCaption() const;
    std::string caption() const;  // over the lists: the group's, the extra entry's, or the count
    std::string overseerLine() const;  // under the right list, or "too many" when importing
    std::string totalsLine() const;    // importing: the list's total after the import
    std::string radioFrameCaption() const;
    bool clearVisible() const { return !wholeListMode() || counted_; }
    bool okVisible() const;
    bool radioVisible() const { return importing(); }
    bool updateExisting() const { return updateExisting_; }
    void setUpdateExisting(bool on) { updateExisting_ = on; }

    int selectedCount() const;
    // Importing: the chosen names already on file, the people added, and whether the list would
    // then hold more than it can.
    int duplicatesChosen() const;
    int addedCount() const;
    bool tooMany() const;

    // On OK, in list order: the ids of the chosen people, or (importing) their positions.
    std::vector<int> chosen() const;

private:
    const CZelvoDoc& doc_;
    ChooserSetup setup_;
    std::vector<ChooserEntry> entries_;
    int rightChoice_ = -1;
    bool afterPioneers_ = false;
    bool counted_ = false;  // the counts show once the selection changed
    bool updateExisting_ = true;

    void fill();
    // Whether the head of household `householdKey` (the head's id) is on the list of `kind`.
    bool listedHead(int householdKey, int kind) const;
    int groupCount() const;
    void apply(bool on);
    bool isPioneer(int row) const;
};

}  // namespace zelvo::records
