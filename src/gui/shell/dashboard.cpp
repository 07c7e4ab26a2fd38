#include "gui/shell/dashboard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "gui/shell/qt_text.h"
#include "shell/command_table.h"

namespace zelvo::gui {

namespace {

constexpr int kButtonHeight = 40;
constexpr int kButtonWidth = 250;

QPushButton* makeButton(shell::DashboardButtonId id, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QStringLiteral("button%1").arg(shell::idNumber(id)));
    b->setMinimumSize(kButtonWidth, kButtonHeight);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Enter and Return press the button that has the focus, which is drawn as the default.
    b->setAutoDefault(true);
    QFont f = b->font();
    f.setPointSizeF(f.pointSizeF() * 1.1);
    b->setFont(f);
    return b;
}

}  // namespace

Dashboard::Dashboard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dashboard"));
    const auto sections = shell::dashboardSections();
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 20, 24, 20);
    outer->setSpacing(16);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    auto* footer = new QHBoxLayout;

    // Titled sections side by side; the untitled one is the row of buttons at the foot.
    std::vector<QVBoxLayout*> sectionLayouts(sections.size(), nullptr);
    for (std::size_t s = 0; s < sections.size(); ++s) {
        if (sections[s].empty()) continue;
        auto* box = new QGroupBox(qtText(sections[s]), this);
        box->setObjectName(QStringLiteral("dashboardSection%1").arg(s));
        auto* layout = new QVBoxLayout(box);
        layout->setSpacing(8);
        sectionLayouts[s] = layout;
        columns->addWidget(box, 1, Qt::AlignTop);
    }
    for (const shell::DashboardButton& d : shell::dashboardButtons()) {
        const auto section = static_cast<std::size_t>(d.section);
        QPushButton* b = makeButton(d.id, this);
        if (sectionLayouts[section] != nullptr) {
            sectionLayouts[section]->addWidget(b);
        } else {
            // The foot row keeps its buttons at their own size, return on the left, exit right.
            b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            if (d.command == shell::CommandId::Exit) footer->addStretch(1);
            footer->addWidget(b);
        }
        const shell::DashboardButtonId id = d.id;
        connect(b, &QPushButton::clicked, this, [this, id] { emit buttonPressed(id); });
        buttons_[d.id] = b;
    }
    for (QVBoxLayout* layout : sectionLayouts)
        if (layout != nullptr) layout->addStretch(1);
    outer->addLayout(columns);
    outer->addLayout(footer);
    outer->addStretch(1);

    refresh(shell::CommandState{});
}

QPushButton* Dashboard::button(shell::DashboardButtonId id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

QPushButton* Dashboard::firstEnabledButton() const {
    for (const shell::DashboardButton& d : shell::dashboardButtons()) {
        QPushButton* b = button(d.id);
        if (b->isEnabled() && !b->isHidden()) return b;
    }
    return nullptr;
}

void Dashboard::restoreFocus() {
    // focusWidget() is the button of the dashboard that had the focus last, wherever it is now.
    auto* last = qobject_cast<QPushButton*>(focusWidget());
    if (last == nullptr || !last->isEnabled() || last->isHidden()) last = firstEnabledButton();
    if (last != nullptr) last->setFocus(Qt::OtherFocusReason);
}

void Dashboard::refresh(const shell::CommandState& state) {
    for (const shell::DashboardButton& d : shell::dashboardButtons()) applyRules(d.id, state);
}

void Dashboard::refreshReturnButton(const shell::CommandState& state) {
    applyRules(shell::DashboardButtonId::ReturnToLiveData, state);
}

void Dashboard::applyRules(shell::DashboardButtonId id, const shell::CommandState& state) {
    const shell::DashboardButton* d = shell::findDashboardButton(id);
    QPushButton* b = button(id);
    if (d == nullptr || b == nullptr) return;
    b->setText(qtText(shell::buttonText(*d, state)));
    b->setStatusTip(qtText(shell::buttonStatusText(*d, state)));
    b->setEnabled(shell::buttonEnabled(*d, state));
    b->setVisible(shell::buttonVisible(*d, state));
}

}  // namespace zelvo::gui
