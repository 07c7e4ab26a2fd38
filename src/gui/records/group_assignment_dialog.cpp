#include "gui/records/group_assignment_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "gui/records/type_ahead_list_widget.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {

QLabel* line(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

template <typename List>
List* list(QWidget* parent, const char* name, int widthChars) {
    auto* l = new List(parent);
    l->setObjectName(QLatin1String(name));
    l->setMinimumWidth(l->fontMetrics().averageCharWidth() * widthChars);
    return l;
}

void fill(QListWidget* box, const std::vector<records::AssignmentEntry>& entries, int current) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const records::AssignmentEntry& e : entries) box->addItem(qtText(e.text));
    box->setCurrentRow(current);
}

}  // namespace

GroupAssignmentDialog::GroupAssignmentDialog(records::GroupAssignmentModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      groups_(list<QListWidget>(this, "groupList", 5)),
      members_(list<QListWidget>(this, "memberList", 30)),
      memberCount_(line(this, "memberCountLabel")),
      inactiveCount_(line(this, "inactiveCountLabel")),
      name_(line(this, "candidateNameLabel")),
      target_(line(this, "candidateTargetLabel")),
      inactive_(new QCheckBox(qtText(model.includeInactiveCaption()), this)),
      filter_(new QComboBox(this)),
      unassigned_(new QCheckBox(this)),
      candidates_(list<TypeAheadListWidget>(this, "candidateList", 34)),
      assign_(dialogButton(this, model.assignCaption(), "assignButton")) {
    setObjectName(QStringLiteral("groupAssignmentDialog"));
    inactive_->setObjectName(QStringLiteral("inactiveTick"));
    filter_->setObjectName(QStringLiteral("filterCombo"));
    unassigned_->setObjectName(QStringLiteral("unassignedTick"));
    for (const std::string& n : records::GroupAssignmentModel::groupEntries())
        groups_->addItem(qtText(n));
    groups_->setMaximumWidth(groups_->minimumWidth() * 2);
    for (const std::string& f : records::GroupAssignmentModel::filterEntries())
        filter_->addItem(qtText(f));
    // Enter on a candidate assigns it.
    assign_->setDefault(true);
    QPushButton* done = dialogButton(this, res::kDoneAction, "doneButton");
    done->setAutoDefault(true);
    // The counts and the candidate's lines change with every choice: their room is kept.
    for (QLabel* l : {memberCount_, inactiveCount_, name_, target_})
        l->setMinimumHeight(l->fontMetrics().height());

    auto* membersColumn = new QVBoxLayout;
    membersColumn->addWidget(members_, 1);
    membersColumn->addWidget(memberCount_);
    membersColumn->addWidget(inactiveCount_);
    membersColumn->addWidget(inactive_);
    auto* assignColumn = new QVBoxLayout;
    assignColumn->addStretch(1);
    assignColumn->addWidget(name_, 0, Qt::AlignHCenter);
    assignColumn->addWidget(target_, 0, Qt::AlignHCenter);
    assignColumn->addWidget(assign_);
    assignColumn->addStretch(1);
    auto* filters = new QHBoxLayout;
    filters->addWidget(filter_);
    filters->addWidget(unassigned_, 1);
    auto* candidatesColumn = new QVBoxLayout;
    candidatesColumn->addLayout(filters);
    candidatesColumn->addWidget(candidates_, 1);
    auto* lists = new QHBoxLayout;
    lists->addWidget(groups_);
    lists->addLayout(membersColumn, 1);
    lists->addLayout(assignColumn);
    lists->addLayout(candidatesColumn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    const QList<QWidget*> order = {groups_,     members_,    inactive_, filter_,
                                   unassigned_, candidates_, assign_,   done};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(groups_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.selectGroup(row + 1);
        refresh();
    });
    connect(inactive_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setIncludeInactive(on);
        refresh();
    });
    connect(filter_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.setFilter(index);
        refresh();
    });
    connect(unassigned_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setUnassignedOnly(on);
        refresh();
    });
    connect(candidates_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.selectCandidate(row);
        refresh();
    });
    connect(candidates_, &QListWidget::itemDoubleClicked, assign_, &QPushButton::click);
    connect(assign_, &QPushButton::clicked, this, [this] {
        changed_ = model_.assign() || changed_;
        refresh();
        candidates_->setFocus();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    // The twenty group numbers are seen at once, and as many candidates.
    const int rows = groups_->sizeHintForRow(0) * 20 + groups_->frameWidth() * 2;
    for (QListWidget* l : {groups_, members_, static_cast<QListWidget*>(candidates_)})
        l->setMinimumHeight(rows);
    candidates_->setFocus();
}

void GroupAssignmentDialog::refresh() {
    setWindowTitle(qtText(model_.title()));
    {
        const QSignalBlocker quiet(groups_);
        groups_->setCurrentRow(model_.group() - 1);
    }
    fill(members_, model_.members(), -1);
    memberCount_->setText(qtText(model_.memberCountLine()));
    inactiveCount_->setText(qtText(model_.inactiveCountLine()));
    {
        const QSignalBlocker quiet(inactive_);
        inactive_->setChecked(model_.includeInactive());
    }
    {
        const QSignalBlocker quiet(filter_);
        filter_->setCurrentIndex(model_.filter());
    }
    {
        const QSignalBlocker quiet(unassigned_);
        unassigned_->setText(qtText(model_.unassignedCaption()));
        unassigned_->setChecked(model_.unassignedOnly());
        unassigned_->setVisible(model_.unassignedVisible());
    }
    fill(candidates_, model_.candidates(), model_.selectedCandidate());
    name_->setText(qtText(model_.selectedName()));
    target_->setText(qtText(model_.selectedTarget()));
    assign_->setEnabled(model_.canAssign());
}

bool runGroupAssignment(QWidget* parent, CZelvoDoc& doc, int group) {
    records::GroupAssignmentModel model(doc, group);
    GroupAssignmentDialog dialog(model, parent);
    dialog.exec();
    return dialog.changed();
}

}  // namespace zelvo::gui
