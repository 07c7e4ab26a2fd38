// The notice shown while the data is saved: a small window without controls that
// is painted at once, because the work that follows does not return to the event loop.
#pragma once

#include <QFrame>

namespace zelvo::gui {

class WaitNotice : public QFrame {
    Q_OBJECT
public:
    // `text` may hold line breaks. Centred over `parent`, or over the screen without one.
    explicit WaitNotice(const QString& text, QWidget* parent = nullptr);

    // Shows the notice and paints it before returning.
    void showNow();
};

}  // namespace zelvo::gui
