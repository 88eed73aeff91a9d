#include "ExAppServices.h"
#include "GridLayout.h"
#include "RulerScale.h"
#include "ViewGeometry.h"

#include <QImage>
#include <QTest>

namespace {

CViewGeometry MakeGeometry(int scale, QSize client = {800, 600}, QPoint scroll = {}) {
    CViewGeometry geometry;
    geometry.SetDpi(96);
    geometry.SetViewScale(scale);
    geometry.SetMapSize(25, 25);
    geometry.SetClientSize(client);
    geometry.Layout();
    geometry.SetScroll(scroll);
    return geometry;
}

ExGridLayout GridAt(int zoom) {
    return ExGridLayout::Compute(zoom, MakeGeometry(zoom), ExDrawingDefaults{});
}

bool IsMark(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) > 0;
}

} // namespace

class GridAndRulerTest : public QObject {
    Q_OBJECT

private slots:
    void theDefaultGridAtOneHundredthIsFiftyCentimetresWithALongMarkEveryFive() {
        const ExGridLayout grid = GridAt(100);
        QCOMPARE(grid.smallInterval, (ExPoint{50000, 50000}));
        QCOMPARE(grid.latticeCount, (ExPoint{5, 5}));
        QCOMPARE(grid.largeLattice, (ExPoint{250000, 250000}));
        QCOMPARE(grid.smallIntervalView, (ExPoint{500, 500}));
    }

    void theDefaultGridAtOneTwoHundredthIsTwoMetresWithALongMarkEveryTenMetres() {
        const ExGridLayout grid = GridAt(200);
        QCOMPARE(grid.smallInterval, (ExPoint{200000, 200000}));
        QCOMPARE(grid.largeLattice, (ExPoint{1000000, 1000000}));
    }

    void theBandSwitchesBetweenOneHundredTwentyNineAndOneHundredThirty() {
        QCOMPARE(GridAt(129).smallInterval, (ExPoint{50000, 50000}));
        QCOMPARE(GridAt(130).smallInterval, (ExPoint{200000, 200000}));
    }

    void theSettingsChooseTheIntervalsOfEachBand() {
        ExDrawingDefaults defaults;
        defaults.gridBigIntervalXCm = 30;
        defaults.gridBigIntervalYCm = 60;
        defaults.largeLatticeBigX = 4;
        defaults.gridSmallIntervalXM = 1;
        defaults.largeLatticeSmallY = 3;
        const ExGridLayout fine = ExGridLayout::Compute(50, MakeGeometry(50), defaults);
        QCOMPARE(fine.smallInterval, (ExPoint{30000, 60000}));
        QCOMPARE(fine.largeLattice, (ExPoint{120000, 300000}));
        const ExGridLayout coarse = ExGridLayout::Compute(300, MakeGeometry(300), defaults);
        QCOMPARE(coarse.smallInterval, (ExPoint{100000, 200000}));
        QCOMPARE(coarse.largeLattice, (ExPoint{500000, 600000}));
    }

    void longMarksSitOnLatticeCrossingsOnly() {
        const CViewGeometry geometry = MakeGeometry(100, {300, 200});
        const ExGridLayout grid = ExGridLayout::Compute(100, geometry, ExDrawingDefaults{});
        QImage layer(300, 200, QImage::Format_ARGB32_Premultiplied);
        DrawGridMarks(layer, grid, geometry, layer.rect());
        // Marks every 50 cm (18.9 pixels) with arms of 2 pixels, 6 where 2.5 m lines cross.
        const QPoint crossing = geometry.DrawingToPixel({250000, 2250000});
        QVERIFY(IsMark(layer, crossing.x(), crossing.y()));
        QVERIFY(IsMark(layer, crossing.x() + 5, crossing.y()));
        QVERIFY(IsMark(layer, crossing.x(), crossing.y() - 5));
        const QPoint small = geometry.DrawingToPixel({50000, 2250000});
        QVERIFY(IsMark(layer, small.x() + 2, small.y()));
        QVERIFY(!IsMark(layer, small.x() + 5, small.y()));
        QVERIFY(!IsMark(layer, small.x() + 9, small.y() - 9));
    }

