// The record card on the screen: the page the printer gets, drawn through the same Surface at
// the printer's resolution and scaled so the card fills the frame's width, the page's aspect
// kept; the frame scrolls when the card is taller than it.
#pragma once

#include <QScrollArea>

#include "reports/record_card_model.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::gui {

class RecordCardCanvas : public QScrollArea {
    Q_OBJECT
public:
    explicit RecordCardCanvas(QWidget* parent = nullptr);

    // The card (none when the set is empty) with `options`, down to `inches` from the page's top.
    void showCard(const CZelvoDoc& doc, const reports::CardSet& card,
                  const reports::CardOptions& options, double inches);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Page;
    Page* page_;
    double inches_ = 11;

    void fit();
};

}  // namespace zelvo::gui
