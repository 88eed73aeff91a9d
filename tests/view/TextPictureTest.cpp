#include "Cp932.h"
#include "ExHeadlessView.h"
#include "ExStringParts.h"
#include "ExVecFont.h"
#include "QtPainterDC.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

// Renders a line of text with the shipped stroke font, as a drawing shows it, and writes the
// picture to the build tree for a person to look at.
class TextPictureTest : public QObject {
    Q_OBJECT

private slots:
    void labelRendersWithTheShippedFont() {
        CExVecFont font;
        QCOMPARE(font.LoadVecFont(QP_RUNTIME_DIR "/VecFont.QVF"), 1);
        SetVecFont(&font);
        CExHeadlessView view(10, 10, 10, 96); // 1/10: a 5 mm character is 5 mm on screen
        ExActiveViewScope active(&view);

        const auto text = cp932::FromUtf8("クイルプラン 面積 12.000㎡ ABC abc 123");
        QVERIFY(text.has_value());
        CExStringParts label;
        label.InsertString(*text, -1);
        label.SetWidth(5000);
        label.SetHeight(5000);
        label.SetLineWidth(CExStringParts::kStrokeThin);
        label.SetPosition(50000, 10000);
        label.UpdateParts();
        label.RecalcParts();

        QImage image(1000, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            // The text's centre, view point (5000, 1000), is put in the middle of the picture;
            // the text spans view x 250..9750, pixels 320..680.
            CQtPainterDC dc(painter, CQtPainterDC::ViewToDevice(96, {5000 - 13229, 1000 + 1587}));
            QCOMPARE(label.DrawParts(&dc), 1);
        }
        SetVecFont(nullptr);
        QDir().mkpath(QP_OUTPUT_DIR);
        QVERIFY(image.save(QP_OUTPUT_DIR "/text-label.png"));

        // Ink in the first character's cell, none outside the text's extent.
        int inkLeft = 0;
        int inkOutside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool ink = qGray(image.pixel(x, y)) < 160;
                inkLeft += ink && x > 322 && x < 338 ? 1 : 0;
                inkOutside += ink && (x < 310 || x > 690) ? 1 : 0;
            }
        }
        QVERIFY(inkLeft > 10);
        QCOMPARE(inkOutside, 0);
    }
};

QTEST_MAIN(TextPictureTest)
#include "TextPictureTest.moc"
