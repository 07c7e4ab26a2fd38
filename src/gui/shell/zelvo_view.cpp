#include "gui/shell/zelvo_view.h"

#include <QFontDialog>
#include <QKeyEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTimer>
#include <utility>

#include "gui/reports/print_jobs.h"
#include "gui/reports/print_preview_window.h"
#include "gui/reports/report_canvas.h"
#include "gui/reports/report_printing.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/dashboard.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "render/painter_surface.h"
#include "reporting/late_report_deletion.h"
#include "resources/strings.h"
#include "shell/command_table.h"
#include "store/clock.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/ini_file.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

using reports::FontRole;

constexpr int kReportGroupKind = 2;  // the group analysis names its group in the caption

std::string_view chooserTitle(FontRole role) {
    switch (role) {
        case FontRole::Title:
            return res::kFontTitleChooser;
        case FontRole::Subtitle:
            return res::kFontSubtitleChooser;
        case FontRole::Heading:
            return res::kFontHeadingChooser;
        case FontRole::Text:
            return res::kFontTextChooser;
        default:
            return {};  // the small text has no title of its own
    }
}

}  // namespace

CZelvoView::CZelvoView(QWidget* parent)
    : QWidget(parent),
      state_(logicalDpiX(), logicalDpiY(), reports::kNoPrinterDpi, reports::kNoPrinterDpi),
      pages_(new QStackedLayout(this)),
      dashboardScroll_(new QScrollArea(this)),
      dashboard_(new Dashboard),
      reportScroll_(new QScrollArea(this)),
      canvas_(new ReportCanvas) {
    setObjectName(QStringLiteral("zelvoView"));
    setFocusPolicy(Qt::StrongFocus);

    // A small screen scrolls the dashboard rather than cutting it.
    dashboardScroll_->setObjectName(QStringLiteral("dashboardScroll"));
    dashboardScroll_->setWidgetResizable(true);
    dashboardScroll_->setFrameShape(QFrame::NoFrame);
    dashboardScroll_->setWidget(dashboard_);

    reportScroll_->setObjectName(QStringLiteral("reportScroll"));
    reportScroll_->setBackgroundRole(QPalette::Dark);
    reportScroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    reportScroll_->setWidget(canvas_);
    reportScroll_->setFocusProxy(this);
    canvas_->setFocusProxy(this);
    canvas_->setSource({nullptr, &fonts_, &state_, {}});
    canvas_->fitToState();
    connect(canvas_, &ReportCanvas::drawn, this, &CZelvoView::pageCountDrawn);

    pages_->addWidget(dashboardScroll_);
    pages_->addWidget(reportScroll_);
    pages_->setCurrentWidget(dashboardScroll_);

    jobs_ = std::make_unique<PrintJobs>(this, [this](bool printing) {
        emit printingChanged(printing);
        // The screen's pages again, after a job's paper.
        if (!printing) applyScrollSizes();
    });
    chooseQtFont_ = [this](QFont& font, const QString& title) {
        QFontDialog dialog(font, this);
        dialog.setObjectName(QStringLiteral("fontDialog"));
        dialog.setWindowTitle(title);
        if (dialog.exec() != QDialog::Accepted) return false;
        font = dialog.selectedFont();
        return true;
    };
}

CZelvoView::~CZelvoView() {
    // The document outlives the window; its saves must not call into a view that is gone.
    if (doc_ != nullptr) doc_->viewSettingsWriter = nullptr;
}

void CZelvoView::attach(CZelvoDoc& doc, UserPrompts& prompts) {
    doc_ = &doc;
    prompts_ = &prompts;
    source_ = {&doc, &fonts_, &state_, todayFromEnvironment()};
    canvas_->setSource(source_);
    jobs_->attach(source_, prompts);

    const bool hasDefaultPrinter = readPrinterResolution();
    const IniFile ini = IniFile::load(resolvePath(doc.dataFolder, files::kSettings));
    fonts_.load(ini, reports::resolutionClass(hasDefaultPrinter, state_.printerDpiX),
                doc.languageWord);
    doc.viewSettingsWriter = [this](IniFile& settings) { fonts_.save(settings); };

    if (QWidget* frame = window(); frame != this)
        connect(frame, &QWidget::windowTitleChanged, this, &CZelvoView::applyGroupTitle);
}

// --- modes ---

void CZelvoView::showReport(int kind, int group) {
    state_.showReport(kind, group);
    setMode(reports::ViewMode::Report);
    applyScrollSizes();
    reportScroll_->verticalScrollBar()->setValue(0);
    reportScroll_->horizontalScrollBar()->setValue(0);
    canvas_->update();
    applyGroupTitle();
    setFocus();
}

void CZelvoView::showLabels(reports::LabelJob job) {
    state_.labels = std::move(job);
    showReport(reports::kindNumber(reports::ReportKind::Labels));
}

void CZelvoView::showDashboard() {
    state_.returnToDashboard();
    setMode(reports::ViewMode::Dashboard);
    dashboard_->restoreFocus();
}

void CZelvoView::setMode(reports::ViewMode mode) {
    const bool report = mode == reports::ViewMode::Report;
    pages_->setCurrentWidget(report ? static_cast<QWidget*>(reportScroll_) : dashboardScroll_);
    const auto shellMode = static_cast<shell::ViewMode>(mode);
    if (shellMode == lastMode_) return;
    lastMode_ = shellMode;
    emit modeChanged(shellMode);
}

void CZelvoView::setPrinting(bool printing) {
    state_.printing = printing;
    emit printingChanged(printing);
}

void CZelvoView::redraw() {
    canvas_->update();
}

