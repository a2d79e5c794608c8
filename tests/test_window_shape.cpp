// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_shape.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>
#include <QtTest>

namespace {

// What the window's shape was made from before: the toolkit's mask of the pixmap.
QRegion toolkitShape(const QImage& image)
{
    return QRegion(QPixmap::fromImage(image).mask());
}

QImage transparent(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class TestWindowShape final : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheToolkitsMask_data()
    {
        QTest::addColumn<QImage>("image");
        const QImage background(QCoreApplication::applicationDirPath() + QStringLiteral("/skin/cfgMainback.png"));
        QVERIFY(!background.isNull());
        for (const double factor : { 1.0, 1.25, 2.0, 2.75 })
            QTest::addRow("background at %.2f", factor) << background.scaled(
                (QSizeF(999, 640) * factor).toSize(), Qt::IgnoreAspectRatio, Qt::FastTransformation);

        QImage rounded = transparent({ 120, 80 });
        {
            QPainter painter(&rounded);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setBrush(Qt::black);
            painter.drawRoundedRect(QRectF(0.5, 0.5, 119, 79), 14, 14);
            // A hole and a faint edge: alpha 1 still counts.
            painter.setCompositionMode(QPainter::CompositionMode_Clear);
            painter.fillRect(40, 30, 20, 10, Qt::transparent);
        }
        rounded.setPixel(3, 70, qRgba(0, 0, 0, 1));
        QTest::newRow("rounded, with a hole") << rounded;
        QImage columns = transparent({ 33, 9 });
        for (int x = 0; x < 33; x += 2)
            for (int y = x % 9; y < 9; ++y)
                columns.setPixel(x, y, qRgba(255, 0, 0, 200));
        QTest::newRow("columns of every height") << columns;
        QTest::newRow("premultiplied") << rounded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QTest::newRow("palette with alpha") << rounded.convertToFormat(QImage::Format_Indexed8);
    }

    void matchesTheToolkitsMask()
    {
        QFETCH(QImage, image);
        const QRegion shape = opaqueRegion(image);
        const QRegion expected = toolkitShape(image);
        QCOMPARE(shape.boundingRect(), expected.boundingRect());
        QVERIFY(shape.xored(expected).isEmpty());
    }

    void unshapedImages()
    {
        QVERIFY(opaqueRegion(QImage()).isEmpty());
        QVERIFY(opaqueRegion(transparent({ 10, 10 })).isEmpty());
        QImage opaque(17, 5, QImage::Format_RGB32);
        opaque.fill(Qt::gray);
        // Without an alpha channel there is nothing to cut away.
        QCOMPARE(opaqueRegion(opaque), QRegion(0, 0, 17, 5));
    }
};

QTEST_MAIN(TestWindowShape)
#include "test_window_shape.moc"
