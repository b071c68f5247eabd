// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Generator of the program's pictures (resources/pictures/*.png). They are painted here rather
// than drawn by hand so they can be changed and made again at any time; the PNGs it writes are
// committed with the sources.
//
// Make them again after changing this program:
//   cmake --build <build dir> --target regenerate_pictures
// or run it by hand:
//   <build dir>/tools/pictures/make_pictures <source dir>/resources/pictures
//       [<source dir>/resources/icons]
// Besides each picture of the cylinder it writes finer copies for scaled screens
// ("bild@1.5x.png", "bild@2x.png", ...); with the second folder it also writes the application
// icon in the desktop icon theme's sizes (hicolor/<n>x<n>/apps/vozavero.png).
// A preview of the cylinder frame (gas space <width> pixels wide, enlarged <zoom> times):
//   <build dir>/tools/pictures/make_pictures --preview /tmp/preview.png [width] [zoom]
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

using namespace vozavero::picturegen;

namespace {

// Opaque pictures are written without an alpha channel (24-bit colour); the others keep theirs.
bool writePicture(const QImage& image, const QString& path) {
    const QImage out = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                               : image.convertToFormat(QImage::Format_RGB32);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d%s\n", qPrintable(path), out.width(), out.height(),
                out.hasAlphaChannel() ? "  with alpha" : "");
    return true;
}

/// The sizes of the application icon in the desktop's icon theme, pixels.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

int writeIcons(const QString& directory) {
    for (const int size : kIconSizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(directory).arg(size);
        if (!QDir().mkpath(folder) ||
            !writePicture(makeAppIcon(size), QDir(folder).filePath("vozavero.png"))) {
            return 1;
        }
    }
    return 0;
}

int writeAll(const QString& directory) {
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "make_pictures: cannot create %s\n", qPrintable(directory));
        return 1;
    }
    const QDir dir(directory);
    // Pictures shown at their pixel size get copies for screens scaled by 1.5 and 2.
    const std::vector<std::pair<QString, std::function<QImage(double)>>> scaledPictures{
        {"bild", makeBackground},
        {"kolben", makeSyringe},
        {"schieber", makePiston},
        {"teil0", [](double s) { return makeSprite(0, s); }},
        {"teil1", [](double s) { return makeSprite(1, s); }},
        {"teil2", [](double s) { return makeSprite(2, s); }},
        {"teil3", [](double s) { return makeSprite(3, s); }},
    };
    for (const auto& [name, make] : scaledPictures) {
        for (const auto& [suffix, scale] :
             {std::pair{"", 1.0}, std::pair{"@1.5x", 1.5}, std::pair{"@2x", 2.0}}) {
            if (!writePicture(make(scale), dir.filePath(name + suffix + ".png"))) {
                return 1;
            }
        }
    }
    // Icons shown through the toolkit's icons, which pick the "@2x" copy on scaled screens.
    if (!writePicture(makeOptionsIcon(), dir.filePath("options.png")) ||
        !writePicture(makeOptionsIcon(64), dir.filePath("options@2x.png")) ||
        !writePicture(makeAppIcon(), dir.filePath("app.png")) ||
        !writePicture(makeAppIcon(128), dir.filePath("app@2x.png"))) {
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Painting needs no screen; the offscreen platform also makes the output the same everywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args.at(1) == "--preview") {
        const int width = args.size() >= 4 ? args.at(3).toInt() : 250;
        const int zoom = args.size() >= 5 ? args.at(4).toInt() : 2;
        if (width < 50 || width > 500 || zoom < 1 || zoom > 8) {
            std::fprintf(stderr, "make_pictures: width 50..500, zoom 1..8\n");
            return 2;
        }
        return writePicture(makePreview(width, zoom), args.at(2)) ? 0 : 1;
    }
    if (args.size() < 2 || args.size() > 3 || args.at(1).startsWith("-")) {
        std::fprintf(stderr, "usage: make_pictures <output directory> [<icon directory>]\n"
                             "       make_pictures --preview <file.png> [width] [zoom]\n");
        return 2;
    }
    if (const int failed = writeAll(args.at(1)); failed != 0) {
        return failed;
    }
    return args.size() == 3 ? writeIcons(args.at(2)) : 0;
}
