#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "gif_encoder.h"
#include "storage/paths.h"

#include <QBuffer>
#include <QIcon>
#include <QImageReader>
#include <QMovie>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage loadSkin(const QString& relative)
{
    QImageReader reader(skinPath(relative));
    return reader.read();
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        // The build's bin directory is the application directory the skin was drawn into.
        QVERIFY(initDirectories({ QCoreApplication::applicationDirPath(), m_config.path() }));
        ensureEmbeddedImages();
    }

    void everySkinImageExistsWithItsSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const SkinImage& image : kSkinImages)
            QTest::newRow(image.name) << QString(image.name) << QSize(image.width, image.height) * kSkinResolution;
        const QSize mouse = QSize(Skin::MousePictureWidth, Skin::MousePictureHeight) * kSkinResolution;
        const QString product = QString("mouse/") + Skin::SampleProduct;
        QTest::newRow("Mouse.png") << product + "/Mouse.png" << mouse;
        for (int button = 1; button <= Skin::SampleButtonCount; ++button)
            QTest::newRow(qPrintable(QString("mouse_%1.png").arg(button)))
                << product + QString("/mouse_%1.png").arg(button) << mouse;
        QTest::newRow("side view") << product + "_Side.png" << mouse;
    }

    void everySkinImageExistsWithItsSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = loadSkin(name);
        QVERIFY2(!image.isNull(), qPrintable(skinPath(name)));
        QCOMPARE(image.size(), size);
        // Something is drawn: not a blank canvas.
        const QImage small = image.scaled(8, 8);
        bool drawn = false;
        for (int y = 0; y < 8 && !drawn; ++y)
            for (int x = 0; x < 8 && !drawn; ++x)
                drawn = qAlpha(small.pixel(x, y)) > 0;
        QVERIFY(drawn);
    }

    void highlightedPicturesDifferFromTheMouse()
    {
        const QString product = QString("mouse/") + Skin::SampleProduct;
        const QImage plain = loadSkin(product + "/Mouse.png");
        for (int button = 1; button <= Skin::SampleButtonCount; ++button)
            QVERIFY(loadSkin(product + QString("/mouse_%1.png").arg(button)) != plain);
    }

    void mainBackgroundHasTransparentCornersForTheWindowMask()
    {
        const QImage back = loadSkin(Skin::MainBackground);
        for (const QPoint corner : { QPoint(0, 0), QPoint(back.width() - 1, 0), QPoint(0, back.height() - 1),
                                     QPoint(back.width() - 1, back.height() - 1) })
            QCOMPARE(qAlpha(back.pixel(corner)), 0);
        QCOMPARE(qAlpha(back.pixel(back.width() / 2, back.height() / 2)), 255);
    }

    void windowIconHoldsEverySize()
    {
        QImageReader reader(skinPath(Skin::WindowIcon));
        QCOMPARE(reader.imageCount(), int(std::size(kWindowIconSizes)));
        QList<int> sides;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY(!image.isNull());
            QCOMPARE(image.width(), image.height());
            sides << image.width();
        }
        for (int side : kWindowIconSizes)
            QVERIFY(sides.contains(side));
    }

    void embeddedImagesAreCompiledIn()
    {
        QMovie loading(EmbeddedImage::Loading);
        QVERIFY(loading.isValid());
        QCOMPARE(loading.frameCount(), EmbeddedImage::LoadingFrames);
        QVERIFY(loading.jumpToFrame(0));
        const QImage first = loading.currentImage();
        QCOMPARE(first.size(), QSize(EmbeddedImage::LoadingSize, EmbeddedImage::LoadingSize) * kSkinResolution);
        for (int frame = 0; frame < 3; ++frame)
            QVERIFY(loading.jumpToNextFrame());
        QVERIFY(loading.currentImage() != first); // it animates
        for (const char* name : { EmbeddedImage::Yes, EmbeddedImage::No })
            QCOMPARE(QImage(name).size(),
                     QSize(EmbeddedImage::ButtonIconSize, EmbeddedImage::ButtonIconSize) * kSkinResolution);
    }

    void gifEncoderRoundTripsEveryPixel_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("noisy");
        QTest::newRow("two colours") << 2 << QSize(17, 9) << false;
        QTest::newRow("gradient") << 256 << QSize(64, 64) << false;
        // Random pixels fill the 4096-entry code table, which forces clear codes mid-frame.
        QTest::newRow("noise resets the table") << 256 << QSize(257, 131) << true;
        QTest::newRow("single pixel") << 4 << QSize(1, 1) << true;
    }

    void gifEncoderRoundTripsEveryPixel()
    {
        QFETCH(int, colours);
        QFETCH(QSize, size);
        QFETCH(bool, noisy);
        QVector<QRgb> palette;
        for (int i = 0; i < colours; ++i)
            palette << qRgb(i, (i * 7) % 256, 255 - i);
        QRandomGenerator random(42);
        QVector<QImage> frames;
        for (int f = 0; f < 2; ++f) {
            QImage frame(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    frame.setPixel(x, y, palette[noisy ? random.bounded(colours) : (x + y + f) % colours]);
            frames << frame;
        }
        QByteArray bytes = GifEncoder::encode(frames, palette, 10);
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "gif");
        for (const QImage& expected : frames) {
            const QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(decoded, expected);
        }
    }
};

QTEST_MAIN(TestSkin)
#include "test_skin.moc"
