// The publisher picker over the active list, the same picker over the students, and
// the picker as a chooser of a publisher for other dialogs.
#pragma once

#include <string>
#include <vector>

#include "records/pick_list.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::records {

class PublisherPickerModel {
public:
    enum class Mode {
        Publishers,  // Edit > Publishers: editing and adding publishers
        Students,    // Edit > Students: editing and adding students
        Chooser,     // choosing an active publisher for another dialog
    };

    // Opens on the first entry.
    PublisherPickerModel(const CZelvoDoc& doc, Mode mode);

    Mode mode() const { return mode_; }
    bool students() const { return mode_ == Mode::Students; }
    // The list again after the data changed; the selection stays on the same person.
    void reload(const CZelvoDoc& doc);

    PickList& list() { return list_; }
    const PickList& list() const { return list_; }

    // Captions (UTF-8).
    std::string title() const;
    std::string editCaption() const;  // "Επεξεργασία..." or, choosing, "&Επιλογή"
    std::string closeCaption() const;  // "Κλείσιμο" or, choosing, "&Ακύρωση"
    std::string addCaption() const;
    bool addVisible() const { return mode_ != Mode::Chooser; }
    bool editVisible() const { return !list_.empty(); }

private:
    Mode mode_;
    PickList list_;
};

}  // namespace zelvo::records
