#include "gui/reporting/history_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/records/steady_form.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

using F = reporting::HistoryField;

constexpr F kEdits[] = {F::Placements, F::Videos, F::Hours, F::ReturnVisits, F::Studies, F::Credit};
constexpr const char* kEditNames[] = {"placementsEdit",   "videosEdit",  "hoursEdit",
                                      "returnVisitsEdit", "studiesEdit", "creditEdit"};
constexpr F kTicks[] = {F::Participated, F::UnderOneHour, F::Auxiliary,     F::Regular,
                        F::Special,      F::Late,         F::RegularTotals, F::SpecialTotals};
constexpr const char* kTickNames[] = {"participatedTick",  "underOneHourTick", "auxiliaryTick",
                                      "regularTick",       "specialTick",      "lateTick",
                                      "regularTotalsTick", "specialTotalsTick"};
constexpr std::string_view kTickTexts[] = {
    res::kParticipatedTick, res::kUnderOneHourTick, res::kHistoryAuxiliary, res::kHistoryRegular,
    res::kHistorySpecial,   res::kHistoryLate,      res::kHistoryRegulars,  res::kHistorySpecials};
constexpr std::string_view kHeadings[] = {res::kHeadingPlacements, res::kHeadingVideos,
                                          res::kHeadingHours, res::kHeadingReturnVisits,
                                          res::kHeadingStudies};

// Fills `list` with `entries` unless it holds them already (a list rebuilt under a click would
// lose it).
void fill(QListWidget* list, const std::vector<QString>& entries) {
    bool same = list->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == entries[static_cast<std::size_t>(i)];
    if (same) return;
    list->clear();
    for (const QString& e : entries) list->addItem(e);
}

