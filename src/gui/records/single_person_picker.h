// The single-person picker: one inactive person, student or household member.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "records/single_person_picker_model.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::gui {

class PickListWidget;

class SinglePersonPickerDialog : public QDialog {
    Q_OBJECT
public:
    SinglePersonPickerDialog(records::SinglePersonPickerModel& model, QWidget* parent = nullptr);

private:
    records::SinglePersonPickerModel& model_;
    PickListWidget* list_;
};

// The row of the person chosen; nothing when cancelled or nobody is listed. `headId` names the
// household in household mode, whose `listed` people are not offered.
std::optional<int> chooseSinglePerson(QWidget* parent, const CZelvoDoc& doc,
                                      records::SinglePersonPickerModel::Mode mode, int headId = 0,
                                      const std::vector<int>& listed = {});

}  // namespace zelvo::gui
