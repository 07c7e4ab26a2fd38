// The add chooser ("Προσθήκη Ευαγγελιζομένου"): a new person, or a transfer from the
// students or the inactive list, with only the buttons that apply.
#pragma once

#include <QDialog>

#include "records/add_chooser.h"

namespace zelvo::gui {

class AddChooserDialog : public QDialog {
    Q_OBJECT
public:
    AddChooserDialog(const records::AddChoices& choices, QWidget* parent = nullptr);
    records::AddChoice choice() const { return choice_; }

private:
    records::AddChoice choice_ = records::AddChoice::Cancelled;
};

records::AddChoice chooseHowToAdd(QWidget* parent, const records::AddChoices& choices);

}  // namespace zelvo::gui
