#include "ExImageParts.h"
#include "KORVANEXView.h"
#include "support/EditedView.h"
#include "support/PlacedParts.h"
#include "support/RecordingServices.h"

#include <QCoreApplication>
#include <QTest>

#include <optional>

namespace {

constexpr ExPoint kCentre{1250000, 1250000};
constexpr ExPoint kLeft{1150000, 1250000};
constexpr ExPoint kRight{1350000, 1250000};
constexpr ExPoint kOutside{500000, 500000};

// A 4 m × 3 m picture in the middle of the sheet, selected, with the calibration command
// given. The distance asked for is the measured one times a factor, or none.
struct Calibrating : Edited {
    CExImageParts* image = nullptr;
    double measured = 0;
    std::optional<double> factor = 2.0;

    void Arm() {
        image = AddImage(doc, kCentre, 400000, 300000);
        Start();
        doc.Selection().Select(image);
        view->SetCalibrationDistanceAsker([this](double mm) -> std::optional<double> {
            measured = mm;
            if (!factor) {
                return std::nullopt;
            }
            return mm * *factor;
        });
        view->OnCalibrateImage();
    }
    void Click(ExPoint drawing) {
        QTest::mouseMove(Surface(), At(drawing));
        QTest::mouseClick(Surface(), Qt::LeftButton, {}, At(drawing));
        QCoreApplication::processEvents();
    }
};

} // namespace

class CalibrationToolTest : public QObject {
    Q_OBJECT

private slots:
    void twoPointsAndTheirDistanceScaleThePictureInOneStep() {
        RecordingServices services;
        Calibrating calibrating;
        calibrating.Arm();
        const int width = calibrating.image->GetExtentWidth();
        calibrating.Click(kOutside); // not on the picture: not taken
        calibrating.Click(kLeft);
        calibrating.Click(kRight);
        QVERIFY(qAbs(calibrating.measured - 2000) < 30); // 2 m, to a pixel of 1/100
        QVERIFY(qAbs(calibrating.image->GetExtentWidth() - 2 * width) <= 2);
        QCOMPARE(calibrating.image->GetPosition(), kCentre);
        QCOMPARE(calibrating.history.count(), 1);
        QCOMPARE(calibrating.history.text(0), QStringLiteral("画像の縮尺合わせ"));
        QVERIFY(!calibrating.view->ArmedTool());
        calibrating.history.undo();
        QCOMPARE(calibrating.image->GetExtentWidth(), width);
        QVERIFY(services.Messages().empty());
    }

    void refusalsChangeNothingAndLeaveNoStep_data() {
        QTest::addColumn<ExPoint>("second");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("message");
        QTest::newRow("points closer than 1 mm on the screen") << kLeft << 2.0 << false << true;
        QTest::newRow("the distance is not given") << kRight << 0.0 << true << false;
        QTest::newRow("the picture would leave the sheet") << kRight << 20.0 << true << true;
    }
    void refusalsChangeNothingAndLeaveNoStep() {
        QFETCH(ExPoint, second);
        QFETCH(double, factor);
        QFETCH(bool, asked);
        QFETCH(bool, message);
        RecordingServices services;
        Calibrating calibrating;
        if (factor == 0.0) {
            calibrating.factor.reset();
        } else {
            calibrating.factor = factor;
        }
        calibrating.Arm();
        const int width = calibrating.image->GetExtentWidth();
        calibrating.Click(kLeft);
        calibrating.Click(second);
        QCOMPARE(calibrating.measured > 0, asked);
        QCOMPARE(calibrating.image->GetExtentWidth(), width);
        QCOMPARE(calibrating.history.count(), 0);
        QCOMPARE(services.Messages().size(), std::size_t(message ? 1 : 0));
        QVERIFY(!calibrating.view->ArmedTool());
    }

    void onlyASinglePictureCanBeCalibrated() {
        Calibrating calibrating;
        calibrating.Arm();
        QVERIFY(calibrating.view->ArmedTool());
        calibrating.view->CancelTool();
        QVERIFY(calibrating.view->CanCalibrateImage());
        CExParts* desk = AddGeneralPart(calibrating.doc, kOutside, 100000);
        calibrating.doc.Selection().Add(desk);
        QVERIFY(!calibrating.view->CanCalibrateImage());
        calibrating.doc.Selection().Select(desk);
        QVERIFY(!calibrating.view->CanCalibrateImage());
    }
};

QTEST_MAIN(CalibrationToolTest)
#include "CalibrationToolTest.moc"
