// The monthly pioneer lists (auxiliary, regular or special pioneers of one month), over
// PioneerListsModel: the pioneers of the month on the left, the publishers who were none on the
// right, and the middle button that moves the chosen one across.
#pragma once

#include <QDialog>

#include "records/pioneer_lists_model.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace zelvo::gui {

class TypeAheadListWidget;

class PioneerListsDialog : public QDialog {
    Q_OBJECT
public:
    PioneerListsDialog(records::PioneerListsModel& model, QWidget* parent = nullptr);

    // Some month's code changed while the dialog was open.
    bool changed() const { return changed_; }

private:
    // The list the chosen name was picked from: the middle button adds or removes it.
    enum class Side { None, Listed, Others };

    records::PioneerListsModel& model_;
    QComboBox* year_;
    QComboBox* month_;
    QCheckBox* special_;
    TypeAheadListWidget* listed_;
    TypeAheadListWidget* others_;
    QPushButton* move_;
    Side side_ = Side::None;
    bool changed_ = false;

    void choose(Side side, int index);
    void onMove();
    void refresh();
};

// Opens the list of `mode` (Auxiliary or Regular). True when some month's code changed.
bool runPioneerLists(QWidget* parent, CZelvoDoc& doc, records::PioneerMode mode);

}  // namespace zelvo::gui
