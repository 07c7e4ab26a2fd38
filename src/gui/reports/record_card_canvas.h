// The record card on the screen: the page the printer gets, drawn through the same Surface at
// the printer's resolution and scaled so the card fills the frame's width, the page's aspect
// kept; the frame scrolls when the card is taller than it.
#pragma once

#include <QScrollArea>

#include "reports/record_card.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::gui {

class RecordCardCanvas : public QScrollArea {
    Q_OBJECT
public:
    explicit RecordCardCanvas(QWidget* parent = nullptr);

    // The card of `row` (0: none) with `options`, down to `inches` from the page's top.
    void showCard(const CZelvoDoc& doc, int row, const reports::CardOptions& options,
                  double inches);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Page;
    Page* page_;
    double inches_ = 11;

    void fit();
};

}  // namespace zelvo::gui
