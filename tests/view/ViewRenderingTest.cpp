#include "DrawingDecision.h"
#include "ExAppServices.h"
#include "ExHeadlessView.h"
#include "ExMeasure.h"
#include "SheetExport.h"
#include "ViewGeometry.h"
#include "ViewRenderer.h"
#include "support/ViewFixtures.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr ExColor kRed = 0x0000FF;
constexpr ExColor kBlue = 0xFF0000;
constexpr ExColor kGreen = 0x008000;
constexpr int kCableCode = 50101;

// A document painted into view layers without a window.
struct Scene {
    CKORVANEXDoc doc;
    CViewGeometry geometry;
    ExGridLayout grid;
    CViewRenderer renderer;
    CExHeadlessView context;
    bool recalcAll = true;

    Scene(int scale, QSize client, QPoint scroll = {}, qreal ratio = 1.0,
          const ExDrawingDefaults& defaults = {})
        : context(scale, 25, 25, 96) {
        geometry.SetDpi(96);
        geometry.SetViewScale(scale);
        geometry.SetMapSize(25, 25);
        geometry.SetClientSize(client);
        geometry.Layout();
        geometry.SetScroll(scroll);
        grid = ExGridLayout::Compute(scale, geometry, defaults);
        renderer.CreateLayers(geometry, ratio);
    }

    bool Render(int viewMode = excommand::kLayoutView, bool showGrid = false,
                bool showArea = true) {
        ExActiveViewScope active(&context);
        ExPaintSwitches switches;
        switches.decision = CExDrawingDecision::ForView(viewMode, true, showArea);
        switches.showGrid = showGrid;
        switches.editTool = excommand::kSelectTool;
        return renderer.Render(doc, geometry, grid, switches, recalcAll);
    }

    QRgb At(ExPoint drawing) const {
        return renderer.Composite().pixel(geometry.DrawingToPixel(drawing)) & 0xFFFFFF;
    }
};

// Points on the left edge and in the middle of a square part.
ExPoint LeftEdge(ExPoint centre, int size) {
    return {centre.x - size / 2, centre.y};
}

