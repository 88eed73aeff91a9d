#include "ExAppServices.h"
#include "GridLayout.h"
#include "RulerBar.h"
#include "RulerScale.h"
#include "ViewGeometry.h"

#include <QImage>
#include <QTest>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

CViewGeometry MakeGeometry(int scale, QSize client = {800, 600}, QPoint scroll = {},
                           int sheetMetres = 25) {
    CViewGeometry geometry;
    geometry.SetDpi(96);
    geometry.SetViewScale(scale);
    geometry.SetMapSize(sheetMetres, sheetMetres);
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

std::vector<ExRulerTick> Labelled(std::vector<ExRulerTick> ticks) {
    std::erase_if(ticks, [](const ExRulerTick& tick) { return tick.labelMetres < 0; });
    std::sort(ticks.begin(), ticks.end(), [](const ExRulerTick& a, const ExRulerTick& b) {
        return a.labelFirst < b.labelFirst;
    });
    return ticks;
}

std::vector<int> LabelMetres(const std::vector<ExRulerTick>& ticks) {
    std::vector<int> metres;
    for (const ExRulerTick& tick : Labelled(ticks)) {
        metres.push_back(tick.labelMetres);
    }
    return metres;
}

// Labels keep clear of each other and none reaches beyond the bar's span of client pixels
// [barFirst, barLast]. Scrolled to an end of the sheet, the labels at that end must fit whole;
// a label at the other edge of the window is only scrolled out of sight.
bool LabelsFit(const std::vector<ExRulerTick>& ticks, int barFirst, int barLast, QString& why) {
    const std::vector<ExRulerTick> labels = Labelled(ticks);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].labelFirst < barFirst || labels[i].labelLast > barLast) {
            why = QStringLiteral("%1 is cut").arg(labels[i].labelMetres);
            return false;
        }
        if (i > 0 && labels[i].labelFirst - labels[i - 1].labelLast < CRulerScale::kLabelGap) {
            why = QStringLiteral("%1 touches %2")
                      .arg(labels[i - 1].labelMetres)
                      .arg(labels[i].labelMetres);
            return false;
        }
    }
    return true;
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

    void aGridFinerThanItsMarksShowsEveryMarkWhole() {
        // 2 cm at 1/129 puts a mark every 0.6 pixel; with one interval a lattice, all are long.
        ExDrawingDefaults fine;
        fine.gridBigIntervalXCm = fine.gridBigIntervalYCm = 2;
        fine.largeLatticeBigX = fine.largeLatticeBigY = 1;
        const CViewGeometry geometry = MakeGeometry(129, {60, 40}, {37, 53});
        const ExGridLayout grid = ExGridLayout::Compute(129, geometry, fine);
        QImage drawn(60, 40, QImage::Format_ARGB32_Premultiplied);
        DrawGridMarks(drawn, grid, geometry, drawn.rect());
        // Each mark set pixel by pixel: arms of 6 pixels each way from its point.
        QImage marks(60, 40, QImage::Format_ARGB32_Premultiplied);
        marks.fill(Qt::transparent);
        const ExPoint from = geometry.PixelToDrawing({-10, 50});
        const ExPoint to = geometry.PixelToDrawing({70, -10});
        for (int x = from.x / 2000 * 2000; x <= to.x; x += 2000) {
            for (int y = from.y / 2000 * 2000; y <= to.y; y += 2000) {
                const QPoint point = geometry.DrawingToPixel({x, y});
                for (int arm = -6; arm <= 6; ++arm) {
                    for (const QPoint pixel : {point + QPoint(arm, 0), point + QPoint(0, arm)}) {
                        if (marks.rect().contains(pixel)) {
                            marks.setPixel(pixel, qRgb(0xA2, 0xA2, 0xA2));
                        }
                    }
                }
            }
        }
        QCOMPARE(drawn, marks);
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
        const std::vector<ExRulerTick> ticks = CRulerScale::HorizontalTicks(geometry, 20, 10);
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

    void rulerLabelsNeverTouchNorGetCutAtAnyZoomOrPixelDensity() {
        QImage single(1, 1, QImage::Format_RGB32);
        QImage twice(1, 1, QImage::Format_RGB32);
        twice.setDevicePixelRatio(2.0);
        const QFont font = CRulerBar::LabelFont();
        const double digitWidths[] = {10.0, CRulerBar::DigitWidth(font, &single),
                                      CRulerBar::DigitWidth(font, &twice)};
        const QSize client(800, 600);
        std::vector<int> scales = {200, 250, 3000};
        for (int scale = 10; scale <= 3000; scale += 7) {
            scales.push_back(scale);
        }
        for (const int sheet : {25, 1000}) {
            for (const int scale : scales) {
                CViewGeometry geometry = MakeGeometry(scale, client, {}, sheet);
                // At the top-left the sheet's origin and the vertical bar's far end show; at
                // the bottom-right the origin of the vertical bar and the far end of the other.
                const struct {
                    QPoint scroll;
                    QPoint horizontal;
                    QPoint vertical;
                } ends[] = {
                    {{0, 0}, {CViewGeometry::kRulerPixels, INT_MAX}, {0, INT_MAX}},
                    {geometry.MaxScroll(), {INT_MIN, client.width()}, {INT_MIN, client.height()}},
                };
                for (const auto& end : ends) {
                    geometry.SetScroll(end.scroll);
                    for (const double digitWidth : digitWidths) {
                        QString why;
                        const bool fits =
                            LabelsFit(CRulerScale::HorizontalTicks(geometry, 20, digitWidth),
                                      end.horizontal.x(), end.horizontal.y(), why) &&
                            LabelsFit(CRulerScale::VerticalTicks(geometry, 20, digitWidth),
                                      end.vertical.x(), end.vertical.y(), why);
                        QVERIFY2(fits, qPrintable(QStringLiteral("1/%1, %2 m, %3: %4")
                                                      .arg(scale)
                                                      .arg(sheet)
                                                      .arg(digitWidth)
                                                      .arg(why)));
                    }
                }
            }
        }
    }

    void crowdedLabelsGiveWayAtEvenIntervalsTheTicksStay() {
        const struct {
            int scale;
            int sheet;
            std::vector<int> labels; // the first ones from the left
        } cases[] = {
            {100, 25, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
            {200, 25, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 24}},
            {250, 25, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24}},
            {200, 1000, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 24, 26}},
        };
        for (const auto& c : cases) {
            const CViewGeometry geometry = MakeGeometry(c.scale, {800, 600}, {}, c.sheet);
            const std::vector<ExRulerTick> ticks = CRulerScale::HorizontalTicks(geometry, 20, 10);
            std::vector<int> labels = LabelMetres(ticks);
            labels.resize(std::min(labels.size(), c.labels.size()));
            QCOMPARE(labels, c.labels);
            // Every tenth of a metre keeps its tick.
            QCOMPARE(ticks.front().position, 0);
            QCOMPARE(ticks[1].position, CRulerScale::TickStep(geometry));
        }
    }

    void theLabelAtTheSheetsFarEndEndsAtItsTick() {
        CViewGeometry geometry = MakeGeometry(3000, {800, 600}, {}, 1000);
        geometry.SetScroll(geometry.MaxScroll());
        const std::vector<ExRulerTick> across =
            Labelled(CRulerScale::HorizontalTicks(geometry, 20, 10));
        QCOMPARE(across.back().labelMetres, 1000);
        QCOMPARE(across.back().labelLast, across.back().pixel);
        QCOMPARE(across.back().labelFirst, across.back().pixel - 40);
        geometry.SetScroll({0, 0});
        const std::vector<ExRulerTick> up = Labelled(CRulerScale::VerticalTicks(geometry, 20, 10));
        QCOMPARE(up.front().labelMetres, 1000);
        QCOMPARE(up.front().labelFirst, up.front().pixel);
        QCOMPARE(up.front().labelLast, up.front().pixel + 40);
    }

    void verticalTicksStopAboveTheHorizontalBar() {
        CViewGeometry geometry = MakeGeometry(100);
        geometry.SetScroll(geometry.MaxScroll());
        const std::vector<ExRulerTick> ticks = CRulerScale::VerticalTicks(geometry, 20, 10);
        QVERIFY(!ticks.empty());
        QCOMPARE(ticks.front().position, 0);
        for (const ExRulerTick& tick : ticks) {
            QVERIFY(tick.pixel <= 600 - 10 + 1);
            QVERIFY(tick.pixel >= 0);
            QCOMPARE(tick.pixel, geometry.DrawingToPixel({0, tick.position}).y());
        }
    }
};

QTEST_MAIN(GridAndRulerTest)
#include "GridAndRulerTest.moc"
