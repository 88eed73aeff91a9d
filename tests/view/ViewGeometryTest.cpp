#include "ViewGeometry.h"

#include <QTest>

#include <cstdlib>

namespace {

CViewGeometry MakeGeometry(int scale, int mapWidth, int mapHeight, QSize client,
                           QPoint scroll = {}) {
    CViewGeometry geometry;
    geometry.SetDpi(96);
    geometry.SetViewScale(scale);
    geometry.SetMapSize(mapWidth, mapHeight);
    geometry.SetClientSize(client);
    geometry.Layout();
    geometry.SetScroll(scroll);
    return geometry;
}

} // namespace

class ViewGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void drawingPointsRoundTripWithinOnePixel_data() {
        QTest::addColumn<int>("scale");
        for (const int scale : {10, 25, 50, 75, 100, 125, 150, 200, 500, 1000, 3000}) {
            QTest::addRow("1/%d", scale) << scale;
        }
    }
    void drawingPointsRoundTripWithinOnePixel() {
        QFETCH(int, scale);
        for (const QPoint scroll : {QPoint(0, 0), QPoint(37, 5), QPoint(400, 1200)}) {
            const CViewGeometry geometry = MakeGeometry(scale, 25, 25, {800, 600}, scroll);
            // One pixel is 2540 / 96 view units, each scale drawing units.
            const int pixelInDrawing = (2540 / 96 + 1) * scale;
            for (const ExPoint point :
                 {ExPoint{0, 0}, ExPoint{123456, 98765}, ExPoint{2500000, 2500000},
                  ExPoint{1000, 2499000}, ExPoint{777777, 3}}) {
                const QPoint pixel = geometry.DrawingToPixel(point);
                const ExPoint back = geometry.PixelToDrawing(pixel);
                QVERIFY2(std::abs(back.x - point.x) <= pixelInDrawing,
                         qPrintable(QString::number(back.x)));
                QVERIFY2(std::abs(back.y - point.y) <= pixelInDrawing,
                         qPrintable(QString::number(back.y)));
                QCOMPARE(geometry.DrawingToPixel(back), pixel);
            }
        }
    }

    void pixelsRoundTripExactly() {
        for (const int scale : {10, 100, 130, 3000}) {
            const CViewGeometry geometry = MakeGeometry(scale, 30, 20, {640, 480}, {13, 21});
            for (int x = 0; x < 640; x += 37) {
                for (int y = 0; y < 480; y += 41) {
                    QCOMPARE(geometry.DrawingToPixel(geometry.PixelToDrawing({x, y})),
                             QPoint(x, y));
                }
            }
        }
    }

    void theSheetStartsRightOfTheVerticalRulerAtTheTop() {
        const CViewGeometry geometry = MakeGeometry(100, 25, 25, {800, 600});
        // The top-left corner of the sheet is 20 pixels in, at the top.
        QCOMPARE(geometry.DrawingToPixel({0, 2500000}), QPoint(20, 0));
        // 25 m at 1/100 is 250 mm on screen: 945 pixels at 96 dpi.
        QCOMPARE(geometry.DrawingToPixel({2500000, 0}), QPoint(20 + 945, 945));
        QCOMPARE(geometry.Margin().x, 529);
        QCOMPARE(geometry.TotalPixels(), QSize(965, 965));
    }

    void scrollingMovesTheSheetByWholePixels() {
        const CViewGeometry still = MakeGeometry(100, 25, 25, {800, 600});
        const CViewGeometry moved = MakeGeometry(100, 25, 25, {800, 600}, {7, 11});
        for (const ExPoint point : {ExPoint{0, 0}, ExPoint{123457, 765431}}) {
            QCOMPARE(moved.DrawingToPixel(point), still.DrawingToPixel(point) - QPoint(7, 11));
        }
        // The transform the layers paint with lands on the same pixels.
        const QTransform transform = moved.ViewToPixelTransform();
        const ExPoint view = moved.DrawingToView({123457, 765431});
        const QPointF mapped = transform.map(QPointF(view.x, view.y));
        QCOMPARE(QPoint(qRound(mapped.x()), qRound(mapped.y())),
                 moved.DrawingToPixel({123457, 765431}));
    }

    void largeSheetsScrollBeyondSixteenBits() {
        // 1000 m at 1/10 is 100 m on screen.
        const CViewGeometry geometry = MakeGeometry(10, 1000, 1000, {800, 600});
        QVERIFY(geometry.Total().x > 65535 * 100);
        QVERIFY(geometry.MaxScroll().x() > 65535);
        QVERIFY(geometry.MaxScroll().y() > 65535);
        CViewGeometry atEnd = geometry;
        atEnd.SetScroll(geometry.MaxScroll());
        // Scrolled to the end, the sheet's far corner meets the client's right edge and the
        // top of the horizontal ruler.
        const QPoint corner = atEnd.DrawingToPixel({100000000, 0});
        QVERIFY(std::abs(corner.x() - 800) <= 1);
        QVERIFY(std::abs(corner.y() - (600 - 20)) <= 1);
    }

    void aCentreIsScrolledToTheMiddleOfTheClient() {
        CViewGeometry geometry = MakeGeometry(50, 25, 25, {800, 600});
        const ExPoint centre{1250000, 1250000};
        geometry.SetScroll(geometry.ScrollToCentre(centre));
        const QPoint pixel = geometry.DrawingToPixel(centre);
        QVERIFY(std::abs(pixel.x() - 400) <= 1);
        QVERIFY(std::abs(pixel.y() - 300) <= 1);
        const ExPoint back = geometry.ClientCentreDrawing();
        QVERIFY(std::abs(back.x - centre.x) <= 30 * 50);
        QVERIFY(std::abs(back.y - centre.y) <= 30 * 50);
    }

    void centresNearTheEdgeStayWithinTheScrollRange() {
        const CViewGeometry geometry = MakeGeometry(50, 25, 25, {800, 600});
        QCOMPARE(geometry.ScrollToCentre({0, 2500000}), QPoint(0, 0));
        QCOMPARE(geometry.ScrollToCentre({2500000, 0}), geometry.MaxScroll());
    }

    void theDivisorIsClampedAndAnEmptyClientLaysOutNothing() {
        QCOMPARE(MakeGeometry(5, 25, 25, {800, 600}).ViewScale(), 10);
        QCOMPARE(MakeGeometry(5000, 25, 25, {800, 600}).ViewScale(), 3000);
        CViewGeometry empty;
        empty.SetClientSize({0, 0});
        QVERIFY(!empty.Layout());
    }

    void aSmallSheetSetsTheNarrowFlagsForGood() {
        CViewGeometry geometry = MakeGeometry(500, 25, 25, {800, 600});
        geometry.UpdateNarrowFlags();
        QVERIFY(geometry.NarrowX());
        QVERIFY(geometry.NarrowY());
        geometry.SetViewScale(10);
        geometry.Layout();
        geometry.UpdateNarrowFlags();
        QVERIFY(geometry.NarrowX());

        CViewGeometry wide = MakeGeometry(100, 25, 25, {800, 600});
        wide.UpdateNarrowFlags();
        QVERIFY(!wide.NarrowX());
        QVERIFY(!wide.NarrowY());
    }

    void pixelRectanglesConvertCornerByCorner() {
        const CViewGeometry geometry = MakeGeometry(100, 25, 25, {800, 600});
        const ExRect rect = geometry.PixelRectToDrawing(QRect(20, 0, 100, 50));
        QCOMPARE(rect.left, 0);
        QCOMPARE(rect.top, geometry.PixelToDrawing({20, 0}).y);
        QVERIFY(rect.top > rect.bottom);
        QCOMPARE(rect.right, geometry.PixelToDrawing({120, 50}).x);
    }

    void theFittingScaleIsTheFinestAtWhichTheWholeSheetShows() {
        const struct {
            int mapWidth, mapHeight;
            QSize client;
            int expected; // 0: found by the rule itself, checked below
        } cases[] = {
            {25, 25, {800, 600}, 0},        // taller than wide: the height decides
            {60, 10, {800, 600}, 0},        // wide: the width decides
            {1, 1, {800, 600}, 10},         // fits even at 1/10
            {1000, 1000, {100, 100}, 3000}, // fits at no divisor
        };
        for (const auto& c : cases) {
            const CViewGeometry geometry = MakeGeometry(100, c.mapWidth, c.mapHeight, c.client);
            const int scale = geometry.FittingScale(c.client);
            if (c.expected != 0) {
                QCOMPARE(scale, c.expected);
                continue;
            }
            const QSize at = MakeGeometry(scale, c.mapWidth, c.mapHeight, c.client).TotalPixels();
            const QSize finer =
                MakeGeometry(scale - 1, c.mapWidth, c.mapHeight, c.client).TotalPixels();
            QVERIFY(at.width() <= c.client.width() && at.height() <= c.client.height());
            QVERIFY(finer.width() > c.client.width() || finer.height() > c.client.height());
        }
    }

    void aPointIsScrolledUnderTheAskedPixel() {
        const CViewGeometry geometry = MakeGeometry(50, 25, 25, {800, 600});
        for (const QPoint pixel : {QPoint(100, 80), QPoint(400, 300), QPoint(700, 550)}) {
            const ExPoint point{1234567, 987654};
            CViewGeometry placed = geometry;
            placed.SetScroll(geometry.ScrollToPlace(point, pixel));
            const QPoint at = placed.DrawingToPixel(point);
            QVERIFY(std::abs(at.x() - pixel.x()) <= 1 && std::abs(at.y() - pixel.y()) <= 1);
        }
    }
};

QTEST_GUILESS_MAIN(ViewGeometryTest)
#include "ViewGeometryTest.moc"
