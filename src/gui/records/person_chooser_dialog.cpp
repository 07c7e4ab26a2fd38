#include "gui/records/person_chooser_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/records/steady_form.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

std::optional<std::vector<int>> choosePersons(QWidget* parent, const CZelvoDoc& doc,
                                              const records::ChooserSetup& setup, bool* blankForm) {
    PersonChooserDialog dialog(doc, setup, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (blankForm != nullptr) *blankForm = dialog.model().blankFormChosen();
    return dialog.model().chosen();
}

PersonChooserDialog::PersonChooserDialog(const CZelvoDoc& doc, const records::ChooserSetup& setup,
                                         QWidget* parent)
    : QDialog(parent),
      model_(doc, setup),
      people_(new QListWidget(this)),
      groups_(new QListWidget(this)),
      select_(new QPushButton(this)),
      clear_(new QPushButton(this)),
      or_(new QLabel(qtText(res::kChooserOr), this)),
      caption_(new QLabel(this)),
      overseer_(new QLabel(this)),
      totals_(new QLabel(this)),
      importFrame_(new QGroupBox(this)),
      updateExisting_(new QRadioButton(qtText(res::kChooserUpdateExisting), importFrame_)),
      createNew_(new QRadioButton(qtText(res::kChooserCreateNew), importFrame_)),
      ok_(new QPushButton(QStringLiteral("&") + qtText(res::kButtonOk), this)),
      cancel_(new QPushButton(qtText(res::kButtonCancel), this)) {
    build();
}

void PersonChooserDialog::build() {
    setObjectName(QStringLiteral("personChooser"));
    setWindowTitle(qtText(model_.title()));
    people_->setObjectName(QStringLiteral("personList"));
    people_->setSelectionMode(QAbstractItemView::MultiSelection);
    groups_->setObjectName(QStringLiteral("groupList"));
    for (const std::string& row : model_.rightEntries()) groups_->addItem(qtText(row));
    select_->setObjectName(QStringLiteral("selectButton"));
    select_->setText(qtText(model_.selectCaption()));
    clear_->setObjectName(QStringLiteral("clearButton"));
    clear_->setText(qtText(model_.clearCaption()));
    caption_->setObjectName(QStringLiteral("captionLabel"));
    overseer_->setObjectName(QStringLiteral("overseerLabel"));
    totals_->setObjectName(QStringLiteral("totalsLabel"));
    importFrame_->setObjectName(QStringLiteral("importFrame"));
    updateExisting_->setObjectName(QStringLiteral("updateExistingRadio"));
    createNew_->setObjectName(QStringLiteral("createNewRadio"));
    ok_->setObjectName(QStringLiteral("okButton"));
    // OK is the default; Enter on another button presses that button (not OK).
    ok_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* b : {select_, clear_, cancel_}) b->setAutoDefault(true);
    // Hidden buttons and lines keep their room, so nothing moves under the mouse.
    for (QWidget* w : {static_cast<QWidget*>(clear_), static_cast<QWidget*>(or_),
                       static_cast<QWidget*>(ok_), static_cast<QWidget*>(importFrame_)})
        keepRoom(w);

    auto* frame = new QVBoxLayout(importFrame_);
    frame->addWidget(updateExisting_);
    frame->addWidget(createNew_);
    auto* middle = new QVBoxLayout;
    middle->addWidget(caption_);
    middle->addWidget(select_);
    middle->addWidget(or_, 0, Qt::AlignHCenter);
    middle->addWidget(clear_);
    middle->addWidget(overseer_);
    middle->addWidget(totals_);
    middle->addWidget(importFrame_);
    middle->addStretch(1);
    middle->addWidget(ok_);
    middle->addWidget(cancel_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(people_, 3);
    layout->addLayout(middle, 0);
    layout->addWidget(groups_, 2);
    // The pioneers entry is the widest: shown whole, without a scroll bar.
    groups_->setMinimumWidth(groups_->sizeHintForColumn(0) + 2 * groups_->frameWidth() + 8);
    groups_->setVisible(model_.rightListVisible());
    importFrame_->setVisible(model_.radioVisible());
    setTabOrder(people_, select_);
    setTabOrder(select_, clear_);
    setTabOrder(clear_, updateExisting_);
    setTabOrder(updateExisting_, createNew_);
    setTabOrder(createNew_, ok_);
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, groups_);

    connect(people_, &QListWidget::itemSelectionChanged, this, [this] {
        readSelection();
        refresh();
    });
    connect(groups_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.chooseRight(row);
        showPeople();
        refresh();
    });
    connect(select_, &QPushButton::clicked, this, [this] {
        model_.selectChosen();
        refresh();
    });
    connect(clear_, &QPushButton::clicked, this, [this] {
        model_.clearChosen();
        refresh();
    });
    connect(updateExisting_, &QRadioButton::toggled, this, [this](bool on) {
        model_.setUpdateExisting(on);
        refresh();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    {
        const QSignalBlocker blockGroups(groups_);
        groups_->setCurrentRow(model_.rightChoice());
    }
    updateExisting_->setChecked(model_.updateExisting());
    createNew_->setChecked(!model_.updateExisting());
    resize(720, 460);
    showPeople();
    refresh();
    people_->setFocus();
}

void PersonChooserDialog::showPeople() {
    const QSignalBlocker block(people_);
    people_->clear();
    for (const records::ChooserEntry& e : model_.entries()) people_->addItem(qtText(e.text));
}

void PersonChooserDialog::readSelection() {
    for (int i = 0; i < people_->count(); ++i)
        model_.setSelected(i, people_->item(i)->isSelected());
}

void PersonChooserDialog::refresh() {
    {
        const QSignalBlocker block(people_);
        const auto& entries = model_.entries();
        for (int i = 0; i < people_->count() && i < static_cast<int>(entries.size()); ++i)
            people_->item(i)->setSelected(entries[static_cast<std::size_t>(i)].selected);
    }
    caption_->setText(qtText(model_.caption()));
    overseer_->setText(qtText(model_.overseerLine()));
    totals_->setText(qtText(model_.totalsLine()));
    importFrame_->setTitle(qtText(model_.radioFrameCaption()));
    clear_->setVisible(model_.clearVisible());
    or_->setVisible(model_.clearVisible());
    ok_->setVisible(model_.okVisible());
}

}  // namespace zelvo::gui
