#include "gui/reporting/report_form_dialog.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/records/steady_form.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

constexpr const char* kCountNames[] = {"placementsEdit", "videosEdit", "hoursEdit",
                                       "returnVisitsEdit", "studiesEdit"};
constexpr const char* kHeadingNames[] = {"placementsHeading", "videosHeading", "hoursHeading",
                                         "returnVisitsHeading", "studiesHeading"};
constexpr int kNoteLines = 4;

QString withMnemonic(std::string_view text) {
    return QStringLiteral("&") + qtText(text);
}

QLabel* label(QWidget* parent, const char* objectName) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(objectName));
    return l;
}

// A focus change that is the user's own, not the window losing the focus to a message box.
bool userMovedFocus(const QEvent* event) {
    const Qt::FocusReason r = static_cast<const QFocusEvent*>(event)->reason();
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

}  // namespace

ReportFormDialog::ReportFormDialog(reporting::ReportFormModel& model, UserPrompts& prompts,
                                   QWidget* parent)
    : QDialog(parent),
      model_(model),
      prompts_(prompts),
      name_(label(this, "nameLabel")),
      month_(label(this, "monthLabel")),
      privilege_(label(this, "privilegeLabel")),
      group_(label(this, "groupLabel")),
      pioneer_(label(this, "pioneerLabel")),
      credit_(label(this, "creditLabel")),
      note_(label(this, "noteLabel")),
      underOneHour_(new QCheckBox(qtText(res::kUnderOneHourTick), this)),
      participated_(new QCheckBox(qtText(res::kParticipatedTick), this)),
      auxiliary_(new QCheckBox(qtText(res::kAuxiliaryTick), this)),
      remarks_(dialogButton(this, res::kRemarksButton, "remarksButton")),
      monthButton_(dialogButton(this, res::kChangeMonthButton, "monthButton")),
      monthOk_(dialogButton(this, {}, "monthOkButton")),
      ok_(nullptr),
      cancel_(nullptr),
      remark_(new QLineEdit(this)),
      monthList_(new QListWidget(this)),
      lower_(nullptr) {
    setObjectName(QStringLiteral("reportFormDialog"));
    setWindowTitle(qtText(model.title()));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(buildTop());
    layout->addSpacing(6);
    // The new report form asks first whether the person took part; the counts follow.
    participated_->setObjectName(QStringLiteral("participatedTick"));
    participated_->setToolTip(
        qtText(reporting::ReportFormModel::tooltip(reporting::FormField::Participated)));
    layout->addWidget(participated_);
    layout->addLayout(buildCounts());
    layout->addLayout(buildTicks());
    layout->addWidget(note_);
    layout->addWidget(buildLower());

    setTabOrderOfForm();
    connectControls();
    refresh();
    focusFirstField();
}

QLayout* ReportFormDialog::buildTop() {
    name_->setText(qtText(model_.title()));
    QFont bold = name_->font();
    bold.setBold(true);
    name_->setFont(bold);
    month_->setFont(bold);
    // The month label takes the room of the longest month name, so it never jumps.
    int widest = 0;
    for (const std::string& m : reporting::ReportFormModel::monthNames())
        widest = std::max(widest, QFontMetrics(bold).horizontalAdvance(qtText(m)));
    month_->setMinimumWidth(widest);
    month_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* top = new QGridLayout;
    top->addWidget(name_, 0, 0);
    top->addWidget(month_, 0, 1);
    top->addWidget(privilege_, 1, 0);
    top->addWidget(group_, 1, 1, Qt::AlignRight);
    keepRoom(group_);
    top->setColumnStretch(0, 1);
    return top;
}

QLayout* ReportFormDialog::buildCounts() {
    auto* grid = new QGridLayout;
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 12;
    for (std::size_t i = 0; i < kCounts.size(); ++i) {
        auto* heading = label(this, kHeadingNames[i]);
        heading->setText(qtText(model_.heading(kCounts[i])));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(kCountNames[i]));
        edit->setFixedWidth(width);
        edit->installEventFilter(this);
        headings_[i] = heading;
        counts_[i] = edit;
        const int column = static_cast<int>(i);
        grid->addWidget(heading, 0, column);
        grid->addWidget(edit, 1, column);
    }
    // The hours and the studies come and go with the participated tick.
    for (const std::size_t i : {std::size_t{2}, std::size_t{4}}) {
        keepRoom(headings_[i]);
        keepRoom(counts_[i]);
    }
    underOneHour_->setObjectName(QStringLiteral("underOneHourTick"));
    underOneHour_->setToolTip(
        qtText(reporting::ReportFormModel::tooltip(reporting::FormField::UnderOneHour)));
    grid->addWidget(underOneHour_, 2, 2);
    grid->setColumnStretch(static_cast<int>(kCounts.size()), 1);
    return grid;
}

