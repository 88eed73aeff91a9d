#include "ExAppServices.h"
#include "ExMeasure.h"
#include "KORVANEXView.h"
#include "support/EditedView.h"
#include "support/ViewFixtures.h"
#include "tools/ArmedTools.h"
#include "tools/EditTool.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

// The program's settings with snapping on or off.
struct SnapSetting : CExAppServices {
    explicit SnapSetting(bool on) { defaults.snap = on ? 1 : 0; }
    ~SnapSetting() override { SetAppServices(m_previous); }
    ExMessageResult MessageBox(std::string_view, ExMessageIcon, ExMessageButtons) override {
        return ExMessageResult::Ok;
    }
    const ExDrawingDefaults& DrawingDefaults() const override { return defaults; }

    ExDrawingDefaults defaults;
    CExAppServices* m_previous = SetAppServices(this);
};

struct Snapping : Edited {
    // Mouse events as the window system sends them, Alt held or not on every one of them.
    void Send(QEvent::Type type, QPoint pixel, Qt::MouseButtons buttons, bool alt) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pixel, Surface()->mapToGlobal(pixel), button, buttons,
                          alt ? Qt::AltModifier : Qt::NoModifier);
        QApplication::sendEvent(Surface(), &event);
    }
    void Drag(QPoint from, QPoint to, bool alt = false) {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, alt);
        Send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, alt);
        Send(QEvent::MouseMove, to, Qt::LeftButton, alt);
        Send(QEvent::MouseButtonRelease, to, Qt::NoButton, alt);
    }
    void Click(QPoint pixel, bool alt = false) {
        Send(QEvent::MouseMove, pixel, Qt::NoButton, alt);
        Send(QEvent::MouseButtonPress, pixel, Qt::LeftButton, alt);
        Send(QEvent::MouseButtonRelease, pixel, Qt::NoButton, alt);
    }
    ExPoint Lattice() const { return view->Grid().smallInterval; }
    bool OnLattice(ExPoint p) const { return p.x % Lattice().x == 0 && p.y % Lattice().y == 0; }
    // Pixels of the snap mark's colour in a picture of the window around a pixel.
    int MarkPixels(QPoint around) {
        const QImage picture = view->viewport()->grab().toImage();
        int marked = 0;
        for (int y = around.y() - 6; y <= around.y() + 6; ++y) {
            for (int x = around.x() - 6; x <= around.x() + 6; ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                marked += pixel.red() > 200 && pixel.green() < 60 && pixel.blue() > 80;
            }
        }
        return marked;
    }
};

constexpr ExPoint kCentre{1234500, 1234500};

} // namespace

class SnappingTest : public QObject {
    Q_OBJECT

private slots:
    void aMovedPartsPositionLandsOnTheLatticeUnlessAltIsHeld() {
        for (const bool alt : {false, true}) {
            SnapSetting snap(true);
            Snapping snapping;
            CExParts* part = AddSquare(snapping.doc, kCentre, 200000, 0x0000FF);
            snapping.Start();
            const QPoint from = snapping.At(kCentre + ExPoint{30000, 20000});
            snapping.Drag(from, from + QPoint(37, -23), alt);
            const ExPoint moved = part->GetPosition();
            QVERIFY(moved != kCentre);
            QCOMPARE(snapping.OnLattice(moved), !alt);
        }
    }

    void aRulerEndSnapsToTheLatticeOrANearCornerAndTheMarkShowsWhere() {
        SnapSetting snap(true);
        Snapping snapping;
        CExParts* square = AddSquare(snapping.doc, kCentre, 200000, 0x0000FF);
        snapping.Start();
        snapping.view->ArmTool(CreateArmedTool(excommand::kRulerTool, *snapping.view));
        const QPoint corner = snapping.view->Geometry().ViewToPixel(square->CornerPoints()[1]);
        const QPoint open = snapping.At({600000, 600000}) + QPoint(3, 2);
        snapping.Click(corner + QPoint(-3, 2));
        QVERIFY(snapping.MarkPixels(corner) > 0);
        snapping.Click(open);
        auto* ruler =
            dynamic_cast<CExMeasure*>(snapping.doc.ElementAt(snapping.doc.GetElementCount() - 1));
        QVERIFY(ruler);
        // The corner itself, which the screen shows at the nearest pixel.
        QVERIFY((snapping.At(ruler->EndAt(0).point) - corner).manhattanLength() <= 2);
        QVERIFY(snapping.OnLattice(ruler->EndAt(1).point));
        QCOMPARE(ruler->EndAt(0).element, square);
    }

    void offOrWithAltThePointIsThePointersOwnAndNoMarkShows() {
        for (const bool on : {false, true}) {
            SnapSetting snap(on);
            Snapping snapping;
            snapping.Start();
            const QPoint pixel = snapping.At({600000, 600000}) + QPoint(3, 2);
            snapping.Send(QEvent::MouseMove, pixel, Qt::NoButton, on);
            QCOMPARE(snapping.view->DrawingPoint(pixel, on),
                     snapping.view->Geometry().PixelToDrawing(pixel));
            QCOMPARE(snapping.MarkPixels(pixel), 0);
        }
    }
};

QTEST_MAIN(SnappingTest)
#include "SnappingTest.moc"
