#include "QtPainterDC.h"
#include "ExHeadlessView.h"
#include "ExParts.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTest>

namespace {

// The square shape spanning the whole element.
void LoadSquare(CExParts& part) {
    const char records[] = {0, 0, 0, -1, 0, -1, // move (-256, -256)
                            1, 0, 0, 1,  0, -1, // line (256, -256)
                            1, 0, 0, 1,  0, 1,  // line (256, 256)
                            1, 0, 0, -1, 0, 1,  // line (-256, 256)
                            1, 0, 0, -1, 0, -1, // line (-256, -256)
                            7, 0, 0, 0,  0, 0};
    part.LoadShape(records, sizeof records);
}

// A closed outline with a spike, a line back over itself, in view units on a 40-pixel square.
const ExPoint kOutline[] = {{100, 100}, {900, 150}, {850, 900}, {400, 600},
                            {600, 300}, {400, 600}, {120, 880}, {100, 100}};
constexpr int kOutlinePoints = static_cast<int>(std::size(kOutline));

QImage DrawOutline(const ExPen& pen, bool joined) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CQtPainterDC dc(painter, CQtPainterDC::ViewToDevice(96, {0, 1000}));
    dc.SelectPen(pen);
    if (joined) {
        dc.JoinedLines(kOutline, kOutlinePoints);
    } else {
        for (int i = 0; i + 1 < kOutlinePoints; ++i) {
            dc.Polyline(kOutline + i, 2);
        }
    }
    return image;
}

// The SVG a 40 × 40 vector picture gets from what draw does on its surface.
template <typename Draw> QByteArray DrawnSvg(Draw draw) {
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(40, 40));
    {
        QPainter painter(&generator);
        CQtPainterDC dc(painter, CQtPainterDC::ViewToDevice(96, {0, 1000}));
        draw(dc);
    }
    return svg.data();
}

int CountDark(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return dark;
}

} // namespace

class QtPainterDCTest : public QObject {
    Q_OBJECT

private slots:
    void squarePartDrawsItsOutlineOnly() {
        // A 1 m square centred at (1 m, 1 m), shown at 1/100: 10 mm on screen = 37.8 pixels.
        CExHeadlessView view(100, 25, 25, 96);
        ExActiveViewScope active(&view);
        CExParts part;
        LoadSquare(part);
        part.SetWidth(100000);
        part.SetHeight(100000);
        part.SetPosition(100000, 100000);
        part.UpdateParts();

        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            // The device's top-left pixel shows view point (0, 2000): the sheet's (0, 2 m).
            CQtPainterDC dc(painter, CQtPainterDC::ViewToDevice(96, {0, 2000}));
            QCOMPARE(part.DrawParts(&dc), 1);
        }
        // The outline runs from view 500 to 1500 in both axes: pixels about 19 to 57.
        QCOMPARE(qGray(image.pixel(19, 38)), 0);
        QCOMPARE(qGray(image.pixel(57, 38)), 0);
        QCOMPARE(qGray(image.pixel(38, 19)), 0);
        QCOMPARE(qGray(image.pixel(38, 57)), 0);
        QCOMPARE(qGray(image.pixel(38, 38)), 255);
        QCOMPARE(qGray(image.pixel(80, 80)), 255);
        // Four one-pixel sides of about 38 pixels, nothing else.
        const int dark = CountDark(image);
        QVERIFY2(dark >= 4 * 36 && dark <= 4 * 40, qPrintable(QString::number(dark)));
    }

    void thinPensStillDrawOnePixelAndWidePensScale() {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        CQtPainterDC dc(painter, CQtPainterDC::ViewToDevice(96, {0, 1000}));
        dc.SelectPen({kPenSolid, 1, 0});
        const ExPoint thin[2] = {{0, 500}, {1000, 500}};
        dc.Polyline(thin, 2);
        dc.SelectPen({kPenSolid, 265, 0xFF}); // ten pixels wide, red
        const ExPoint wide[2] = {{500, 0}, {500, 1000}};
        dc.Polyline(wide, 2);
        painter.end();
        QCOMPARE(image.pixelColor(5, 19), QColor(Qt::black));
        QCOMPARE(image.pixelColor(5, 17), QColor(Qt::white));
        QCOMPARE(image.pixelColor(15, 5), QColor(Qt::red));
        QCOMPARE(image.pixelColor(23, 5), QColor(Qt::red));
        QCOMPARE(image.pixelColor(27, 5), QColor(Qt::white));
    }

    void joinedLinesLookLikeSeparateLines_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("width");
        QTest::newRow("thin") << int(kPenSolid) << 1;
        QTest::newRow("wide") << int(kPenSolid) << 80;
        QTest::newRow("dashed") << int(kPenDash) << 1;
        QTest::newRow("dotted") << int(kPenDot) << 1;
    }
    void joinedLinesLookLikeSeparateLines() {
        QFETCH(int, style);
        QFETCH(int, width);
        const ExPen pen{style, width, 0x204060};
        const QImage joined = DrawOutline(pen, true);
        QVERIFY(CountDark(joined) > 0);
        QCOMPARE(joined, DrawOutline(pen, false));
    }

    // A vector picture keeps a solid run as one polyline; a patterned pen starts its pattern
    // on every line, so its lines stay apart.
    void vectorPicturesGetASolidRunAsOnePolyline_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("polylines");
        QTest::newRow("solid") << int(kPenSolid) << 1;
        QTest::newRow("dashed") << int(kPenDash) << kOutlinePoints - 1;
    }
    void vectorPicturesGetASolidRunAsOnePolyline() {
        QFETCH(int, style);
        QFETCH(int, polylines);
        const QByteArray svg = DrawnSvg([&](CQtPainterDC& dc) {
            dc.SelectPen({style, 1, 0});
            dc.JoinedLines(kOutline, kOutlinePoints);
        });
        QCOMPARE(svg.count("<polyline"), polylines);
    }

    // A page of a print gets only what may show on it: a line wholly outside the visible area,
    // its pen's width included, is left out.
    void linesOutsideTheVisibleAreaAreLeftOut_data() {
        QTest::addColumn<int>("x"); // view units; the area's left edge is at 0
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("inside") << 500 << 1 << true;
        QTest::newRow("far left") << -200 << 1 << false;
        QTest::newRow("its pen reaches in") << -200 << 600 << true;
        QTest::newRow("far right") << 1500 << 1 << false;
    }
    void linesOutsideTheVisibleAreaAreLeftOut() {
        QFETCH(int, x);
        QFETCH(int, penWidth);
        QFETCH(bool, drawn);
        const QByteArray svg = DrawnSvg([&](CQtPainterDC& dc) {
            dc.SetVisibleArea(QRectF(0, 0, 40, 40));
            dc.SelectPen({kPenSolid, penWidth, 0});
            const ExPoint line[] = {{x, 100}, {x, 500}, {x, 900}};
            dc.Polyline(line, 3);
        });
        QCOMPARE(svg.count("<polyline") == 1, drawn);
    }
};

QTEST_MAIN(QtPainterDCTest)
#include "QtPainterDCTest.moc"