QLayout* ReportFormDialog::buildTicks() {
    auxiliary_->setObjectName(QStringLiteral("auxiliaryTick"));
    // The credit label takes the room of the largest credit from the start.
    credit_->setMinimumWidth(
        credit_->fontMetrics().horizontalAdvance(qtText(res::format(res::kCreditLabel, "255"))));
    keepRoom(credit_);

    auto* ticks = new QGridLayout;
    ticks->addWidget(auxiliary_, 0, 0);
    ticks->addWidget(pioneer_, 0, 0);  // in the tick's place for pioneers and missionaries
    ticks->addWidget(credit_, 0, 1);
    ticks->setColumnStretch(2, 1);

    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note_->setMinimumHeight(note_->fontMetrics().lineSpacing() * kNoteLines);
    // Wide enough for the longest inclusion line on one line.
    note_->setMinimumWidth(note_->fontMetrics().horizontalAdvance(
        qtText(res::format(res::kChangesNotIncluded, res::monthName(8)))));
    return ticks;
}

QWidget* ReportFormDialog::buildLower() {
    // The remark field lies over the month button while it is edited.
    auto* form = new QWidget(this);
    auto* rows = new QGridLayout(form);
    rows->setContentsMargins(0, 0, 0, 0);
    QFont small = monthButton_->font();
    if (small.pointSizeF() > 0) small.setPointSizeF(small.pointSizeF() * 0.85);
    monthButton_->setFont(small);
    remark_->setObjectName(QStringLiteral("remarkEdit"));
    remark_->installEventFilter(this);
    remark_->setMinimumWidth(remark_->fontMetrics().horizontalAdvance(
                                 QString(reporting::ReportFormModel::kRemarkTyped, QChar(0x03B1))) +
                             12);
    rows->addWidget(remarks_, 0, 0);
    rows->addWidget(monthButton_, 0, 1, Qt::AlignLeft);
    rows->addWidget(remark_, 0, 1);
    const OkCancelRow buttons = okCancelRow(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    ok_->setText(withMnemonic(res::kButtonOk));
    cancel_->setText(withMnemonic(res::kButtonCancel));
    rows->addLayout(buttons.row, 1, 0, 1, 2);
    rows->setColumnStretch(1, 1);

    // The month list takes the place of the remark row and the buttons while a late month is
    // chosen.
    auto* months = new QWidget(this);
    auto* side = new QHBoxLayout(months);
    side->setContentsMargins(0, 0, 0, 0);
    monthList_->setObjectName(QStringLiteral("monthList"));
    for (const std::string& m : reporting::ReportFormModel::monthNames())
        monthList_->addItem(qtText(m));
    monthOk_->setText(withMnemonic(res::kButtonOk));
    side->addWidget(monthList_, 1);
    side->addWidget(monthOk_, 0, Qt::AlignTop);

    auto* lower = new QWidget(this);
    lower_ = new QStackedLayout(lower);
    lower_->addWidget(form);
    lower_->addWidget(months);
    // Four months at a time, so the form keeps the height of its usual buttons.
    monthList_->setFixedHeight(monthList_->sizeHintForRow(0) * 4 + 2 * monthList_->frameWidth());
    return lower;
}

void ReportFormDialog::setTabOrderOfForm() {
    // One chain serves both report forms: what a form does not show is skipped.
    const QList<QWidget*> order = {participated_, counts_[0], counts_[1], counts_[2], underOneHour_,
                                   counts_[3],    counts_[4], auxiliary_, remarks_,   remark_,
                                   monthButton_,  monthList_, monthOk_,   ok_,        cancel_};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void ReportFormDialog::connectControls() {
    for (std::size_t i = 0; i < counts_.size(); ++i)
        connect(counts_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { typed(static_cast<int>(i), text); });
    connect(participated_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setParticipated(on);
        refresh();
    });
    connect(underOneHour_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setUnderOneHour(on);
        refresh();
    });
    connect(auxiliary_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setAuxiliary(on);
        refresh();
    });
    connect(remarks_, &QPushButton::clicked, this, [this] {
        model_.openRemark();
        remark_->setMaxLength(model_.remarkMaxLength());
        remark_->setText(qtText(model_.remark()));
        refresh();
        remark_->setFocus();
        remark_->deselect();
    });
    connect(monthButton_, &QPushButton::clicked, this, [this] {
        model_.showMonthList();
        refresh();
        monthList_->setFocus();
    });
    connect(monthList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.chooseMonth(row);
        refresh();
    });
    connect(monthList_, &QListWidget::itemDoubleClicked, this, [this] { closeMonthList(); });
    connect(monthOk_, &QPushButton::clicked, this, [this] { closeMonthList(); });
    connect(ok_, &QPushButton::clicked, this, [this] { onOk(); });
}

