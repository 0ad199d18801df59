// Draws a window as it looks when first shown, without a screen: the main
// window (main), the splash window (splash) or the game (game), into the PNG
// file named.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "app/app.h"
#include "qt/program_view.h"
#include "qt/qt_platform.h"
#include "toolkit/program.h"

int main(int argc, char** argv) {
    const std::string which = argc == 3 ? argv[1] : "";
    if (which != "main" && which != "splash" && which != "game") {
        std::fprintf(stderr, "usage: screenshot main|splash|game FILE.png\n");
        return 2;
    }
    QApplication application(argc, argv);
    qtview::prepareApplication();
    qtview::QtPlatform platform;
    tk::Program program(platform.platform());
    App app(program);
    tk::Form& form = which == "main"   ? static_cast<tk::Form&>(app.mainForm)
                     : which == "game" ? static_cast<tk::Form&>(app.gameForm)
                                       : app.splashForm;
    qtview::ProgramView views(program);
    platform.dialogs.setShownHook(qtview::QtDialogs::pressOk);  // yes to the start-up question
    form.show();
    QApplication::processEvents();
    const QPixmap shot = views.of(form).window().grab();
    if (!shot.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
