#include "gui/reporting/attendance_record_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "reporting/attendance_record.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

constexpr int kRows = 13;  // twelve months and the average

QString headingText(std::string_view heading) {
    const auto [first, second] = reporting::splitHeading(heading);
    return second.empty() ? qtText(first) : qtText(first) + QLatin1Char('\n') + qtText(second);
}

QTableWidget* blockTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(kRows, 3, parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setHorizontalHeaderLabels({headingText(res::kAttendanceHeldHeading),
                                      headingText(res::kAttendanceTotalLabel),
                                      headingText(res::kAttendanceAverageLabel)});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

// The table as large as its cells, so nothing is cut and no empty room is left.
void fitToCells(QTableWidget* table) {
    const int frame = table->frameWidth() * 2;
    int width = table->verticalHeader()->sizeHint().width() + frame;
    for (int c = 0; c < table->columnCount(); ++c)
        width += table->horizontalHeader()->sectionSize(c);
    int height = table->horizontalHeader()->sizeHint().height() + frame;
    for (int r = 0; r < table->rowCount(); ++r) height += table->verticalHeader()->sectionSize(r);
    table->setFixedSize(width, height);
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

AttendanceRecordDialog::AttendanceRecordDialog(const CZelvoDoc& doc, std::function<void()> print,
                                               QWidget* parent)
    : QDialog(parent), doc_(doc), meetings_(new QComboBox(this)) {
    setObjectName(QStringLiteral("attendanceRecordDialog"));
    setWindowTitle(qtText(res::kAttendanceRecordTitle));
    meetings_->setObjectName(QStringLiteral("meetingList"));
    for (const MeetingAttendance& m : doc.meetings)
        meetings_->addItem(qtText(cp1253::toUtf8(m.text(MeetingAttendance::kTitle))));

    auto* blocks = new QHBoxLayout;
    for (std::size_t b = 0; b < tables_.size(); ++b) {
        boxes_[b] = new QGroupBox(this);
        tables_[b] = blockTable(boxes_[b], b == 0 ? QStringLiteral("previousYearTable")
                                                  : QStringLiteral("currentYearTable"));
        auto* inside = new QVBoxLayout(boxes_[b]);
        inside->addWidget(tables_[b]);
        blocks->addWidget(boxes_[b]);
    }

    auto* printButton = dialogButton(this, res::kPrint, "printButton");
    auto* done = dialogButton(this, res::kDoneButton, "doneButton");
    done->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(meetings_);
    layout->addLayout(blocks);
    layout->addLayout(buttons);

    connect(meetings_, &QComboBox::currentIndexChanged, this,
            [this](int index) { showMeeting(index); });
    connect(printButton, &QPushButton::clicked, this, [print] { print(); });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    showMeeting(0);
}

void AttendanceRecordDialog::showMeeting(int meeting) {
    if (meeting < 0) return;
    const auto record = reporting::attendanceRecord(doc_, meeting);
    for (std::size_t b = 0; b < record.size(); ++b) {
        const reporting::AttendanceRecordBlock& block = record[b];
        boxes_[b]->setTitle(qtText(reporting::serviceYearCaption(block)));
        QTableWidget* table = tables_[b];
        table->clearContents();
        QStringList months;
        for (int r = 0; r < 12; ++r) {
            const auto& row = block.rows[static_cast<std::size_t>(r)];
            months << qtText(res::monthAbbrev(row.month));
            if (!row.shown) continue;
            table->setItem(r, 0, cell(QString::number(row.held)));
            table->setItem(r, 1, cell(QString::number(row.total)));
            table->setItem(r, 2, cell(qtText(reporting::averageText(row.average))));
        }
        months << qtText(res::kAttendanceMonthlyAverageScreen);
        table->setVerticalHeaderLabels(months);
        table->setItem(12, 2, cell(qtText(reporting::averageText(block.monthlyAverage))));
        fitToCells(table);
    }
}

}  // namespace zelvo::gui
