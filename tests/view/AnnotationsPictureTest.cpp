#include "ExArea.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExMeasure.h"
#include "ExPillarParts.h"
#include "ExVecFont.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"
#include "QtPainterDC.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const char kSquare[] = {0, 0, 0, -1, 0, -1, 1, 0, 0, 1,  0, -1, 1, 0, 0, 1, 0, 1,
                        1, 0, 0, -1, 0, 1,  1, 0, 0, -1, 0, -1, 7, 0, 0, 0, 0, 0};

} // namespace

// Draws a measured room corner: a pillar inside a selected area, a ruler attached to the
// pillar, and a LAN cable, at 1/50, and leaves the picture for a person to look at.
class AnnotationsPictureTest : public QObject {
    Q_OBJECT

private slots:
    void measuredCornerRenders() {
        CExVecFont font;
        QCOMPARE(font.LoadVecFont(QP_RUNTIME_DIR "/VecFont.QVF"), 1);
        SetVecFont(&font);
        CKORVANEXDoc doc;
        CExHeadlessView view(50, 10, 10, 96);
        view.SetDrawingView(true);
        view.SetDocument(&doc);
        ExActiveViewScope active(&view);

        CExGeneralParts item;
        item.LoadShape(kSquare, sizeof kSquare);
        item.SetPartsCode(20101);
        item.SetWidth(30000);
        item.SetHeight(30000);
        CExParts* pillar =
            doc.AddElement(CExPillarParts::CreateFromLibrary(item, {100000, 100000}));
        pillar->RecalcParts();

        auto area = std::make_unique<CExArea>();
        area->AddPoint({0, 0});
        area->SetLastPoint({400000, 0});
        area->AddPoint({400000, 300000});
        area->AddPoint({0, 300000});
        // Labels a fortieth of a 1000 x 750 pixel window at 1/50, as the tools size them.
        area->SetLabelWidth(33000);
        area->SetLabelHeight(33000);
        area->SetSelectFlag(1);
        area->UpdateParts();
        QCOMPARE(QString::fromStdString(area->GetAreaText()), QStringLiteral("11.910"));

        CExMeasure ruler;
        ruler.SetLabelSize(33000, 33000);
        ruler.AttachEnd(0, {100000, 100000}, {pillar});
        ruler.AttachEnd(1, {300000, 100000}, {pillar});
        ruler.UpdateParts();
        ruler.RecalcParts();

        CExWiringParts cable;
        cable.StartCable(2, {20000, 20000}, {{"050102", "LAN", 3, 50}}, 50);
        cable.SetLastPoint({380000, 20000});
        cable.AddPoint({380000, 250000});
        cable.UpdateParts();

        // 4 m x 3 m at 1/50 is 80 mm x 60 mm: about 302 x 227 pixels.
        QImage image(360, 280, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            CQtPainterDC dc(painter, CQtPainterDC::ViewToDevice(96, {-700, 6700}));
            QCOMPARE(area->DrawParts(&dc), 1);
            QCOMPARE(pillar->DrawParts(&dc), 1);
            QCOMPARE(ruler.DrawParts(&dc), 1);
            QCOMPARE(cable.DrawParts(&dc), 1);
        }
        SetVecFont(nullptr);
        QDir().mkpath(QP_OUTPUT_DIR);
        QVERIFY(image.save(QP_OUTPUT_DIR "/annotations.png"));

        int red = 0;
        int blue = 0;
        int green = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
                blue += c.blue() > 200 && c.red() < 120 && c.green() < 120 ? 1 : 0;
                green += c.green() > 200 && c.red() < 80 && c.blue() < 80 ? 1 : 0;
            }
        }
        QVERIFY2(red > 50, "the ruler is drawn in red");
        QVERIFY2(blue > 100, "the LAN cable is drawn in blue");
        QVERIFY2(green > 100, "the selected area is hatched in green");
    }
};

QTEST_MAIN(AnnotationsPictureTest)
#include "AnnotationsPictureTest.moc"
