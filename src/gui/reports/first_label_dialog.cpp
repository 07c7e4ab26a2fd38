#include "gui/reports/first_label_dialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell/qt_text.h"
#include "reports/labels_report.h"
#include "resources/strings.h"

namespace zelvo::gui {

std::optional<int> chooseFirstLabel(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("firstLabelDialog"));
    dialog.setWindowTitle(qtText(res::kFirstLabelTitle));
    auto* grid = new QGridLayout;
    // Tab walks the buttons in the sheet's order: across each row, then down.
    QWidget* previous = nullptr;
    for (int position = 1; position <= reports::kLabelsPerSheet; ++position) {
        auto* button = new QPushButton(QString::number(position), &dialog);
        button->setObjectName(QStringLiteral("labelButton%1").arg(position));
        // Enter takes the label that has the focus.
        button->setAutoDefault(true);
        const reports::LabelPlace place = reports::labelPlace(position, 0);
        grid->addWidget(button, place.row, place.column);
        QObject::connect(button, &QPushButton::clicked, &dialog,
                         [&dialog, position] { dialog.done(position); });
        if (previous != nullptr) QWidget::setTabOrder(previous, button);
        previous = button;
    }
    auto* cancel = new QPushButton(qtText(res::kButtonCancel), &dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Enter on it cancels too; without this Enter there took a label.
    cancel->setAutoDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QWidget::setTabOrder(previous, cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(grid);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    dialog.findChild<QPushButton*>(QStringLiteral("labelButton1"))->setFocus();
    const int result = dialog.exec();
    if (result < 1 || result > reports::kLabelsPerSheet) return std::nullopt;
    return result;
}

}  // namespace zelvo::gui
