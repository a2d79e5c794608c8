#include "controls/skin_catalogue.h"
#include "drawing.h"
#include "embedded_images.h"
#include "ico_writer.h"
#include "mouse_pictures.h"
#include "painters.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "skingen: cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool writeImage(const QString& path, const QImage& image)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
        QTextStream(stderr) << "skingen: cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool writeSkinImages(const QString& skinDir)
{
    PainterTable painters = chromePainters();
    const PainterTable icons = iconPainters();
    for (auto it = icons.constBegin(); it != icons.constEnd(); ++it)
        painters.insert(it.key(), it.value());
    bool ok = true;
    for (const SkinImage& entry : kSkinImages) {
        const QString name = QLatin1String(entry.name);
        const auto painter = painters.constFind(name);
        if (painter == painters.constEnd()) {
            QTextStream(stderr) << "skingen: nothing draws " << name << '\n';
            ok = false;
            continue;
        }
        const QSizeF size(entry.width, entry.height);
        ok &= writeImage(skinDir + QLatin1Char('/') + name,
                         Drawing::render(size, kSkinResolution, [&](QPainter& p) { (*painter)(p, size); }));
    }
    return ok;
}

bool writeWindowIcon(const QString& skinDir)
{
    QVector<QImage> images;
    for (int side : kWindowIconSizes)
        images.append(
            Drawing::render(QSizeF(side, side), 1, [side](QPainter& p) { paintAppIcon(p, QSizeF(side, side)); }));
    return writeBytes(skinDir + QLatin1Char('/') + QLatin1String(Skin::WindowIcon), encodeIco(images));
}

// The sizes desktops look for in the hicolor theme; each is drawn at its own size rather than
// scaled, so the small ones keep whole-pixel lines.
constexpr int kHicolorSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };

bool writeHicolorIcons(const QString& iconsDir)
{
    bool ok = true;
    for (int side : kHicolorSizes) {
        const QString path =
            QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(iconsDir).arg(side).arg(QLatin1String(MOUSECFG_APP_ID));
        ok &= writeImage(
            path, Drawing::render(QSizeF(side, side), 1, [side](QPainter& p) { paintAppIcon(p, QSizeF(side, side)); }));
    }
    return ok;
}

bool writeMousePictures(const QString& skinDir)
{
    const QSizeF size(Skin::MousePictureWidth, Skin::MousePictureHeight);
    const QString productDir = skinDir + QStringLiteral("/mouse/") + QLatin1String(Skin::SampleProduct);
    bool ok = true;
    for (int button = 0; button <= Skin::SampleButtonCount; ++button) {
        const QString name = button == 0 ? QStringLiteral("Mouse.png") : QStringLiteral("mouse_%1.png").arg(button);
        ok &= writeImage(productDir + QLatin1Char('/') + name,
                         Drawing::render(size, kSkinResolution, [&](QPainter& p) { paintMouseTop(p, size, button); }));
    }
    ok &= writeImage(productDir + QStringLiteral("_Side.png"),
                     Drawing::render(size, kSkinResolution, [&](QPainter& p) { paintMouseSide(p, size); }));
    return ok;
}

bool writeEmbeddedImages(const QString& dir)
{
    bool ok = writeBytes(dir + QStringLiteral("/loading.gif"), loadingAnimation(kSkinResolution));
    ok &= writeImage(dir + QStringLiteral("/yes_Btn.png"), yesMark(kSkinResolution));
    ok &= writeImage(dir + QStringLiteral("/no_Btn.png"), noMark(kSkinResolution));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    // Images only: no window system is needed to draw.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the skin images, the embedded images and the application icons."));
    parser.addHelpOption();
    const QCommandLineOption skinOption(QStringLiteral("skin"), QStringLiteral("Skin folder to write."),
                                        QStringLiteral("dir"));
    const QCommandLineOption embeddedOption(QStringLiteral("embedded"),
                                            QStringLiteral("Folder for the images compiled into the program."),
                                            QStringLiteral("dir"));
    const QCommandLineOption iconsOption(QStringLiteral("icons"),
                                         QStringLiteral("Icon theme folder to write the application icon into."),
                                         QStringLiteral("dir"));
    parser.addOption(skinOption);
    parser.addOption(embeddedOption);
    parser.addOption(iconsOption);
    parser.process(app);
    if (!parser.isSet(skinOption) && !parser.isSet(embeddedOption) && !parser.isSet(iconsOption)) {
        QTextStream(stderr) << "skingen: give --skin DIR, --embedded DIR and/or --icons DIR\n";
        return 2;
    }
    bool ok = true;
    if (parser.isSet(skinOption)) {
        const QString skinDir = parser.value(skinOption);
        ok &= writeSkinImages(skinDir);
        ok &= writeWindowIcon(skinDir);
        ok &= writeMousePictures(skinDir);
    }
    if (parser.isSet(embeddedOption))
        ok &= writeEmbeddedImages(parser.value(embeddedOption));
    if (parser.isSet(iconsOption))
        ok &= writeHicolorIcons(parser.value(iconsOption));
    return ok ? 0 : 1;
}