void ReportFormDialog::refresh() {
    month_->setText(qtText(model_.monthLabel()));
    privilege_->setText(qtText(model_.privilegeLabel()));
    group_->setText(qtText(model_.groupLabel()));
    group_->setVisible(model_.visible(F::GroupLabel));
    pioneer_->setText(qtText(model_.pioneerLabel()));
    pioneer_->setVisible(model_.visible(F::PioneerLabel));
    credit_->setText(qtText(model_.creditLabel()));
    credit_->setVisible(model_.visible(F::CreditLabel));

    for (std::size_t i = 0; i < kCounts.size(); ++i) {
        const QString text = qtText(model_.text(kCounts[i]));
        if (counts_[i]->text() != text) counts_[i]->setText(text);
        const bool shown = model_.visible(kCounts[i]);
        counts_[i]->setVisible(shown);
        headings_[i]->setVisible(shown);
    }
    {
        const QSignalBlocker a(underOneHour_);
        const QSignalBlocker b(participated_);
        const QSignalBlocker c(auxiliary_);
        underOneHour_->setChecked(model_.underOneHour());
        participated_->setChecked(model_.participated());
        auxiliary_->setChecked(model_.auxiliary());
    }
    // The tick under the hours keeps its row only on the old report form, where it comes and
    // goes with the hours.
    QSizePolicy policy = underOneHour_->sizePolicy();
    policy.setRetainSizeWhenHidden(!model_.newForm());
    underOneHour_->setSizePolicy(policy);
    remarks_->setToolTip(qtText(model_.remark()));
    underOneHour_->setVisible(model_.visible(F::UnderOneHour));
    participated_->setVisible(model_.visible(F::Participated));
    auxiliary_->setVisible(model_.visible(F::Auxiliary));

    remarks_->setVisible(model_.visible(F::RemarkButton));
    remark_->setVisible(model_.visible(F::Remark));
    monthButton_->setVisible(model_.visible(F::MonthButton));
    ok_->setVisible(model_.visible(F::Ok));
    cancel_->setVisible(model_.visible(F::Cancel));
    lower_->setCurrentIndex(model_.visible(F::MonthList) ? 1 : 0);
    {
        const QSignalBlocker quiet(monthList_);
        monthList_->setCurrentRow(model_.month());
    }

    QString note = qtText(model_.note());
    if (note.startsWith(QLatin1Char('\n'))) note.remove(0, 1);
    note_->setText(note);
}

QWidget* ReportFormDialog::widgetOf(F field) const {
    switch (field) {
        case F::Placements:
            return counts_[0];
        case F::Videos:
            return counts_[1];
        case F::Hours:
            return counts_[2];
        case F::ReturnVisits:
            return counts_[3];
        case F::Studies:
            return counts_[4];
        case F::UnderOneHour:
            return underOneHour_;
        case F::Participated:
            return participated_;
        case F::Auxiliary:
            return auxiliary_;
        case F::PioneerLabel:
            return pioneer_;
        case F::CreditLabel:
            return credit_;
        case F::GroupLabel:
            return group_;
        case F::RemarkButton:
            return remarks_;
        case F::Remark:
            return remark_;
        case F::MonthButton:
            return monthButton_;
        case F::MonthList:
            return monthList_;
        case F::Ok:
            return ok_;
        case F::Cancel:
            return cancel_;
    }
    return nullptr;
}

