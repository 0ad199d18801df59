// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's icon from its one drawing into the sizes a desktop
// holds: icon_sizes DIR writes DIR/NxN/apps/<id>.png for a hicolor theme,
// icon_sizes FILE.ico one Windows icon with every size Windows asks for,
// icon_sizes FILE.bmp the picture beside the Windows installer's last page.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "forms/identity.h"
#include "qt/look/artwork.h"

namespace {

bool writeHicolor(const QString& folder) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString file = dir + "/" + identity::kDesktopId + ".png";
        if (!QDir().mkpath(dir) || !qtview::iconAt(size).save(file)) return false;
    }
    return true;
}

// An icon directory with one PNG image a size, as Windows Vista and later read it.
bool writeIco(const QString& path) {
    const std::vector<int> sizes{16, 20, 24, 32, 40, 48, 64, 96, 128, 256};
    std::vector<QByteArray> images;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!qtview::iconAt(size).save(&buffer, "PNG")) return false;
        images.push_back(png);
    }
    QByteArray ico;
    auto put = [&ico](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i) ico.append(static_cast<char>(value >> (8 * i) & 0xFF));
    };
    put(0, 2);  // reserved
    put(1, 2);  // an icon
    put(static_cast<quint32>(sizes.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        put(sizes[i] % 256, 1);  // 0 says 256
        put(sizes[i] % 256, 1);
        put(0, 2);   // no palette, reserved
        put(1, 2);   // planes
        put(32, 2);  // bits a pixel
        put(static_cast<quint32>(images[i].size()), 4);
        put(offset, 4);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) ico += image;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

// NSIS stretches its picture to its box, 164 x 314 pixels at 100 %: drawn
// for 150 %, the picture stays sharp there and is only made smaller below.
// The splash's night sky, bamboo and moon, the sky drawn on above it.
bool writeInstallerPicture(const QString& path) {
    QImage picture(246, 471, QImage::Format_RGB888);
    const QSize drawn(picture.width(), picture.width() * 205 / 151);
    const QImage night = qtview::artwork("splash", drawn).toImage();
    picture.fill(night.pixelColor(0, 0));
    QPainter painter(&picture);
    painter.drawImage(0, picture.height() - drawn.height(), night);
    painter.end();
    return picture.save(path, "BMP");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_sizes DIR | icon_sizes FILE.ico | icon_sizes FILE.bmp\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString target = QString::fromLocal8Bit(argv[1]);
    const bool written = target.endsWith(".ico")   ? writeIco(target)
                         : target.endsWith(".bmp") ? writeInstallerPicture(target)
                                                   : writeHicolor(target);
    if (!written) {
        std::fprintf(stderr, "icon_sizes: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
