#include "gui/reporting/attendance_entry_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

using reporting::WeekPlace;

constexpr std::array<const char*, reporting::kMeetings> kMeetingNames{"midweek", "weekend"};

QLineEdit* readOnlyField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMaximumWidth(80);
    return field;
}

}  // namespace

WeekEdit::WeekEdit(QWidget* parent) : QLineEdit(parent) {
    setMaximumWidth(80);
    // What does not come through the keys (a paste) keeps to digits and a point too.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,3}")), this));
    connect(this, &QLineEdit::textEdited, this, &WeekEdit::typed);
}

void WeekEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit moveRequested(key == Qt::Key_Enter ? int{Qt::Key_Return} : key);
        return;
    }
    const QString typedText = event->text();
    const bool ownKey = key == Qt::Key_Backspace ||
                        (typedText.size() == 1 && typedText[0].unicode() >= 0x20 &&
                         typedText[0].unicode() < 0x7F && event->modifiers() == Qt::NoModifier);
    if (!ownKey) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char c = key == Qt::Key_Backspace ? reporting::kBackspace
                                            : static_cast<char>(typedText[0].unicode());
    const reporting::WeekField before{text().toStdString(),
                                      hasSelectedText() && selectedText() == text()};
    const reporting::WeekField after = reporting::typeWeekKey(before, c);
    if (after == before) return;
    setText(QString::fromStdString(after.text));
    if (after.selected) selectAll();
    emit typed();
}

void WeekEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
}

AttendanceEntryDialog::AttendanceEntryDialog(reporting::AttendanceEntryModel& model,
                                             QWidget* parent)
    : QDialog(parent),
      model_(model),
      years_(new QListWidget(this)),
      months_(new QListWidget(this)),
      next_(new QCheckBox(qtText(model.tickCaption()), this)) {
    setObjectName(QStringLiteral("attendanceEntryDialog"));
    years_->setObjectName(QStringLiteral("yearList"));
    months_->setObjectName(QStringLiteral("monthList"));
    next_->setObjectName(QStringLiteral("nextMonthTick"));
    next_->setVisible(model.tickVisible());
    for (const int year : model.yearEntries()) years_->addItem(QString::number(year));
    years_->setMaximumWidth(70);
    months_->setMinimumWidth(130);

    auto* meetings = new QHBoxLayout;
    const std::array<std::string_view, reporting::kMeetings> boxes{res::kAttendanceMidweekBox,
                                                                   res::kAttendanceWeekendBox};
    for (int k = 0; k < reporting::kMeetings; ++k) {
        const auto ki = static_cast<std::size_t>(k);
        auto* box = new QGroupBox(qtText(boxes[ki]), this);
        auto* form = new QFormLayout(box);
        const QString prefix = QString::fromLatin1(kMeetingNames[ki]);
        for (int w = 0; w < reporting::kWeeks; ++w) {
            auto* edit = new WeekEdit(box);
            edit->setObjectName(prefix + QStringLiteral("Week") + QString::number(w + 1));
            weeks_[ki][static_cast<std::size_t>(w)] = edit;
            form->addRow(QString::number(w + 1), edit);
            const WeekPlace place{k, w};
            connect(edit, &WeekEdit::typed, this, [this, place, edit] {
                model_.setWeek(place.meeting, place.week,
                               reporting::weekValue(edit->text().toStdString()));
                showFigures();
            });
            connect(edit, &WeekEdit::moveRequested, this,
                    [this, place](int key) { move(place, key); });
        }
        totals_[ki] = readOnlyField(box, prefix + QStringLiteral("Total"));
        averages_[ki] = readOnlyField(box, prefix + QStringLiteral("Average"));
        form->addRow(qtText(res::kAttendanceTotalLabel), totals_[ki]);
        form->addRow(qtText(res::kAttendanceAverageLabel), averages_[ki]);
        meetings->addWidget(box);
    }

    auto* done = dialogButton(this, res::kDoneButton, "doneButton");
    auto* lists = new QHBoxLayout;
    lists->addWidget(months_);
    lists->addWidget(years_);
    auto* left = new QVBoxLayout;
    left->addLayout(lists);
    left->addWidget(next_);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(meetings);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    // The keys move between the week fields; the lists are reached with the mouse or Tab.
    QWidget* previous = weeks_[0][0];
    for (const auto& meeting : weeks_)
        for (WeekEdit* edit : meeting) {
            if (edit != previous) setTabOrder(previous, edit);
            previous = edit;
        }
    setTabOrder(previous, months_);
    setTabOrder(months_, years_);
    setTabOrder(years_, next_);
    setTabOrder(next_, done);

    connect(years_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.setYearIndex(row);
        refresh();
    });
    connect(months_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.setMonth(model_.monthEntries()[static_cast<std::size_t>(row)]);
        refresh();
    });
    connect(next_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setTicked(on);
        refresh();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    weeks_[0][0]->setFocus();
    weeks_[0][0]->selectAll();
}

void AttendanceEntryDialog::refresh() {
    setWindowTitle(qtText(model_.title()));
    {
        const QSignalBlocker quietYears(years_);
        const QSignalBlocker quietMonths(months_);
        years_->setCurrentRow(model_.yearIndex());
        months_->clear();
        int row = 0;
        for (std::size_t i = 0; i < model_.monthEntries().size(); ++i) {
            const int m = model_.monthEntries()[i];
            months_->addItem(qtText(res::monthName(m)));
            if (m == model_.monthIndex()) row = static_cast<int>(i);
        }
        months_->setCurrentRow(row);
    }
    years_->setVisible(!model_.ticked());
    months_->setVisible(!model_.ticked());
    for (int k = 0; k < reporting::kMeetings; ++k)
        for (int w = 0; w < reporting::kWeeks; ++w)
            weeks_[static_cast<std::size_t>(k)][static_cast<std::size_t>(w)]->setText(
                QString::number(model_.week(k, w)));
    showFigures();
}

void AttendanceEntryDialog::showFigures() {
    for (int k = 0; k < reporting::kMeetings; ++k) {
        const reporting::MeetingFigures f = model_.figures(k);
        totals_[static_cast<std::size_t>(k)]->setText(QString::number(f.total));
        averages_[static_cast<std::size_t>(k)]->setText(QString::number(f.average));
    }
}

void AttendanceEntryDialog::move(WeekPlace from, int key) {
    const WeekPlace to = key == Qt::Key_Up     ? reporting::weekAbove(from)
                         : key == Qt::Key_Down ? reporting::weekBelow(from)
                                               : reporting::weekAfterEnter(from);
    if (key == Qt::Key_Return) showFigures();
    WeekEdit* edit =
        weeks_[static_cast<std::size_t>(to.meeting)][static_cast<std::size_t>(to.week)];
    edit->setFocus();
    edit->selectAll();
}

void AttendanceEntryDialog::done(int result) {
    model_.save();
    QDialog::done(result);
}

void runAttendanceEntry(QWidget* parent, CZelvoDoc& doc) {
    const CalendarState& cal = doc.calendar;
    // The day the session began, as the other entry dialogs read it.
    reporting::AttendanceEntryModel model(doc, Date{cal.calYear, cal.calMonth, cal.calDay});
    AttendanceEntryDialog dialog(model, parent);
    dialog.exec();
}

}  // namespace zelvo::gui
