// The record card preferences: the group numbers, the hidden averages and totals of the current
// and the previous service year, one service year per page, no birth day and month.
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/records/option_dialogs.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "records/report_options_model.h"
#include "resources/strings.h"

namespace zelvo::gui {

bool runRecordCardOptions(QWidget* parent, CZelvoDoc& doc) {
    using Model = records::RecordCardOptionsModel;
    Model model(doc);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("recordCardOptionsDialog"));
    dialog.setWindowTitle(qtText(res::kRecordCardTitle));
    auto* layout = new QVBoxLayout(&dialog);
    const auto tick = [&dialog](std::string_view text, const char* name, bool on) {
        auto* box = new QCheckBox(qtText(text), &dialog);
        box->setObjectName(QLatin1String(name));
        box->setChecked(on);
        return box;
    };
    QCheckBox* groups = tick(res::kRecordCardGroups, "printGroupsCheck", model.printGroups);
    QObject::connect(groups, &QCheckBox::toggled, &dialog,
                     [&model](bool on) { model.printGroups = on; });
    layout->addWidget(groups);
    auto* years = new QHBoxLayout;
    struct Year {
        std::string_view title;
        Model::HiddenBit averages, totals;
        const char *averagesName, *totalsName;
    };
    for (const Year& y :
         {Year{res::kRecordCardCurrentYear, Model::kAveragesCurrent, Model::kTotalsCurrent,
               "hideAveragesCurrentCheck", "hideTotalsCurrentCheck"},
          Year{res::kRecordCardPreviousYear, Model::kAveragesPrevious, Model::kTotalsPrevious,
               "hideAveragesPreviousCheck", "hideTotalsPreviousCheck"}}) {
        auto* box = new QGroupBox(qtText(y.title), &dialog);
        auto* inside = new QVBoxLayout(box);
        for (auto [text, bit, name] :
             {std::tuple{res::kRecordCardHideAverages, y.averages, y.averagesName},
              std::tuple{res::kRecordCardHideTotals, y.totals, y.totalsName}}) {
            QCheckBox* b = tick(text, name, model.hidden(bit));
            b->setParent(box);
            QObject::connect(b, &QCheckBox::toggled, &dialog,
                             [&model, bit](bool on) { model.setHidden(bit, on); });
            inside->addWidget(b);
        }
        years->addWidget(box);
    }
    layout->addLayout(years);
    QCheckBox* onePerPage = tick(res::kRecordCardOnePerPage, "onePerPageCheck", model.onePerPage);
    QCheckBox* hideBirth =
        tick(res::kRecordCardHideBirthDates, "hideBirthDatesCheck", model.hideBirthDates);
    QObject::connect(onePerPage, &QCheckBox::toggled, &dialog,
                     [&model](bool on) { model.onePerPage = on; });
    QObject::connect(hideBirth, &QCheckBox::toggled, &dialog,
                     [&model](bool on) { model.hideBirthDates = on; });
    layout->addWidget(onePerPage);
    layout->addWidget(hideBirth);
    const OkCancelRow okCancel = okCancelRow(&dialog);
    layout->addLayout(okCancel.row);
    QObject::connect(okCancel.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    return dialog.exec() == QDialog::Accepted && model.store();
}

}  // namespace zelvo::gui
