// The view of the main window. In dashboard mode it shows the dashboard; in report mode it shows
// one report in its place, until Escape or the return-to-dashboard command. It owns the five
// report fonts and carries out printing, the print preview and the printer setup.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "render/report_pages.h"
#include "reports/report_font.h"
#include "reports/view_state.h"
#include "shell/command_state.h"

class QFont;
class QPrinter;
class QScrollArea;
class QStackedLayout;

namespace zelvo {
class UserPrompts;
}

namespace zelvo::gui {

class Dashboard;
class PrintJobs;
class ReportCanvas;

class CZelvoView : public QWidget {
    Q_OBJECT
public:
    explicit CZelvoView(QWidget* parent = nullptr);
    ~CZelvoView() override;

    // The document the reports are drawn from: loads the fonts from its settings file and has
    // every save write them back. Until then the view draws no report.
    void attach(CZelvoDoc& doc, UserPrompts& prompts);

    shell::ViewMode mode() const { return static_cast<shell::ViewMode>(state_.mode); }
    int reportKind() const { return state_.kind; }
    int reportGroup() const { return state_.group; }
    const reports::ViewState& state() const { return state_; }
    const reports::ReportFonts& fonts() const { return fonts_; }
    Dashboard* dashboard() const { return dashboard_; }
    ReportCanvas* canvas() const { return canvas_; }
    QScrollArea* reportScroll() const { return reportScroll_; }

    // Hides the dashboard and shows the report of `kind` (of `group` for a group report).
    void showReport(int kind, int group = 0);
    // Shows the labels report for `job`.
    void showLabels(reports::LabelJob job);
    void showDashboard();
    // Draws the report again (the data or the fonts changed).
    void redraw();

    // Set while a print job or the print preview runs; the frame will not close meanwhile.
    bool printing() const { return state_.printing; }
    void setPrinting(bool printing);

    // --- fonts ---
    // The font chooser on a copy of the font; a different choice replaces it and redraws.
    void chooseFont(reports::FontRole role);
    // "Προεπιλογές": the high-resolution defaults for all five.
    void resetFonts();

    // --- printing ---
    void printerSetup();
    // With no printer, printing offers the PDF instead (gui/reports/print_jobs.h). The job is
    // named `documentName` in the printer's queue and the PDF's title.
    void print(const QString& documentName = {});
    void printPreview();
    // Prints the report once per group, straight to the printer, then shows the dashboard.
    void printGroups(int kind, const std::vector<int>& groups, bool allGroups);
    // "Αποθήκευση ως PDF…": the shown report into a file the user chooses.
    void saveAsPdf();

    // Seams for tests: the printer jobs go to, the print dialog (true: print), and how long a
    // job runs before its progress shows.
    void setPrinter(std::unique_ptr<QPrinter> printer);
    using PrintDialogRunner = std::function<bool(QPrinter&, int minPage, int maxPage)>;
    void setPrintDialogRunner(PrintDialogRunner runner);
    void setProgressDelay(int ms);
    using FontChooser = std::function<bool(QFont& font, const QString& title)>;
    void setFontChooser(FontChooser chooser) { chooseQtFont_ = std::move(chooser); }

signals:
    void modeChanged(zelvo::shell::ViewMode mode);
    void printingChanged(bool printing);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    reports::ViewState state_;
    reports::ReportFonts fonts_;
    CZelvoDoc* doc_ = nullptr;
    UserPrompts* prompts_ = nullptr;
    render::ReportSource source_;
    std::unique_ptr<PrintJobs> jobs_;
    FontChooser chooseQtFont_;
    QStackedLayout* pages_;
    QScrollArea* dashboardScroll_;
    Dashboard* dashboard_;
    QScrollArea* reportScroll_;
    ReportCanvas* canvas_;
    shell::ViewMode lastMode_ = shell::ViewMode::Dashboard;  // the mode the frame last heard of

    void setMode(reports::ViewMode mode);
    void pageCountDrawn(int pages);
    void applyScrollSizes();
    void applyGroupTitle();
    void scrollBy(int dx, int dy);
    bool readPrinterResolution();  // false: no default printer
    QPrinter& printer();
    void paintPreview(QPrinter* printer);
    void writeFontsNow();
};

}  // namespace zelvo::gui
