#include "ExDib16.h"
#include "ExHeadlessView.h"
#include "ExImageParts.h"
#include "QtPainterDC.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <vector>

namespace {

constexpr std::uint16_t kWhite = 0x7FFF;
constexpr std::uint16_t kRed = 0x7C00;

// A 1:1 mapping: one view unit is one pixel, the device's top-left pixel shows view (0, rows).
QTransform PixelMapping(int rows) {
    return CQtPainterDC::ViewToDevice(2540, {0, rows});
}

// A 160 × 120 picture on white: a black border, a red block in its top-left quarter and a blue
// disk in its bottom-right one, top row first.
std::vector<std::uint32_t> TestPicture() {
    constexpr int w = 160;
    constexpr int h = 120;
    std::vector<std::uint32_t> pixels(w * h, 0xFFFFFFFF);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint32_t& p = pixels[std::size_t(y * w + x)];
            const int dx = x - 115;
            const int dy = y - 85;
            if (x < 3 || y < 3 || x >= w - 3 || y >= h - 3) {
                p = 0xFF000000;
            } else if (x >= 10 && x < 70 && y >= 10 && y < 50) {
                p = 0xFFFF0000;
            } else if (dx * dx + dy * dy < 25 * 25) {
                p = 0xFF0000FF;
            }
        }
    }
    return pixels;
}

bool IsDark(QRgb p) {
    return qGray(p) < 100;
}

bool IsRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}

bool IsBlue(QRgb p) {
    return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60;
}

// Whether a dark pixel lies within two rows of (x, y).
bool DarkNear(const QImage& image, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy) {
        if (IsDark(image.pixel(x, y + dy))) {
            return true;
        }
    }
    return false;
}

} // namespace