// Whether a layer holds a drawn (neither transparent nor white) pixel within two pixels of a
// point in any direction.
bool DrawnNear(const QImage& layer, QPoint pixel) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QRgb colour = layer.pixel(pixel + QPoint(dx, dy));
            if (qAlpha(colour) > 0 && (colour & 0xFFFFFF) != 0xFFFFFF) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class ViewRenderingTest : public QObject {
    Q_OBJECT

private slots:
    void theLayersShowWhatQlptoolExportsAtTheSameDivisor() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        CKORVANEXDoc doc;
        const ExPoint centres[] = {{500000, 500000}, {1200000, 1800000}, {2000000, 700000}};
        const ExColor colours[] = {kRed, kBlue, kGreen};
        for (int i = 0; i < 3; ++i) {
            AddSquare(doc, centres[i], 300000, colours[i]);
        }
        doc.ViewSettings().mapWidth = 25;
        doc.ViewSettings().mapHeight = 25;
        const QString drawing = folder.filePath(QStringLiteral("probe.qlp"));
        const QString picture = folder.filePath(QStringLiteral("probe.png"));
        QVERIFY(doc.OnSaveDocument(drawing.toStdString()));
        QProcess tool;
        tool.start(QStringLiteral(QLPTOOL_PATH),
                   {QStringLiteral("export"), drawing, picture, QStringLiteral("--width"),
                    QStringLiteral("800"), QStringLiteral("--height"), QStringLiteral("600")});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        const QImage exported(picture);
        QCOMPARE(exported.size(), QSize(800, 600));

        const ExSheetFit fit = ExSheetFit::Compute(25, 25, {800, 600});
        Scene scene(fit.divisor, {900, 700});
        for (int i = 0; i < 3; ++i) {
            AddSquare(scene.doc, centres[i], 300000, colours[i]);
        }
        QVERIFY(scene.Render());
        const QImage& layers = scene.renderer.Composite();
        for (int i = 0; i < 3; ++i) {
            const ExPoint edge = LeftEdge(centres[i], 300000);
            QVERIFY(ColourNear(layers, scene.geometry.DrawingToPixel(edge), ToRgb(colours[i])));
            QVERIFY(ColourNear(exported, fit.DrawingToPixel(edge), ToRgb(colours[i])));
            QCOMPARE(scene.At(centres[i]), qRgb(255, 255, 255) & 0xFFFFFF);
            QCOMPARE(exported.pixel(fit.DrawingToPixel(centres[i])) & 0xFFFFFF,
                     qRgb(255, 255, 255) & 0xFFFFFF);
        }
    }

    void theWiringViewDimsEverythingButTheWiringLayer() {
        Scene scene(100, {800, 600});
        AddSquare(scene.doc, {500000, 2000000}, 200000, kRed);
        AddSquare(scene.doc, {1000000, 2000000}, 200000, kBlue, kCableCode);
        QVERIFY(scene.Render(excommand::kLayoutView));
        const ExPoint furniture = LeftEdge({500000, 2000000}, 200000);
        const ExPoint cable = LeftEdge({1000000, 2000000}, 200000);
        QVERIFY(ColourNear(scene.renderer.Composite(), scene.geometry.DrawingToPixel(furniture),
                           ToRgb(kRed)));
        QVERIFY(ColourNear(scene.renderer.Composite(), scene.geometry.DrawingToPixel(cable),
                           ToRgb(LightColor(kBlue))));

        scene.renderer.InvalidateAll();
        QVERIFY(scene.Render(excommand::kWiringView));
        QVERIFY(ColourNear(scene.renderer.Composite(), scene.geometry.DrawingToPixel(furniture),
                           qRgb(255, 104, 104)));
        QVERIFY(ColourNear(scene.renderer.Composite(), scene.geometry.DrawingToPixel(cable),
                           ToRgb(kBlue)));
    }

    void printFormsPickPartsWithoutDimming() {
        CKORVANEXDoc doc;
        CExParts* furniture = AddSquare(doc, {500000, 500000}, 100000, kRed);
        CExParts* cable = AddSquare(doc, {500000, 500000}, 100000, kBlue, kCableCode);
        using D = CExDrawingDecision;
        QCOMPARE(D::ForPrintForm(0).Decide(*cable), ExDrawStyle::Normal);
        QCOMPARE(D::ForPrintForm(1).Decide(*cable), ExDrawStyle::Skip);
        QCOMPARE(D::ForPrintForm(1).Decide(*furniture), ExDrawStyle::Normal);
        QCOMPARE(D::ForPrintForm(2).Decide(*furniture), ExDrawStyle::Skip);
        QCOMPARE(D::ForPicture(excommand::kWiringView).Decide(*furniture), ExDrawStyle::Light);
    }

    void hiddenAreasAndRulersAreNotDrawn() {
        Scene scene(100, {800, 600});
        CountingPart* area = AddCounting(scene.doc, {500000, 2000000}, 200000, kGreen, "CExArea");
        CountingPart* ruler =
            AddCounting(scene.doc, {900000, 2000000}, 200000, kGreen, "CExMeasure");
        QVERIFY(scene.Render(excommand::kLayoutView, false, false));
        QCOMPARE(area->draws, 0);
        QCOMPARE(ruler->draws, 1);
        const CExDrawingDecision hidden =
            CExDrawingDecision::ForView(excommand::kLayoutView, false, true);
        QCOMPARE(hidden.Decide(*ruler), ExDrawStyle::Skip);
        QCOMPARE(hidden.Decide(*area), ExDrawStyle::Normal);
    }

    void theSelectionIsDrawnOnItsOwnLayerWithHandles() {
        Scene scene(100, {800, 600});
        const ExPoint centre{500000, 2000000};
        CExParts* part = AddSquare(scene.doc, centre, 200000, kRed);
        scene.doc.Selection().Select(part);
        QVERIFY(scene.Render());
        // A quarter down the left edge, away from the handles.
        const QPoint edge = scene.geometry.DrawingToPixel({400000, 2050000});
        QVERIFY(!ColourNear(scene.renderer.Layers().Base(), edge, ToRgb(kRed)));
        QVERIFY(ColourNear(scene.renderer.Composite(), edge, ToRgb(kRed)));
        // The handle at the top-left corner is a white disc with a black rim.
        const QPoint corner = scene.geometry.DrawingToPixel({400000, 2100000});
        QVERIFY(ColourNear(scene.renderer.Composite(), corner + QPoint(0, -4), qRgb(0, 0, 0)));
        QCOMPARE(part->GetRedrawFlag(), 0);

        // Deselected and its area invalidated, it goes back to the base layer.
        scene.doc.Selection().Clear();
        scene.renderer.Invalidate(QRect(edge - QPoint(5, 5), QSize(10, 10)));
        QVERIFY(scene.Render());
        QVERIFY(ColourNear(scene.renderer.Layers().Base(), edge, ToRgb(kRed)));
        QVERIFY(!ColourNear(scene.renderer.Composite(), corner + QPoint(0, -4), qRgb(0, 0, 0)));
    }

    void aRulerAttachedToTheSelectedPartFollowsItOnTheSelectionLayer() {
        Scene scene(100, {800, 600});
        scene.context.SetDocument(&scene.doc);
        CExParts* part = AddSquare(scene.doc, {500000, 2000000}, 200000, kBlue);
        {
            ExActiveViewScope active(&scene.context);
            part->UpdateParts();
            part->RecalcParts();
        }
        auto attached = std::make_unique<CExMeasure>();
        {
            ExActiveViewScope active(&scene.context);
            attached->AttachEnd(0, {450000, 2000000}, {part});
            attached->AttachEnd(1, {1200000, 2000000}, {part});
        }
        QCOMPARE(attached->EndAt(0).element, part);
        scene.doc.AddElement(std::move(attached));
        QVERIFY(scene.Render());
        const QPoint middle = scene.geometry.DrawingToPixel({900000, 2000000});
        QVERIFY(DrawnNear(scene.renderer.Layers().Base(), middle));
        QVERIFY(!DrawnNear(scene.renderer.Layers().Selection(), middle));

        scene.doc.Selection().Select(part);
        QVERIFY(scene.Render());
        QVERIFY(DrawnNear(scene.renderer.Layers().Selection(), middle));
    }

    void theRulersAttachedToAnyOfSeveralSelectedPartsFollowThemOnTheSelectionLayer() {
        Scene scene(100, {800, 600});
        scene.context.SetDocument(&scene.doc);
        CExParts* left = AddSquare(scene.doc, {500000, 2000000}, 200000, kBlue);
        CExParts* right = AddSquare(scene.doc, {1500000, 1200000}, 200000, kRed);
        {
            ExActiveViewScope active(&scene.context);
            for (CExParts* part : {left, right}) {
                part->UpdateParts();
                part->RecalcParts();
            }
        }
        // One ruler from each part to a free point, one between the two parts.
        const struct {
            ExPoint from;
            ExPoint to;
            ExPoint middle;
        } rulers[] = {
            {{450000, 2000000}, {450000, 1500000}, {450000, 1700000}},
            {{1500000, 1150000}, {2200000, 1150000}, {1900000, 1150000}},
            {{550000, 2050000}, {1450000, 1250000}, {1000000, 1650000}},
        };
        for (const auto& ruler : rulers) {
            auto measure = std::make_unique<CExMeasure>();
            ExActiveViewScope active(&scene.context);
            measure->AttachEnd(0, ruler.from, {left, right});
            measure->AttachEnd(1, ruler.to, {left, right});
            scene.doc.AddElement(std::move(measure));
        }
        for (CExParts* part : {left, right}) {
            scene.doc.Selection().Add(part);
        }
        QVERIFY(scene.Render());
        for (const auto& ruler : rulers) {
            QVERIFY(DrawnNear(scene.renderer.Layers().Selection(),
                              scene.geometry.DrawingToPixel(ruler.middle)));
        }
    }

    void scrollingPaintsTheSameAsAFreshPaint() {
        const struct {
            QPoint move;
            qreal ratio;
        } cases[] = {{{0, 37}, 1.0}, {{53, 0}, 1.0}, {{29, 41}, 1.0}, {{-29, -41}, 2.0}};
        for (const auto [move, ratio] : cases) {
            Scene scrolled(50, {640, 480}, {200, 300}, ratio);
            Scene fresh(50, {640, 480}, QPoint(200, 300) + move, ratio);
            for (Scene* scene : {&scrolled, &fresh}) {
                for (int i = 0; i < 12; ++i) {
                    AddSquare(scene->doc, {150000 + i * 90000, 2300000 - i * 40000}, 120000,
                              i % 2 ? kRed : kBlue);
                }
            }
            QVERIFY(scrolled.Render(excommand::kLayoutView, true));
            scrolled.geometry.SetScroll(QPoint(200, 300) + move);
            scrolled.renderer.Scrolled(-move);
            QVERIFY(scrolled.Render(excommand::kLayoutView, true));
            QVERIFY(fresh.Render(excommand::kLayoutView, true));
            QCOMPARE(scrolled.renderer.Composite(), fresh.renderer.Composite());
        }
    }

    void theGridTakesTheMemoryOfTheWindowWhateverTheLatticeAndTheZoom() {
        // The largest lattices the settings accept: 200 cm × 30 below 1/130, 20 m × 30 above.
        ExDrawingDefaults largest;
        largest.gridBigIntervalXCm = largest.gridBigIntervalYCm = 200;
        largest.largeLatticeBigX = largest.largeLatticeBigY = 30;
        largest.gridSmallIntervalXM = largest.gridSmallIntervalYM = 20;
        largest.largeLatticeSmallX = largest.largeLatticeSmallY = 30;
        const struct {
            int scale;
            qreal ratio;
        } cases[] = {{10, 1.0}, {10, 2.0}, {130, 1.0}, {130, 2.0}};
        const QSize client(800, 600);
        for (const auto [scale, ratio] : cases) {
            Scene scene(scale, client, {}, ratio, largest);
            scene.geometry.SetScroll({0, scene.geometry.MaxScroll().y()});
            QVERIFY(scene.Render(excommand::kLayoutView, true));
            const QImage& marks = scene.renderer.Layers().Grid();
            QCOMPARE(marks.size(), client * ratio);
            // The sheet's origin is a lattice crossing: its long mark shows.
            const QPoint origin = scene.geometry.DrawingToPixel({0, 0});
            for (const QPoint arm : {QPoint(6, 0), QPoint(0, -6)}) {
                QVERIFY(ColourNear(scene.renderer.Composite(), (origin + arm) * ratio,
                                   QRgb(ExGridLayout::kMarkColor)));
            }
        }
    }

    void onAScreenOfTwiceTheDensityTheLayersHaveTwiceThePixels() {
        Scene scene(100, {400, 300}, {}, 2.0);
        AddSquare(scene.doc, {500000, 2000000}, 200000, kRed);
        QVERIFY(scene.Render());
        const QImage& composite = scene.renderer.Composite();
        QCOMPARE(composite.size(), QSize(800, 600));
        QCOMPARE(composite.devicePixelRatio(), 2.0);
        const QPoint edge = scene.geometry.DrawingToPixel({400000, 2050000}) * 2;
        QVERIFY(ColourNear(composite, edge, ToRgb(kRed)));

        // Scrolling by whole pixels still moves the base picture instead of repainting it.
        scene.geometry.SetScroll({0, 10});
        scene.renderer.Scrolled({0, -10});
        QVERIFY(scene.Render());
        QVERIFY(ColourNear(scene.renderer.Composite(), edge - QPoint(0, 20), ToRgb(kRed)));
    }

    void aRepaintWithNothingInvalidRecomputesAndDrawsNothing() {
        Scene scene(100, {800, 600});
        CountingPart* part = AddCounting(scene.doc, {500000, 2000000}, 200000, kRed);
        QVERIFY(scene.Render());
        QCOMPARE(part->updates, 1);
        QCOMPARE(part->draws, 1);
        QVERIFY(!scene.recalcAll);
        QVERIFY(scene.Render());
        QVERIFY(scene.Render());
        QCOMPARE(part->updates, 1);
        QCOMPARE(part->draws, 1);
    }

    void aPartTouchingTheInvalidAreaIsRedrawnAndTheAreaMatchesAFreshPaint() {
        Scene scene(100, {800, 600});
        CountingPart* touched = AddCounting(scene.doc, {500000, 2000000}, 200000, kRed);
        CountingPart* overlapping = AddCounting(scene.doc, {650000, 2000000}, 200000, kBlue);
        CountingPart* far = AddCounting(scene.doc, {1800000, 1500000}, 200000, kGreen);
        QVERIFY(scene.Render());
        const QImage before = scene.renderer.Composite();
        // The rectangle crosses the left edge of the first part only.
        const QPoint edge = scene.geometry.DrawingToPixel(LeftEdge({500000, 2000000}, 200000));
        scene.renderer.Invalidate(QRect(edge - QPoint(2, 2), QSize(4, 4)));
        QVERIFY(scene.Render());
        QCOMPARE(touched->draws, 2);
        QCOMPARE(overlapping->draws, 1);
        QCOMPARE(far->draws, 1);
        QCOMPARE(touched->updates, 1);
        QCOMPARE(scene.renderer.Composite(), before);

        // Where both parts cross, both are drawn again.
        const QPoint crossing = scene.geometry.DrawingToPixel({600000, 2100000});
        scene.renderer.Invalidate(QRect(crossing - QPoint(3, 3), QSize(6, 6)));
        QVERIFY(scene.Render());
        QCOMPARE(touched->draws, 3);
        QCOMPARE(overlapping->draws, 2);
        QCOMPARE(scene.renderer.Composite(), before);
    }

    void aPartMarkedAwayFromTheInvalidAreaIsDrawnWhenItsOwnAreaIs() {
        Scene scene(100, {800, 600});
        CountingPart* near = AddCounting(scene.doc, {500000, 2000000}, 200000, kRed);
        CountingPart* far = AddCounting(scene.doc, {1800000, 1500000}, 200000, kGreen);
        QVERIFY(scene.Render());
        const QImage fresh = scene.renderer.Composite();
        far->SetRedrawFlag(1);
        const QPoint edge = scene.geometry.DrawingToPixel(LeftEdge({500000, 2000000}, 200000));
        scene.renderer.Invalidate(QRect(edge - QPoint(2, 2), QSize(4, 4)));
        QVERIFY(scene.Render());
        QCOMPARE(near->draws, 2);
        QCOMPARE(far->draws, 1); // all of it would have been clipped away
        QCOMPARE(far->GetRedrawFlag(), 0);
        scene.renderer.Invalidate(scene.geometry.ViewRectToPixels(far->GetUpdateRect()));
        QVERIFY(scene.Render());
        QCOMPARE(far->draws, 2);
        QCOMPARE(scene.renderer.Composite(), fresh);
    }

    void layersThatCouldNotBeMadeReportAFailedComposition() {
        CKORVANEXDoc doc;
        CViewGeometry geometry;
        CViewRenderer renderer;
        bool recalcAll = true;
        QVERIFY(!renderer.Render(doc, geometry, ExGridLayout{}, ExPaintSwitches{}, recalcAll));
    }
};

QTEST_MAIN(ViewRenderingTest)
#include "ViewRenderingTest.moc"
