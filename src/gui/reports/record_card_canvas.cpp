#include "gui/reports/record_card_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <vector>

#include "render/memory_pdf.h"
#include "render/painter_surface.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

// The part of the page shown: the card and a little of its margins.
constexpr double kLeftInches = 0.3;
constexpr double kWidthInches = 7.9;
constexpr double kTopInches = 0.15;

}  // namespace

class RecordCardCanvas::Page : public QWidget {
public:
    explicit Page(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("recordCardPage"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    const CZelvoDoc* doc = nullptr;
    reports::CardSet card;
    std::vector<int> ids;  // of the people on the card's rows when it was shown
    reports::CardOptions options;

    // Whether each row still holds the person it held when the card was shown.
    bool rowsCurrent() const {
        for (std::size_t i = 0; i < card.rows.size(); ++i) {
            const int row = card.rows[i];
            if (row >= doc->recordCount() ||
                doc->publishers[static_cast<std::size_t>(row)].id() != ids[i])
                return false;
        }
        return true;
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        if (doc == nullptr || card.size() == 0) return;
        // A repaint while the details dialog moves rows waits for the list's refill, so no
        // card is drawn of whoever a row holds now.
        if (!rowsCurrent()) return;
        // Drawn as on paper, so the card fits its columns alike, then scaled down.
        const int dpi = render::kPdfDpi;
        const double scale = width() / (kWidthInches * dpi);
        painter.scale(scale, scale);
        painter.translate(-kLeftInches * dpi, -kTopInches * dpi);
        render::PainterSurface surface(painter, dpi, dpi);
        reports::drawCardOf(*doc, card, 0, options, surface);
    }
};

RecordCardCanvas::RecordCardCanvas(QWidget* parent) : QScrollArea(parent), page_(new Page(this)) {
    setObjectName(QStringLiteral("recordCardFrame"));
    setWidget(page_);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::NoFocus);
}

void RecordCardCanvas::showCard(const CZelvoDoc& doc, const reports::CardSet& card,
                                const reports::CardOptions& options, double inches) {
    page_->doc = &doc;
    page_->card = card;
    page_->ids.clear();
    for (int row : card.rows)
        page_->ids.push_back(
            row < doc.recordCount() ? doc.publishers[static_cast<std::size_t>(row)].id() : 0);
    page_->options = options;
    inches_ = inches;
    fit();
    page_->update();
}

void RecordCardCanvas::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fit();
}

void RecordCardCanvas::fit() {
    const int width = viewport()->width();
    page_->setFixedSize(width, static_cast<int>(width * (inches_ - kTopInches) / kWidthInches));
}

}  // namespace zelvo::gui
