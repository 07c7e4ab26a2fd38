#include "gui/shell/command_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QToolBar>
#include <optional>
#include <vector>

#include "gui/shell/qt_text.h"
#include "gui/shell/toolbar_icons.h"
#include "shell/command_table.h"

namespace zelvo::gui {

QString commandMenuText(shell::CommandId id) {
    const shell::Command* c = shell::findCommand(id);
    return c != nullptr ? qtText(c->text) : QString();
}

CommandActions::CommandActions(QWidget* owner) : QObject(owner), owner_(owner) {
    for (const shell::Command& c : shell::commands()) {
        auto* a = new QAction(qtText(c.text), owner);
        a->setObjectName(QStringLiteral("action%1").arg(shell::idNumber(c.id)));
        if (!c.shortcut.empty()) a->setShortcut(QKeySequence(qtText(c.shortcut)));
        if (c.check != shell::CheckRule::None) a->setCheckable(true);
        a->setEnabled(false);
        owner->addAction(a);
        const shell::CommandId id = c.id;
        connect(a, &QAction::triggered, this, [this, id] { emit triggered(id); });
        actions_[id] = a;
    }
}

QAction* CommandActions::action(shell::CommandId id) const {
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
                m->installEventFilter(this);
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
    for (const std::optional<shell::CommandId> id : shell::toolbarLayout()) {
        if (!id) {
            bar->addSeparator();
            continue;
        }
        QAction* a = action(*id);
        a->setIcon(commandIcon(*id));
        bar->addAction(a);
    }
}

// A menu shows the status tip of an entry only while it can be chosen. A grey entry says what it
// is too: the menu's pointer moves are read here and its tip is handed to the window, after the
// menu has handled the move (which may clear the status line).
bool CommandActions::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr) return false;
    QString tip;
    switch (event->type()) {
        case QEvent::MouseMove: {
            const QAction* a =
                menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (a == nullptr || a->isEnabled() || a->isSeparator()) {
                if (!greyTipShown_) return false;
            } else {
                tip = a->statusTip();
            }
            break;
        }
        case QEvent::Leave:
        case QEvent::Hide:
            if (!greyTipShown_) return false;
            break;
        default:
            return false;
    }
    QMetaObject::invokeMethod(
        this, [this, tip] { showGreyTip(tip); }, Qt::QueuedConnection);
    return false;
}

void CommandActions::showGreyTip(const QString& tip) {
    greyTipShown_ = !tip.isEmpty();
    QStatusTipEvent event(tip);
    QCoreApplication::sendEvent(owner_, &event);
}

void CommandActions::refresh(const shell::CommandState& state) {
    for (const shell::Command& c : shell::commands()) {
        QAction* a = action(c.id);
        const std::string text = shell::commandText(c, state);
        if (a->text() != qtText(text)) a->setText(qtText(text));
        a->setToolTip(qtText(shell::plainText(text)));
        // Shown on hover whether the command is enabled or not, so that a grey entry says why.
        a->setStatusTip(qtText(shell::commandStatusText(c, state)));
        a->setEnabled(shell::commandEnabled(c, state));
        if (a->isCheckable()) a->setChecked(shell::commandChecked(c, state));
    }
    if (previousReports_ != nullptr)
        previousReports_->menuAction()->setVisible(shell::previousReportsMenuShown(state));
}

}  // namespace zelvo::gui