void CZelvoView::pageCountDrawn(int pages) {
    // The canvas is resized after the paint that found the new count, not within it.
    if (state_.setPageCount(pages)) QTimer::singleShot(0, this, &CZelvoView::applyScrollSizes);
}

void CZelvoView::applyScrollSizes() {
    canvas_->fitToState();
    const reports::ScrollSizes s = state_.scrollSizes();
    reportScroll_->verticalScrollBar()->setSingleStep(s.lineY);
    reportScroll_->horizontalScrollBar()->setSingleStep(s.lineX);
}

void CZelvoView::applyGroupTitle() {
    if (!state_.reportShown() || state_.kind != kReportGroupKind || doc_ == nullptr) return;
    QWidget* frame = window();
    const std::string caption = std::string(res::kGroupCaption) + std::to_string(state_.group);
    const QString title = frameTitle(caption);
    if (frame->windowTitle() != title) frame->setWindowTitle(title);
}

void CZelvoView::scrollBy(int dx, int dy) {
    QScrollBar* h = reportScroll_->horizontalScrollBar();
    QScrollBar* v = reportScroll_->verticalScrollBar();
    h->setValue(h->value() + dx);
    v->setValue(v->value() + dy);
}

void CZelvoView::keyPressEvent(QKeyEvent* event) {
    if (!state_.reportShown()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const reports::ScrollSizes s = state_.scrollSizes();
    QScrollBar* v = reportScroll_->verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_Escape:
            showDashboard();
            return;
        case Qt::Key_PageUp:
            scrollBy(0, -s.pageY);
            return;
        case Qt::Key_PageDown:
            scrollBy(0, s.pageY);
            return;
        case Qt::Key_Home:
            v->setValue(v->minimum());
            return;
        case Qt::Key_End:
            v->setValue(v->maximum());
            return;
        case Qt::Key_Up:
            scrollBy(0, -s.lineY);
            return;
        case Qt::Key_Down:
            scrollBy(0, s.lineY);
            return;
        case Qt::Key_Left:
            scrollBy(-s.lineX, 0);
            return;
        case Qt::Key_Right:
            scrollBy(s.lineX, 0);
            return;
        case Qt::Key_F11:
            // The secretary's key for making the late-report deletion available.
            if (doc_ != nullptr) reporting::enableLateReportDeletion(*doc_);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

// --- fonts ---

void CZelvoView::chooseFont(FontRole role) {
    const reports::LogicalFont& stored = fonts_.font(role);
    const QFont current = render::dialogFontFor(stored, state_.screenDpiY);
    QFont font = current;
    if (!chooseQtFont_(font, qtText(chooserTitle(role)))) return;
    // OK with nothing changed keeps the record byte for byte, whatever the chooser could show.
    if (render::sameChooserFont(font, current)) return;
    if (!fonts_.replace(role, render::logicalFontFor(font, stored, state_.screenDpiY))) return;
    writeFontsNow();
    redraw();
}

void CZelvoView::resetFonts() {
    fonts_.resetToDefaults(doc_ != nullptr ? doc_->languageWord : "greek");
    writeFontsNow();
    redraw();
}

// A font choice is kept even when the data are not saved afterwards: the settings file gets it
// at once, as every save does too.
void CZelvoView::writeFontsNow() {
    if (doc_ == nullptr) return;
    const fs::path path = resolvePath(doc_->dataFolder, files::kSettings);
    IniFile ini = IniFile::load(path);
    fonts_.save(ini);
    if (!ini.save(path) && prompts_ != nullptr)
        prompts_->showMessage(res::format(res::kCannotCreateFile, path.string()));
}

// --- printing ---

bool CZelvoView::readPrinterResolution() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        state_.setPrinterResolution(0, 0);
        return false;
    }
    const QPrinter printer(info, QPrinter::HighResolution);
    state_.setPrinterResolution(printer.resolution(), printer.resolution());
    return true;
}

QPrinter& CZelvoView::printer() {
    return jobs_->printer();
}

void CZelvoView::setPrinter(std::unique_ptr<QPrinter> printer) {
    jobs_->setPrinter(std::move(printer));
}

void CZelvoView::setPrintDialogRunner(PrintDialogRunner runner) {
    jobs_->setPrintDialogRunner(std::move(runner));
}

void CZelvoView::setProgressDelay(int ms) {
    jobs_->setProgressDelay(ms);
}

void CZelvoView::printerSetup() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("printerSetupDialog"));
    dialog.setWindowTitle(commandMenuText(shell::CommandId::PrintSetup));
    dialog.exec();
    readPrinterResolution();
    redraw();
}

void CZelvoView::print(const QString& documentName) {
    jobs_->print(documentName);
}

void CZelvoView::printGroups(int kind, const std::vector<int>& groups, bool allGroups) {
    jobs_->printGroups(kind, groups, allGroups);
    setMode(state_.mode);
}

void CZelvoView::saveAsPdf() {
    jobs_->saveAsPdf();
}

void CZelvoView::printPreview() {
    if (!state_.reportShown() || doc_ == nullptr || state_.printing) return;
    setPrinting(true);
    {
        PrintPreviewWindow window(
            &printer(), [this](QPrinter* target) { paintPreview(target); }, this);
        window.exec();
        state_.endPrinting();
        emit printingChanged(false);
        applyScrollSizes();
        if (!window.printChosen()) return;
    }
    print();
}

void CZelvoView::paintPreview(QPrinter* target) {
    // The preview shows every page once, whatever range or copies the last job had.
    reports::PrinterJob job = printerJob(*target, state_.pageCount);
    job.fromPage = 1;
    job.toPage = state_.pageCount;
    job.copies = 1;
    job.driverMakesCopies = true;
    state_.jobChosen(job);
    QPainter painter(target);
    render::printPages(source_, *target, painter);
}

}  // namespace zelvo::gui
