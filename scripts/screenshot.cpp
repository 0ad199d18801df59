// Draws the main window as it looks when first shown, without a screen, into
// the PNG file named by the first argument.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "qt/form_view.h"
#include "qt/qt_platform.h"
#include "shell/app.h"
#include "toolkit/program.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot FILE.png\n");
        return 2;
    }
    QApplication application(argc, argv);
    qtview::prepareApplication();
    qtview::QtPlatform platform;
    tk::Program program(platform.platform());
    App app(program);
    qtview::FormView mainView(app.mainForm);
    app.mainForm.show();
    QApplication::processEvents();
    const QPixmap shot = mainView.window().grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