QCheckBox* tick(QWidget* parent, std::string_view text, const char* name) {
    auto* box = new QCheckBox(qtText(text), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

}  // namespace

HistoryDialog::HistoryDialog(reporting::HistoryModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      years_(new QComboBox(this)),
      months_(new QListWidget(this)),
      list_(new QListWidget(this)),
      remark_(new QLineEdit(this)),
      remarkLabel_(new QLabel(qtText(res::kRemarksButton), this)),
      note_(new QLabel(qtText(res::kHistoryTotalsNote), this)),
      totals_(tick(this, res::kHistoryTotalsTick, "totalsTick")),
      monthAdvance_(tick(this, res::kHistoryAdvance, "monthAdvanceTick")),
      personAdvance_(tick(this, res::kHistoryAdvance, "personAdvanceTick")),
      done_(dialogButton(this, res::kDoneButton, "doneButton")) {
    setObjectName(QStringLiteral("historyDialog"));
    years_->setObjectName(QStringLiteral("yearList"));
    months_->setObjectName(QStringLiteral("monthList"));
    list_->setObjectName(QStringLiteral("personList"));
    for (const std::string& y : model.yearTexts()) years_->addItem(qtText(y));
    // Twelve months fit without scrolling; the list of people keeps the same height.
    months_->addItem(qtText(res::monthName(8)));
    const int rows = months_->sizeHintForRow(0) * 12 + 2 * months_->frameWidth();
    months_->clear();
    months_->setFixedHeight(rows);
    months_->setFixedWidth(months_->fontMetrics().horizontalAdvance(qtText(res::monthName(8))) * 2);
    list_->setFixedSize(fontMetrics().horizontalAdvance(QString(28, QLatin1Char('M'))), rows);
    // The totals' list and note keep their room, so switching modes does not resize the window.
    keepRoom(list_);

    auto* left = new QVBoxLayout;
    left->addWidget(years_);
    left->addWidget(months_);
    left->addWidget(monthAdvance_);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(totals_);
    right->addWidget(list_);
    right->addWidget(personAdvance_);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(buildFields(), 1);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(done_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connectControls();
    refresh();
    focusFirstField();
}

QWidget* HistoryDialog::buildFields() {
    auto* fields = new QWidget(this);
    auto* column = new QVBoxLayout(fields);
    column->setContentsMargins(6, 0, 6, 0);
    for (std::size_t i = 0; i < ticks_.size(); ++i)
        ticks_[i] = tick(this, kTickTexts[i], kTickNames[i]);
    column->addWidget(ticks_[0]);

    auto* grid = new QGridLayout;
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 12;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = new QLineEdit(this);
        edits_[i]->setObjectName(QLatin1String(kEditNames[i]));
        edits_[i]->setFixedWidth(width);
        edits_[i]->installEventFilter(this);
        headings_[i] = new QLabel(i < 5 ? qtText(kHeadings[i]) : QString(), this);
        keepRoom(edits_[i]);
        keepRoom(headings_[i]);
        if (i < 5) {
            grid->addWidget(headings_[i], 0, static_cast<int>(i));
            grid->addWidget(edits_[i], 1, static_cast<int>(i));
        }
    }
    grid->addWidget(ticks_[1], 2, 2, 1, 3);
    keepRoom(ticks_[1]);
    grid->setColumnStretch(5, 1);
    column->addLayout(grid);

    // The credit's label names the category in totals mode: room for the longest from the start.
    headings_[5]->setObjectName(QStringLiteral("creditLabel"));
    headings_[5]->setMinimumWidth(
        headings_[5]->fontMetrics().horizontalAdvance(QString(28, QChar(0x03A3))));
    auto* credit = new QHBoxLayout;
    credit->addWidget(edits_[5]);
    credit->addWidget(headings_[5], 1);
    column->addLayout(credit);

    remark_->setObjectName(QStringLiteral("remarkEdit"));
    remark_->installEventFilter(this);
    // The person's remark and ticks, or the totals' ticks and note, in one place.
    auto* person = new QWidget(this);
    auto* personRows = new QVBoxLayout(person);
    personRows->setContentsMargins(0, 0, 0, 0);
    auto* remark = new QHBoxLayout;
    remark->addWidget(remarkLabel_);
    remark->addWidget(remark_, 1);
    personRows->addLayout(remark);
    for (std::size_t i = 2; i < 6; ++i) personRows->addWidget(ticks_[i]);
    personRows->addStretch(1);
    auto* totals = new QWidget(this);
    auto* totalsRows = new QVBoxLayout(totals);
    totalsRows->setContentsMargins(0, 0, 0, 0);
    auto* pioneers = new QHBoxLayout;
    pioneers->addWidget(ticks_[6]);
    pioneers->addWidget(ticks_[7]);
    pioneers->addStretch(1);
    totalsRows->addLayout(pioneers);
    note_->setWordWrap(true);
    note_->setFixedWidth(fontMetrics().horizontalAdvance(QString(46, QLatin1Char('M'))));
    totalsRows->addWidget(note_);
    totalsRows->addStretch(1);
    // Each part keeps its room whatever its month shows, so neither mode resizes the window.
    for (QWidget* w : {static_cast<QWidget*>(remark_), static_cast<QWidget*>(remarkLabel_),
                       static_cast<QWidget*>(note_)})
        keepRoom(w);
    for (QCheckBox* t : ticks_) keepRoom(t);
    keepRoom(monthAdvance_);
    keepRoom(personAdvance_);
    modePart_ = new QStackedWidget(this);
    modePart_->addWidget(person);
    modePart_->addWidget(totals);
    column->addWidget(modePart_);
    column->addStretch(1);
    return fields;
}

void HistoryDialog::connectControls() {
    connect(years_, &QComboBox::activated, this, [this](int position) {
        model_.chooseYear(position);
        refresh();
    });
    connect(months_, &QListWidget::currentRowChanged, this, [this](int row) {
        const std::vector<int> months = model_.months();
        if (row < 0 || row >= static_cast<int>(months.size())) return;
        model_.chooseMonth(months[static_cast<std::size_t>(row)]);
        refresh();
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.chooseListEntry(row);
        refresh();
    });
    connect(totals_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setTotalsMode(on);
        refresh();
    });
    for (std::size_t i = 0; i < edits_.size(); ++i)
        connect(edits_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            model_.type(kEdits[i], utf8Text(text));
            const QString kept = qtText(model_.text(kEdits[i]));
            if (kept != text) edits_[i]->setText(kept);
            // "<1 ώ." comes and goes with the hours as they are typed.
            if (kEdits[i] == F::Hours) ticks_[1]->setVisible(model_.visible(F::UnderOneHour));
        });
    for (std::size_t i = 0; i < ticks_.size(); ++i)
        connect(ticks_[i], &QCheckBox::toggled, this, [this, i](bool on) {
            model_.setTicked(kTicks[i], on);
            refresh();
        });
    connect(monthAdvance_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setTicked(F::MonthAdvance, on);
        refresh();
    });
    connect(personAdvance_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setTicked(F::PersonAdvance, on);
        refresh();
    });
    connect(done_, &QPushButton::clicked, this, [this] {
        leaveRemark();
        model_.finish();
        accept();
    });
}

