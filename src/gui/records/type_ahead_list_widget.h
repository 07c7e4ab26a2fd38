// A list box that finds an entry by the first letters typed, accents and letter case aside
// (Qt's own search would not find Έλενα for a typed ε).
#pragma once

#include <QElapsedTimer>
#include <QListWidget>

#include "records/type_ahead.h"

namespace zelvo::gui {

class TypeAheadListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit TypeAheadListWidget(QWidget* parent = nullptr);

    void keyboardSearch(const QString& search) override;

private:
    records::TypeAhead typed_;
    QElapsedTimer clock_;
};

}  // namespace zelvo::gui
