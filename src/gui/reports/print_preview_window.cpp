#include "gui/reports/print_preview_window.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/shell/command_actions.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

PrintPreviewWindow::PrintPreviewWindow(QPrinter* printer, std::function<void(QPrinter*)> paint,
                                       QWidget* parent)
    : QDialog(parent),
      preview_(new QPrintPreviewWidget(printer, this)),
      pageLabel_(new QLabel(this)),
      paint_(std::move(paint)) {
    setObjectName(QStringLiteral("printPreviewWindow"));
    setWindowTitle(commandMenuText(shell::CommandId::PrintPreview));
    preview_->setObjectName(QStringLiteral("previewWidget"));
    pageLabel_->setObjectName(QStringLiteral("previewPageLabel"));

    // Two rows of buttons, so that the window fits a 1024×768 screen with every one of them.
    auto* bar = new QHBoxLayout;
    auto* print = addButton("previewPrint", {});
    print->setText(commandMenuText(shell::CommandId::Print));
    bar->addWidget(print);
    bar->addSpacing(12);
    first_ = addButton("previewFirst", res::kPreviewFirst);
    previous_ = addButton("previewPrevious", res::kPreviewPrevious);
    next_ = addButton("previewNext", res::kPreviewNext);
    last_ = addButton("previewLast", res::kPreviewLast);
    for (QPushButton* b : {first_, previous_}) bar->addWidget(b);
    bar->addWidget(pageLabel_);
    for (QPushButton* b : {next_, last_}) bar->addWidget(b);
    bar->addStretch(1);
    auto* close = addButton("previewClose", res::kButtonClose);
    bar->addWidget(close);

    auto* zoomBar = new QHBoxLayout;
    auto* zoomIn = addButton("previewZoomIn", res::kPreviewZoomIn);
    auto* zoomOut = addButton("previewZoomOut", res::kPreviewZoomOut);
    auto* fitWidth = addButton("previewFitWidth", res::kPreviewFitWidth);
    auto* wholePage = addButton("previewWholePage", res::kPreviewWholePage);
    for (QPushButton* b : {zoomIn, zoomOut, fitWidth, wholePage}) zoomBar->addWidget(b);
    zoomBar->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(zoomBar);
    layout->addWidget(preview_, 1);

    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { paint_(p); });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this,
            &PrintPreviewWindow::updatePaging);
    connect(first_, &QPushButton::clicked, this, [this] { goToPage(1); });
    connect(previous_, &QPushButton::clicked, this, [this] { goToPage(currentPage() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { goToPage(currentPage() + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { goToPage(pageCount()); });
    // Scrolling through the pages changes the current page too.
    if (auto* area = preview_->findChild<QAbstractScrollArea*>())
        connect(area->verticalScrollBar(), &QScrollBar::valueChanged, this,
                &PrintPreviewWindow::updatePaging);
    connect(zoomIn, &QPushButton::clicked, preview_, [this] { preview_->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, preview_, [this] { preview_->zoomOut(); });
    connect(fitWidth, &QPushButton::clicked, preview_, &QPrintPreviewWidget::fitToWidth);
    connect(wholePage, &QPushButton::clicked, preview_, &QPrintPreviewWidget::fitInView);
    connect(print, &QPushButton::clicked, this, [this] {
        printChosen_ = true;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    preview_->fitToWidth();
    fitToScreen();
    close->setFocus();
}

void PrintPreviewWindow::fitToScreen() {
    QWidget* frame = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const QScreen* screen = frame != nullptr ? frame->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        resize(kPreferredSize);
        return;
    }
    // The title bar and borders the window manager adds, as it added them to the main window.
    const QSize decoration =
        frame != nullptr ? frame->frameGeometry().size() - frame->geometry().size() : QSize();
    const QSize room = screen->availableGeometry().size() - decoration.expandedTo(QSize(0, 0));
    resize(kPreferredSize.boundedTo(room).expandedTo(minimumSizeHint()));
}

QPushButton* PrintPreviewWindow::addButton(const char* name, std::string_view text) {
    auto* b = new QPushButton(qtText(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

void PrintPreviewWindow::goToPage(int page) {
    preview_->setCurrentPage(page);
    updatePaging();
}

int PrintPreviewWindow::pageCount() const {
    return preview_->pageCount();
}

int PrintPreviewWindow::currentPage() const {
    return preview_->currentPage();
}

void PrintPreviewWindow::updatePaging() {
    const int page = currentPage();
    const int pages = pageCount();
    pageLabel_->setText(
        qtText(res::format(res::kPreviewPageOf, std::to_string(page), std::to_string(pages))));
    first_->setEnabled(page > 1);
    previous_->setEnabled(page > 1);
    next_->setEnabled(page < pages);
    last_->setEnabled(page < pages);
}

}  // namespace zelvo::gui
