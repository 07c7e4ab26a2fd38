#include "gui/records/single_person_picker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/records/pick_list_widget.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

SinglePersonPickerDialog::SinglePersonPickerDialog(records::SinglePersonPickerModel& model,
                                                   QWidget* parent)
    : QDialog(parent), model_(model), list_(new PickListWidget(model.list(), this)) {
    setObjectName(QStringLiteral("singlePersonPicker"));
    setWindowTitle(qtText(model.title()));
    list_->setObjectName(QStringLiteral("personList"));
    auto* legend = new QLabel(qtText(model.legend()), this);
    legend->setObjectName(QStringLiteral("legendLabel"));
    legend->setVisible(model.legendVisible());

    const QString amp = QStringLiteral("&");
    auto* choose = new QPushButton(amp + qtText(res::kChooseChoice), this);
    choose->setObjectName(QStringLiteral("chooseButton"));
    choose->setDefault(true);
    choose->setEnabled(!model.list().empty());
    auto* cancel = new QPushButton(amp + qtText(res::kButtonCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(choose);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(legend);
    layout->addLayout(buttons);

    connect(choose, &QPushButton::clicked, this, [this] {
        if (model_.list().selectedRow() != 0) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    list_->showList();
    list_->setFocus();
    resize(420, 360);
}

std::optional<int> chooseSinglePerson(QWidget* parent, const CZelvoDoc& doc,
                                      records::SinglePersonPickerModel::Mode mode, int headId,
                                      const std::vector<int>& listed) {
    records::SinglePersonPickerModel model(doc, mode, headId, listed);
    SinglePersonPickerDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted || model.list().selectedRow() == 0) return {};
    return model.list().selectedRow();
}

}  // namespace zelvo::gui