int ReportFormDialog::countOf(const QObject* edit) const {
    for (std::size_t i = 0; i < counts_.size(); ++i)
        if (counts_[i] == edit) return static_cast<int>(i);
    return -1;
}

void ReportFormDialog::typed(int index, const QString& text) {
    const F field = kCounts[static_cast<std::size_t>(index)];
    QLineEdit* edit = counts_[static_cast<std::size_t>(index)];
    model_.type(field, utf8Text(text));
    // Characters the field does not take are dropped where they were typed.
    const QString kept = qtText(model_.text(field));
    if (kept != text) {
        const int cursor = edit->cursorPosition() - static_cast<int>(text.size() - kept.size());
        edit->setText(kept);
        edit->setCursorPosition(std::max(0, cursor));
    }
    // The under-one-hour tick of the old form follows the hours as they are typed, so the next
    // control of the chain is the right one when the field is left.
    if (field == F::Hours && !model_.newForm())
        underOneHour_->setVisible(model_.visible(F::UnderOneHour));
}

bool ReportFormDialog::countKey(int index, const QKeyEvent& key) {
    const F field = kCounts[static_cast<std::size_t>(index)];
    QLineEdit* edit = counts_[static_cast<std::size_t>(index)];
    switch (key.key()) {
        case Qt::Key_Space:
            model_.pressSpace(field);
            edit->setText(qtText(model_.text(field)));
            edit->selectAll();
            return true;
        case Qt::Key_Left:
            if (field == F::Placements)
                counts_[4]->setFocus(Qt::BacktabFocusReason);
            else
                focusPreviousChild();
            return true;
        case Qt::Key_Right:
            // The counts go round: from the studies back to the first of the form.
            if (field == F::Studies)
                widgetOf(model_.visible(F::Placements) ? F::Placements : model_.firstField())
                    ->setFocus(Qt::TabFocusReason);
            else
                focusNextChild();
            return true;
        default:
            return false;
    }
}

bool ReportFormDialog::eventFilter(QObject* watched, QEvent* event) {
    const int index = countOf(watched);
    if (index >= 0 && event->type() == QEvent::KeyPress)
        return countKey(index, *static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut && !closing_ && userMovedFocus(event)) {
        if (watched == counts_[2]) {
            model_.leaveHours();
            refresh();
        } else if (watched == remark_ && model_.remarkOpen()) {
            leaveRemark();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReportFormDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain) {
        QDialog::keyPressEvent(event);
        return;
    }
    QWidget* at = focusWidget();
    if (at == ok_ || at == counts_[4])
        onOk();
    else if (at == remark_)
        leaveRemark();
    else if (at == monthList_ || at == monthOk_)
        closeMonthList();
    else
        focusNextChild();
}

void ReportFormDialog::focusFirstField() {
    if (QWidget* w = widgetOf(model_.firstField()); w != nullptr && w->isVisibleTo(this))
        w->setFocus(Qt::OtherFocusReason);
    else
        focusNextChild();
}

void ReportFormDialog::leaveRemark() {
    model_.leaveRemark(utf8Text(remark_->text()));
    refresh();
    focusFirstField();
}

void ReportFormDialog::closeMonthList() {
    model_.closeMonthList();
    refresh();
    focusFirstField();
}

void ReportFormDialog::onOk() {
    if (model_.remarkOpen()) model_.leaveRemark(utf8Text(remark_->text()));
    const auto refusal = model_.accept();
    if (!refusal) {
        QDialog::accept();
        return;
    }
    // The typing stays; the field is selected so the right value replaces it.
    refresh();
    prompts_.showMessage(refusal->message);
    if (QWidget* w = widgetOf(refusal->field)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
    }
}

void ReportFormDialog::reject() {
    closing_ = true;
    QDialog::reject();
    closing_ = false;
}

bool openReportForm(QWidget* parent, CZelvoDoc& doc, int row, UserPrompts& prompts) {
    reporting::ReportFormModel model(doc, row, prompts);
    ReportFormDialog dialog(model, prompts, parent);
    dialog.exec();
    return model.committed();
}

}  // namespace zelvo::gui
