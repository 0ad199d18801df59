// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's icon from its one drawing into the sizes a desktop's
// hicolor theme holds: icon_sizes DIR writes DIR/NxN/apps/<id>.png.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "forms/identity.h"
#include "qt/artwork.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_sizes DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(argv[1]).arg(size);
        const QString file = dir + "/" + identity::kDesktopId + ".png";
        if (!QDir().mkpath(dir) || !qtview::iconAt(size).save(file)) {
            std::fprintf(stderr, "icon_sizes: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
