// The print preview: the printed pages of the report in a window of ours around Qt's preview
// widget, with Greek controls for paging, zoom, printing and closing.
#pragma once

#include <QDialog>
#include <QSize>
#include <functional>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace zelvo::gui {

class PrintPreviewWindow : public QDialog {
    Q_OBJECT
public:
    // `paint` draws every page on the printer it is given (the preview's).
    PrintPreviewWindow(QPrinter* printer, std::function<void(QPrinter*)> paint,
                       QWidget* parent = nullptr);

    QPrintPreviewWidget* preview() const { return preview_; }
    int pageCount() const;
    int currentPage() const;
    // The user asked to print from the preview (the window has closed).
    bool printChosen() const { return printChosen_; }

private:
    QPrintPreviewWidget* preview_;
    QLabel* pageLabel_;
    QPushButton* first_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* last_;
    std::function<void(QPrinter*)> paint_;
    bool printChosen_ = false;

    static constexpr QSize kPreferredSize{900, 1000};

    QPushButton* addButton(const char* name, std::string_view text);
    // The preferred size, within the screen the main window is on.
    void fitToScreen();
    void goToPage(int page);
    void updatePaging();
};

}  // namespace zelvo::gui
