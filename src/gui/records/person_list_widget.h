// A list of people as the inactive, deleted and moved dialogs show it: "name\tdetail" rows, the
// detail at a tab stop, each row standing for a row of the publisher table.
#pragma once

#include <QListWidget>
#include <optional>
#include <vector>

#include "records/person_lists.h"

namespace zelvo::gui {

class PersonListWidget : public QListWidget {
    Q_OBJECT
public:
    // `tabStop` in dialog units (a quarter of the average character width), as list boxes count.
    PersonListWidget(int tabStop, QWidget* parent = nullptr);

    // Fills the list; the same position stays selected (the last row when the list got shorter).
    void showRows(std::vector<records::PersonRow> rows);
    // The table row of the selected person; nothing when the list is empty.
    std::optional<int> selectedPerson() const;
    // The selected person's name (the text before the tab); empty when none.
    QString selectedName() const;

private:
    int tabStop_;  // pixels
    std::vector<records::PersonRow> rows_;
};

}  // namespace zelvo::gui
