#include "gui/shell/exports_dialog.h"
#include "gui/shell/dialog_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

ExportsDialog::ExportsDialog(const std::vector<std::string>& files, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("exportsDialog"));
    setWindowTitle(qtText(res::kExportsWarningTitle));

    auto* warning = new QLabel(qtText(res::kExportsWarningText), this);
    warning->setObjectName(QStringLiteral("warningLabel"));
    warning->setWordWrap(true);
    warning->setMinimumWidth(warning->fontMetrics().averageCharWidth() * 60);

    list_->setObjectName(QStringLiteral("fileList"));
    list_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    for (const std::string& name : files) {
        auto* item = new QListWidgetItem(qtText(name), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
    }

    const OkCancelRow buttons = okCancelRow(this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(warning);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons.row);

    // Tall enough for the usual dozen names at most, without empty space below fewer.
    const int rows = std::clamp(static_cast<int>(files.size()), 3, 12);
    list_->setMinimumHeight(list_->sizeHintForRow(0) * rows + 2 * list_->frameWidth() + 4);
    adjustSize();
}

std::vector<std::string> ExportsDialog::chosenFiles() const {
    std::vector<std::string> chosen;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            chosen.push_back(utf8Text(list_->item(i)->text()));
    return chosen;
}

}  // namespace zelvo::gui
