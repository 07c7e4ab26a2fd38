// The view of the main window. In dashboard mode it shows the dashboard; in report mode it shows
// one report in its place, until Escape or the return-to-dashboard command.
#pragma once

#include <QWidget>

#include "shell/command_state.h"

class QScrollArea;
class QStackedLayout;

namespace zelvo::gui {

class Dashboard;

class CZelvoView : public QWidget {
    Q_OBJECT
public:
    explicit CZelvoView(QWidget* parent = nullptr);

    shell::ViewMode mode() const { return mode_; }
    int reportKind() const { return kind_; }
    Dashboard* dashboard() const { return dashboard_; }
    QWidget* reportPage() const { return reportPage_; }

    // Hides the dashboard and shows the report of `kind`.
    void showReport(int kind);
    void showDashboard();

    // Set while a print job or the print preview runs; the frame will not close meanwhile.
    bool printing() const { return printing_; }
    void setPrinting(bool printing);

signals:
    void modeChanged(zelvo::shell::ViewMode mode);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    shell::ViewMode mode_ = shell::ViewMode::Dashboard;
    int kind_ = 1;
    bool printing_ = false;
    QStackedLayout* pages_;
    QScrollArea* dashboardScroll_;
    Dashboard* dashboard_;
    QScrollArea* reportScroll_;
    QWidget* reportPage_;

    void setMode(shell::ViewMode mode);
};

}  // namespace zelvo::gui