// Puts image elements over a few lines of a drawing, as the view draws them, and writes the
// picture to the build tree for a person to look at.
class ImagePictureTest : public QObject {
    Q_OBJECT

private slots:
    void andKeepsTheSurfaceWhereTheBitmapIsWhite_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("screen layers") << QImage::Format_RGB32;
        QTest::newRow("bitmap export") << QImage::Format_RGB888;
    }

    void andKeepsTheSurfaceWhereTheBitmapIsWhite() {
        QFETCH(QImage::Format, format);
        QImage surface(4, 1, format);
        surface.fill(QColor(0x80, 0xC0, 0xFF));
        CExDib16 bitmap(4, 1);
        bitmap.SetPixel(0, 0, kWhite);
        bitmap.SetPixel(1, 0, 0x0000);
        bitmap.SetPixel(2, 0, kRed);
        bitmap.SetPixel(3, 0, 0x03E0); // green
        {
            QPainter painter(&surface);
            CQtPainterDC dc(painter, PixelMapping(1));
            dc.PutBitmap({0, 1, 4, 0}, bitmap, ExRasterOp::And);
        }
        QCOMPARE(surface.pixel(0, 0), qRgb(0x80, 0xC0, 0xFF));
        QCOMPARE(surface.pixel(1, 0), qRgb(0, 0, 0));
        QCOMPARE(surface.pixel(2, 0), qRgb(0x80, 0, 0));
        QCOMPARE(surface.pixel(3, 0), qRgb(0, 0xC0, 0));
    }

    void copyCoversAndRowsRunBottomUp() {
        QImage surface(2, 2, QImage::Format_RGB32);
        surface.fill(Qt::black);
        CExDib16 bitmap(2, 2);
        bitmap.SetPixel(0, 0, kRed);   // bottom-left
        bitmap.SetPixel(1, 1, kWhite); // top-right
        {
            QPainter painter(&surface);
            CQtPainterDC dc(painter, PixelMapping(2));
            dc.PutBitmap({0, 2, 2, 0}, bitmap, ExRasterOp::Copy);
        }
        QCOMPARE(surface.pixel(0, 1), qRgb(255, 0, 0));
        QCOMPARE(surface.pixel(1, 0), qRgb(255, 255, 255));
        QCOMPARE(surface.pixel(0, 0), qRgb(0, 0, 0));
    }

    void onASurfaceWithAlphaWhiteIsLeftTransparent() {
        QImage layer(2, 1, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        CExDib16 bitmap(2, 1);
        bitmap.SetPixel(0, 0, kWhite);
        bitmap.SetPixel(1, 0, kRed);
        {
            QPainter painter(&layer);
            CQtPainterDC dc(painter, PixelMapping(1));
            dc.PutBitmap({0, 1, 2, 0}, bitmap, ExRasterOp::And);
        }
        QCOMPARE(qAlpha(layer.pixel(0, 0)), 0);
        QCOMPARE(layer.pixel(1, 0), qRgb(255, 0, 0));
    }

    void imagesOverTheDrawingShowItThroughTheirWhite() {
        CExHeadlessView view(50, 25, 25, 96); // 1/50: 1 m is 20 mm on screen
        ExActiveViewScope active(&view);
        const std::vector<std::uint32_t> pixels = TestPicture();
        const ExImagePixels picture{160, 120, pixels.data(), 160};

        CExImageParts upright(200000, 200000);
        CExImageParts turned(480000, 200000);
        CExImageParts crossedOut(720000, 200000); // no picture: the placeholder
        for (CExImageParts* image : {&upright, &turned}) {
            QCOMPARE(image->MakeStoredImage(picture), 1);
            image->SetWidth(200000);
            image->SetHeight(150000);
        }
        turned.SetAngle(30);
        crossedOut.SetWidth(100000);
        crossedOut.SetHeight(100000);
        crossedOut.SetColor(0x0000FF);
        for (CExImageParts* image : {&upright, &turned, &crossedOut}) {
            image->UpdateParts();
            image->RecalcParts();
        }

        // 640 × 320 pixels showing view x 0 … 16933 and y 0 … 8467.
        const QTransform mapping = CQtPainterDC::ViewToDevice(96, {0, 8467});
        const auto device = [&](ExPoint p) {
            const QPointF mapped = mapping.map(QPointF(p.x, p.y));
            return QPoint(qRound(mapped.x()), qRound(mapped.y()));
        };
        const auto centreOf = [](const CExImageParts& image) {
            const ExRect r = image.GetRotViewRect();
            return ExPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        };
        const ExPoint a = centreOf(upright);
        const ExPoint b = centreOf(turned);

        QImage image(640, 320, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            CQtPainterDC dc(painter, mapping);
            // The drawing underneath: walls, a line through both pictures, one down each, and a
            // blue diagonal.
            dc.SelectPen({kPenSolid, 50, 0});
            const ExPoint walls[5] = {
                {500, 500}, {16400, 500}, {16400, 7900}, {500, 7900}, {500, 500}};
            dc.Polyline(walls, 5);
            dc.SelectPen({kPenSolid, 1, 0});
            const ExPoint across[2] = {{0, a.y}, {16933, a.y}};
            const ExPoint downA[2] = {{a.x, 0}, {a.x, 8467}};
            const ExPoint downB[2] = {{b.x, 0}, {b.x, 8467}};
            dc.Polyline(across, 2);
            dc.Polyline(downA, 2);
            dc.Polyline(downB, 2);
            dc.SelectPen({kPenSolid, 40, 0xFF0000});
            const ExPoint diagonal[2] = {{0, 8467}, {16933, 0}};
            dc.Polyline(diagonal, 2);
            QCOMPARE(upright.DrawParts(&dc), 1);
            QCOMPARE(turned.DrawParts(&dc), 1);
            QCOMPARE(crossedOut.DrawParts(&dc), 1);
        }
        QDir().mkpath(QP_OUTPUT_DIR);
        QVERIFY(image.save(QP_OUTPUT_DIR "/image-parts.png"));

        // The upright picture: 151 × 113 pixels. Its white middle shows the line across, its
        // red block and blue disk cover the white sheet, its border is black.
        const QPoint pa = device(a);
        QVERIFY(DarkNear(image, pa.x() + 12, pa.y()));
        QVERIFY(!IsDark(image.pixel(pa.x() + 12, pa.y() + 12)));
        QVERIFY(IsRed(image.pixel(pa.x() - 38, pa.y() - 28)));
        QVERIFY(IsBlue(image.pixel(pa.x() + 33, pa.y() + 24)));
        QVERIFY(IsDark(image.pixel(pa.x() - 74, pa.y() + 20)));
        // The turned picture: the line across still shows in its middle, and its red block has
        // turned counter-clockwise with it, from (−38, 28) up-left to (−47, 5).
        const QPoint pb = device(b);
        QVERIFY(DarkNear(image, pb.x() + 12, pb.y()));
        QVERIFY(IsRed(image.pixel(pb.x() - 47, pb.y() - 5)));
        QVERIFY(!IsRed(image.pixel(pb.x() - 38, pb.y() - 40)));
        // The placeholder's diagonals cross at its centre in its colour.
        const auto& corners = crossedOut.ImageCorners();
        const QPoint pc =
            device({(corners[0].x + corners[2].x) / 2, (corners[0].y + corners[2].y) / 2});
        QVERIFY(IsRed(image.pixel(pc)) || IsRed(image.pixel(pc + QPoint(1, 0))));
    }
};

QTEST_MAIN(ImagePictureTest)
#include "ImagePictureTest.moc"
