// A list box over a records::PickList: shows its entries, follows its selection both ways and
// finds a name by the first letters typed.
#pragma once

#include <QElapsedTimer>
#include <QListWidget>

#include "records/pick_list.h"

namespace zelvo::gui {

class PickListWidget : public QListWidget {
    Q_OBJECT
public:
    PickListWidget(records::PickList& list, QWidget* parent = nullptr);

    // Fills the box from the list and selects the list's selection.
    void showList();
    void keyboardSearch(const QString& search) override;

private:
    records::PickList& list_;
    QElapsedTimer clock_;
    bool filling_ = false;

    void showSelection();
};

}  // namespace zelvo::gui
