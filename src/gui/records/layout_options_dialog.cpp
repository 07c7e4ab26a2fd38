// The report layout options: nine ticks, the two margin lists and the congregation name.
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <vector>

#include "gui/records/option_dialogs.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "records/report_options_model.h"
#include "resources/strings.h"
#include "store/settings.h"

namespace zelvo::gui {

namespace {

using records::LayoutTick;
using records::MarginList;

// The entries "00" to "99"; digits and the arrow keys go through the model's typing rules.
class MarginListWidget : public QListWidget {
public:
    MarginListWidget(MarginList& model, const char* name, QWidget* parent)
        : QListWidget(parent), model_(model) {
        setObjectName(QLatin1String(name));
        for (int v = 0; v < MarginList::kEntries; ++v) addItem(qtText(MarginList::entryText(v)));
        const int row = sizeHintForRow(0);
        setFixedHeight(row * 4 + 2 * frameWidth());
        setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                      verticalScrollBar()->sizeHint().width() + 4 * frameWidth());
        connect(this, &QListWidget::currentRowChanged, this, [this](int r) {
            if (r != model_.value()) model_.select(r);
        });
        refresh();
    }
    void refresh() {
        const QSignalBlocker quiet(this);
        setCurrentRow(model_.value());
        scrollToItem(currentItem(), QAbstractItemView::PositionAtTop);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        if (event->key() == Qt::Key_Up)
            model_.up();
        else if (event->key() == Qt::Key_Down)
            model_.down();
        else if (text.size() == 1 && text[0].isDigit())
            model_.typeDigit(text[0].digitValue());
        else
            return QListWidget::keyPressEvent(event);
        refresh();
    }

private:
    MarginList& model_;
};

constexpr LayoutTick kTicks[] = {
    LayoutTick::LastNameFirst,  LayoutTick::AlternativeDate,  LayoutTick::BirthStatistics,
    LayoutTick::LabelBirthDate, LayoutTick::LabelAlternative, LayoutTick::GridLines,
    LayoutTick::NoSlipFields,   LayoutTick::PrintDate,        LayoutTick::EmergJw,
};
constexpr const char* kTickNames[] = {
    "lastNameFirstCheck",  "alternativeDateCheck",  "birthStatisticsCheck",
    "labelBirthDateCheck", "labelAlternativeCheck", "gridLinesCheck",
    "noSlipFieldsCheck",   "printDateCheck",        "emergJwCheck",
};

}  // namespace

bool runLayoutOptions(QWidget* parent, CZelvoDoc& doc) {
    records::LayoutOptionsModel model(doc);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("layoutOptionsDialog"));
    dialog.setWindowTitle(qtText(res::kLayoutTitle));

    std::vector<QCheckBox*> ticks;
    auto* layout = new QVBoxLayout(&dialog);
    QList<QWidget*> order;
    for (std::size_t i = 0; i < std::size(kTicks); ++i) {
        auto* box = new QCheckBox(qtText(model.tickText(kTicks[i])), &dialog);
        box->setObjectName(QLatin1String(kTickNames[i]));
        box->setVisible(model.tickVisible(kTicks[i]));
        layout->addWidget(box);
        ticks.push_back(box);
        order.push_back(box);
    }
    auto* top = new MarginListWidget(model.topMargin, "topMarginList", &dialog);
    auto* label = new MarginListWidget(model.labelMargin, "labelMarginList", &dialog);
    auto* name = new QLineEdit(qtText(model.congregationName), &dialog);
    name->setObjectName(QStringLiteral("congregationNameEdit"));
    name->setMaxLength(static_cast<int>(kCongregationNameMax));
    name->setMinimumWidth(name->fontMetrics().averageCharWidth() *
                          (static_cast<int>(kCongregationNameMax) + 4));
    auto* grid = new QGridLayout;
    const auto caption = [&dialog](std::string_view text, QWidget* buddy) {
        auto* l = new QLabel(qtText(text), &dialog);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(caption(res::kLayoutTopMargin, top), 0, 0);
    grid->addWidget(top, 0, 1);
    grid->addWidget(caption(res::kLayoutLabelMargin, label), 1, 0);
    grid->addWidget(label, 1, 1);
    grid->addWidget(caption(res::kLayoutCongregationName, name), 2, 0);
    grid->addWidget(name, 2, 1);
    grid->setColumnStretch(2, 1);
    layout->addSpacing(name->sizeHint().height() / 2);
    layout->addLayout(grid);
    const OkCancelRow okCancel = okCancelRow(&dialog);
    layout->addLayout(okCancel.row);
    order << top << label << name << okCancel.ok << okCancel.cancel;
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    const auto refresh = [&] {
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            const QSignalBlocker quiet(ticks[i]);
            ticks[i]->setChecked(model.tick(kTicks[i]));
        }
    };
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        QObject::connect(ticks[i], &QCheckBox::toggled, &dialog, [&, i](bool on) {
            model.setTick(kTicks[i], on);
            refresh();
        });
    }
    QObject::connect(name, &QLineEdit::textEdited, &dialog,
                     [&model](const QString& text) { model.congregationName = utf8Text(text); });
    QObject::connect(okCancel.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    refresh();
    return dialog.exec() == QDialog::Accepted && model.store();
}

}  // namespace zelvo::gui
