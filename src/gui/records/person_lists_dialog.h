// What the inactive, deleted and moved dialogs share: a list on the left and one on the right,
// each in its captioned box, the line with the selected name, and which list is active (the one
// that had the focus last: the action button follows it).
#pragma once

#include <QDialog>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class PersonListWidget;

class PersonListsDialog : public QDialog {
    Q_OBJECT
public:
    // True once a person changed list (or was edited) while the dialog was open.
    bool changed() const { return changed_; }

protected:
    PersonListsDialog(CZelvoDoc& doc, UserPrompts& prompts, int tabStop, QWidget* parent);

    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    QGroupBox* leftBox_;
    QGroupBox* rightBox_;
    PersonListWidget* left_;
    PersonListWidget* right_;
    QLabel* name_;
    bool leftActive_ = true;

    // The selected person of the active list.
    std::optional<int> selectedPerson() const;
    // After an action: when it changed something, the lists are filled anew.
    void acted(bool changedSomething);
    // Fills both lists and every caption from the model.
    virtual void refresh() = 0;
    // The action button, "Enter" on a list and a double click.
    virtual void onAction() = 0;
    // Shows the name selected in the active list.
    void showName();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool changed_ = false;
};

// A button whose caption follows the active list keeps the width of its widest caption.
void reserveWidth(QPushButton* button, std::initializer_list<QString> captions);

}  // namespace zelvo::gui
