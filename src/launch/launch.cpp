#include "launch/launch.h"

#include <QApplication>
#include <cstdio>
#include <string>

#include "app/app.h"
#include "qt/display_check.h"
#include "qt/program_view.h"
#include "qt/qt_platform.h"
#include "toolkit/program.h"

int launch(int argc, char** argv, const std::function<void(qtview::QtPlatform&)>& beforeStart) {
    std::string why;
    if (!qtview::displayAvailable(why)) {
        std::fprintf(stderr, "zhongyue: %s\n", why.c_str());
        return 2;
    }
    QApplication application(argc, argv);
    qtview::prepareApplication();

    qtview::QtPlatform platform;
    tk::Program program(platform.platform());
    App app(program);
    qtview::ProgramView views(program);

    if (beforeStart) beforeStart(platform);
    app.start();
    if (program.ended()) return 0;
    QApplication::exec();
    return 0;
}
