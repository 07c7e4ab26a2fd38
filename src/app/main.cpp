// zelvo [FOLDER]: the desktop program on the data folder (the current directory by default).
#include <QApplication>

#include "gui/shell/application.h"
#include "gui/shell/qt_prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelvo::gui::QtPrompts prompts;
    return zelvo::gui::runZelvo(app, prompts);
}
