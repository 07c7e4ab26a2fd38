// The exports warning ("Προσοχή!!"): the plain-text exports left in the data folder, each offered
// for deletion and ticked to begin with.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace zelvo::gui {

class ExportsDialog : public QDialog {
    Q_OBJECT
public:
    // `files` are the file names (UTF-8) as the data folder holds them.
    explicit ExportsDialog(const std::vector<std::string>& files, QWidget* parent = nullptr);

    // The ticked files, in the order offered.
    std::vector<std::string> chosenFiles() const;

private:
    QListWidget* list_;
};

}  // namespace zelvo::gui
