#include "gui/shell/command_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <vector>

#include "gui/shell/qt_text.h"
#include "gui/shell/toolbar_icons.h"
#include "shell/command_table.h"

namespace zelvo::gui {

namespace {

// A menu text as a tool tip: without its mnemonic marks, "&&" back to one ampersand.
QString plainText(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

}  // namespace

CommandActions::CommandActions(QWidget* owner) : QObject(owner) {
    for (const shell::Command& c : shell::commands()) {
        auto* a = new QAction(qtText(c.text), owner);
        a->setObjectName(QStringLiteral("action%1").arg(c.id));
        if (!c.shortcut.empty()) a->setShortcut(QKeySequence(qtText(c.shortcut)));
        if (c.check != shell::CheckRule::None) a->setCheckable(true);
        a->setEnabled(false);
        owner->addAction(a);
        const int id = c.id;
        connect(a, &QAction::triggered, this, [this, id] { emit triggered(id); });
        actions_[id] = a;
    }
}

QAction* CommandActions::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CommandActions::fillMenuBar(QMenuBar* bar) {
    // The outline gives each entry's depth; the stack holds the open menu of each depth.
    std::vector<QMenu*> open;
    for (const shell::MenuEntry& e : shell::menuOutline()) {
        open.resize(static_cast<std::size_t>(e.depth));
        QMenu* parent = open.empty() ? nullptr : open.back();
        switch (e.kind) {
            case shell::MenuEntry::Kind::Menu: {
                QMenu* m = parent != nullptr ? parent->addMenu(qtText(e.text))
                                             : bar->addMenu(qtText(e.text));
                m->setObjectName(qtText(e.name));
                m->menuAction()->setObjectName(qtText(e.name) + QStringLiteral("Action"));
                if (e.name == shell::kPreviousReportsMenuName) previousReports_ = m;
                open.push_back(m);
                break;
            }
            case shell::MenuEntry::Kind::Command:
                if (parent != nullptr) parent->addAction(action(e.command));
                break;
            case shell::MenuEntry::Kind::Separator:
                if (parent != nullptr) parent->addSeparator();
                break;
        }
    }
}

void CommandActions::fillToolBar(QToolBar* bar) {
    for (int id : shell::toolbarLayout()) {
        if (id == shell::kToolbarGap) {
            bar->addSeparator();
            continue;
        }
        QAction* a = action(id);
        a->setIcon(commandIcon(id));
        bar->addAction(a);
    }
}

void CommandActions::refresh(const shell::CommandState& state) {
    for (const shell::Command& c : shell::commands()) {
        QAction* a = action(c.id);
        const QString text = qtText(shell::commandText(c, state));
        if (a->text() != text) a->setText(text);
        a->setToolTip(plainText(text));
        a->setEnabled(shell::commandEnabled(c, state));
        if (a->isCheckable()) a->setChecked(shell::commandChecked(c, state));
    }
    if (previousReports_ != nullptr)
        previousReports_->menuAction()->setVisible(shell::previousReportsMenuShown(state));
}

}  // namespace zelvo::gui