    void theMarksStayOnTheSheetWhileScrolling() {
        for (const QPoint scroll : {QPoint(0, 0), QPoint(1, 1), QPoint(50, 123), QPoint(95, 300)}) {
            const CViewGeometry geometry = MakeGeometry(100, {400, 300}, scroll);
            const ExGridLayout grid = ExGridLayout::Compute(100, geometry, ExDrawingDefaults{});
            QImage layer(400, 300, QImage::Format_ARGB32_Premultiplied);
            DrawGridMarks(layer, grid, geometry, layer.rect());
            for (const ExPoint crossing : {ExPoint{250000, 2250000}, ExPoint{500000, 2000000}}) {
                const QPoint pixel = geometry.DrawingToPixel(crossing);
                if (!layer.rect().adjusted(6, 6, -6, -6).contains(pixel)) {
                    continue;
                }
                QVERIFY(IsMark(layer, pixel.x(), pixel.y()));
                QVERIFY(IsMark(layer, pixel.x() - 6, pixel.y()));
                QVERIFY(IsMark(layer, pixel.x(), pixel.y() + 6));
                QVERIFY(!IsMark(layer, pixel.x() + 3, pixel.y() + 3));
            }
        }
    }

    void theMarksOfAStripAreThoseOfTheWholeLayer() {
        const CViewGeometry geometry = MakeGeometry(100, {400, 300}, {37, 41});
        const ExGridLayout grid = ExGridLayout::Compute(100, geometry, ExDrawingDefaults{});
        QImage whole(400, 300, QImage::Format_ARGB32_Premultiplied);
        DrawGridMarks(whole, grid, geometry, whole.rect());
        QImage strips(400, 300, QImage::Format_ARGB32_Premultiplied);
        strips.fill(Qt::red);
        for (const QRect& strip :
             {QRect(0, 0, 400, 97), QRect(0, 97, 131, 203), QRect(131, 97, 269, 203)}) {
            DrawGridMarks(strips, grid, geometry, strip);
        }
        QCOMPARE(strips, whole);
    }

    void rulerStepsFollowTheZoom() {
        // At 1/100 a metre is 10 mm on screen: ticks every 10 cm, labels every metre.
        QCOMPARE(CRulerScale::TickStep(MakeGeometry(100)), 10000);
        QCOMPARE(CRulerScale::LabelStep(MakeGeometry(100)), 100000);
        // At 1/500 ticks every metre and labels every 10 m.
        QCOMPARE(CRulerScale::TickStep(MakeGeometry(500)), 100000);
        QCOMPARE(CRulerScale::LabelStep(MakeGeometry(500)), 1000000);
        // At 1/10 ticks every centimetre, labels every 10 cm (no metre labels in between).
        QCOMPARE(CRulerScale::TickStep(MakeGeometry(10)), 1000);
        QCOMPARE(CRulerScale::LabelStep(MakeGeometry(10)), 10000);
    }

    void horizontalTicksCoverTheVisibleSheetWithMetreLabels() {
        const CViewGeometry geometry = MakeGeometry(100);
        const std::vector<ExRulerTick> ticks = CRulerScale::HorizontalTicks(geometry, 20);
        QVERIFY(!ticks.empty());
        QCOMPARE(ticks.front().position, 0);
        QCOMPARE(ticks.front().pixel, 20);
        QCOMPARE(ticks.front().labelMetres, 0);
        for (const ExRulerTick& tick : ticks) {
            QCOMPARE(tick.position % 10000, 0);
            QCOMPARE(tick.pixel, geometry.DrawingToPixel({tick.position, 0}).x());
            // Half and whole metres get the short tick, the rest the long one.
            QCOMPARE(tick.length, tick.position % 50000 == 0 ? 6 : 10);
            QCOMPARE(tick.labelMetres, tick.position % 100000 == 0 ? tick.position / 100000 : -1);
            QVERIFY(tick.pixel <= 800);
        }
    }

    void verticalTicksStopAboveTheHorizontalBar() {
        CViewGeometry geometry = MakeGeometry(100);
        geometry.SetScroll(geometry.MaxScroll());
        const std::vector<ExRulerTick> ticks = CRulerScale::VerticalTicks(geometry, 20);
        QVERIFY(!ticks.empty());
        QCOMPARE(ticks.front().position, 0);
        for (const ExRulerTick& tick : ticks) {
            QVERIFY(tick.pixel <= 600 - 10 + 1);
            QVERIFY(tick.pixel >= 0);
            QCOMPARE(tick.pixel, geometry.DrawingToPixel({0, tick.position}).y());
        }
    }
};

QTEST_GUILESS_MAIN(GridAndRulerTest)
#include "GridAndRulerTest.moc"