void HistoryDialog::refresh() {
    setWindowTitle(qtText(model_.title()));
    {
        const QSignalBlocker a(years_);
        const QSignalBlocker b(months_);
        const QSignalBlocker c(list_);
        years_->setCurrentIndex(model_.yearPosition());
        const std::vector<int> months = model_.months();
        std::vector<QString> names;
        for (const int m : months) names.push_back(qtText(res::monthName(m)));
        fill(months_, names);
        const auto at = std::find(months.begin(), months.end(), model_.month());
        months_->setCurrentRow(at == months.end() ? -1 : static_cast<int>(at - months.begin()));
        std::vector<QString> entries;
        for (const std::string& e : model_.listEntries()) entries.push_back(qtText(e));
        fill(list_, entries);
        list_->setCurrentRow(model_.listPosition());
    }
    list_->setVisible(model_.visible(F::List));
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const QString text = qtText(model_.text(kEdits[i]));
        if (edits_[i]->text() != text) edits_[i]->setText(text);
        const bool shown = model_.visible(kEdits[i]);
        edits_[i]->setVisible(shown);
        edits_[i]->setEnabled(model_.enabled(kEdits[i]));
        headings_[i]->setVisible(shown);
    }
    headings_[5]->setText(qtText(model_.creditLabel()));
    remark_->setText(qtText(model_.text(F::Remark)));
    remark_->setVisible(model_.visible(F::Remark));
    remark_->setEnabled(model_.enabled(F::Remark));
    remarkLabel_->setVisible(model_.visible(F::Remark));
    note_->setVisible(model_.visible(F::Note));
    modePart_->setCurrentIndex(model_.totalsMode() ? 1 : 0);
    const auto setTick = [this](QCheckBox* box, F field) {
        const QSignalBlocker quiet(box);
        box->setChecked(model_.ticked(field));
        box->setVisible(model_.visible(field));
    };
    for (std::size_t i = 0; i < ticks_.size(); ++i) setTick(ticks_[i], kTicks[i]);
    setTick(monthAdvance_, F::MonthAdvance);
    setTick(personAdvance_, F::PersonAdvance);
    const QSignalBlocker quiet(totals_);
    totals_->setChecked(model_.totalsMode());
}

QWidget* HistoryDialog::widgetOf(F field) const {
    for (std::size_t i = 0; i < edits_.size(); ++i)
        if (kEdits[i] == field) return edits_[i];
    for (std::size_t i = 0; i < ticks_.size(); ++i)
        if (kTicks[i] == field) return ticks_[i];
    if (field == F::Remark) return remark_;
    return list_;
}

void HistoryDialog::leaveRemark() {
    model_.leaveRemark(utf8Text(remark_->text()));
}

// Enter moves through the fields; in the last one it saves and moves on by the ticked advance.
void HistoryDialog::enter() {
    QWidget* at = focusWidget();
    if (at == done_) {
        done_->click();
        return;
    }
    const std::vector<F> order = model_.enterOrder();
    const auto field =
        std::find_if(order.begin(), order.end(), [&](F f) { return widgetOf(f) == at; });
    if (field == order.end()) {
        focusNextChild();
        return;
    }
    if (*field == F::Hours) model_.leaveHours();
    if (*field == F::Remark) leaveRemark();
    if (std::next(field) != order.end()) {
        refresh();
        QWidget* next = widgetOf(*std::next(field));
        next->setFocus(Qt::TabFocusReason);
        return;
    }
    model_.moveOn();
    refresh();
    focusFirstField();
}

void HistoryDialog::focusFirstField() {
    QWidget* w = widgetOf(model_.firstField());
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

void HistoryDialog::keyPressEvent(QKeyEvent* event) {
    const bool enterKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enterKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        enter();
    else
        QDialog::keyPressEvent(event);
}

bool HistoryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !closing_) {
        const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
        const bool user = r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
        if (user && watched == edits_[2]) {
            model_.leaveHours();
            refresh();
        } else if (user && watched == remark_) {
            leaveRemark();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HistoryDialog::reject() {
    closing_ = true;
    leaveRemark();
    model_.finish();
    QDialog::reject();
}

void openHistory(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                 const reporting::HistoryPreset& preset) {
    if (doc.recordCount() < 2) return;
    reporting::HistoryModel model(doc, prompts, preset);
    HistoryDialog dialog(model, parent);
    dialog.exec();
}

}  // namespace zelvo::gui
