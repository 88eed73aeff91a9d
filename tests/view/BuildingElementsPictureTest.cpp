#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "QtPainterDC.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// The square spanning the whole element, traced counter-clockwise from the bottom left.
std::unique_ptr<CExGeneralParts> SquareItem(int code, int width, int height, ExColor color) {
    const char records[] = {0, 0, 0, -1, 0, -1, // move (-256, -256)
                            1, 0, 0, 1,  0, -1, // line (256, -256)
                            1, 0, 0, 1,  0, 1,  // line (256, 256)
                            1, 0, 0, -1, 0, 1,  // line (-256, 256)
                            1, 0, 0, -1, 0, -1, // line (-256, -256)
                            7, 0, 0, 0,  0, 0};
    auto item = std::make_unique<CExGeneralParts>();
    item->LoadShape(records, sizeof records);
    item->SetPartsCode(code);
    item->SetWidth(width);
    item->SetHeight(height);
    item->SetColor(color);
    return item;
}

// Pixels of a sheet 8 m high shown at 1/50 on a 96 dpi device: 1 m is 2000 view units.
QPoint Pixel(double metresX, double metresY) {
    const double pixelsPerMetre = 2000 * 96 / 2540.0;
    return {static_cast<int>(metresX * pixelsPerMetre),
            static_cast<int>((8 - metresY) * pixelsPerMetre)};
}

bool Dark(const QImage& image, QPoint p) {
    return qGray(image.pixel(p)) < 128;
}

// One-pixel lines land within a pixel of where the arithmetic puts them.
bool DarkNear(const QImage& image, QPoint p) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (Dark(image, p + QPoint(dx, dy))) {
                return true;
            }
        }
    }
    return false;
}

bool WhiteAround(const QImage& image, QPoint p) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (image.pixel(p + QPoint(dx, dy)) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class BuildingElementsPictureTest : public QObject {
    Q_OBJECT

private slots:
    void wallRoomsAndPillarDrawWhereTheyStand() {
        CExHeadlessView view(50, 12, 8, 96);
        ExActiveViewScope active(&view);
        std::vector<std::unique_ptr<CExParts>> elements;
        // An 11 x 7 m building, a six-mat room, a 3 x 3 m floored room and a 30 cm pillar.
        elements.push_back(CExOuterWallParts::CreateFromLibrary(
            *SquareItem(10101, 1100000, 700000, ExRgb(70, 70, 80)), {600000, 400000}));
        elements.push_back(CExRoomParts::CreateFromLibrary(
            *SquareItem(30203, 400000, 400000, ExRgb(120, 100, 80)), {240000, 400000}));
        elements.push_back(CExRoomParts::CreateFromLibrary(
            *SquareItem(30102, 300000, 300000, ExRgb(160, 105, 50)), {650000, 400000}));
        elements.push_back(CExPillarParts::CreateFromLibrary(
            *SquareItem(20102, 30000, 30000, ExRgb(110, 110, 110)), {1000000, 600000}));

        const QPoint size = Pixel(12, 0);
        QImage image(size.x(), size.y(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            CQtPainterDC dc(painter, CQtPainterDC::ViewToDevice(96, {0, 16000}));
            for (const auto& element : elements) {
                element->UpdateParts();
                element->RecalcParts();
                element->DrawParts(&dc);
            }
        }
        QDir().mkpath(QP_OUTPUT_DIR);
        QVERIFY(image.save(QP_OUTPUT_DIR "/building-elements.png"));

        // The building's two faces 15 cm apart on its west side, nothing between them.
        const double west = 6 - 1100000 / 512 * 256 / 100000.0;
        QVERIFY(DarkNear(image, Pixel(west - 0.075, 4)));
        QVERIFY(DarkNear(image, Pixel(west + 0.075, 4)));
        QVERIFY(!Dark(image, Pixel(west, 4)));
        // The six-mat room: the long edge of its mats 45 cm west of its centre, a mat empty.
        QVERIFY(DarkNear(image, Pixel(2.4 - 0.45, 4.3)));
        QVERIFY(WhiteAround(image, Pixel(2.4 - 0.9, 4.9)));
        // Its west wall: faces at 1.35 and 1.47 m west of its centre.
        QVERIFY(DarkNear(image, Pixel(2.4 - 1.35, 3.0)));
        QVERIFY(DarkNear(image, Pixel(2.4 - 1.47, 3.0)));
        // The floored room: boards 30 cm wide, none along its centre line.
        QVERIFY(DarkNear(image, Pixel(6.5 + 0.15, 4.5)));
        QVERIFY(DarkNear(image, Pixel(6.5 - 0.45, 4.5)));
        QVERIFY(WhiteAround(image, Pixel(6.5, 4.5)));
        // The pillar's west side, its empty middle, and the open ground outside the building.
        QVERIFY(DarkNear(image, Pixel(10 - 0.15, 6)));
        QVERIFY(!Dark(image, Pixel(10, 6)));
        QVERIFY(WhiteAround(image, Pixel(11.85, 7.85)));
    }
};

QTEST_MAIN(BuildingElementsPictureTest)
#include "BuildingElementsPictureTest.moc"
