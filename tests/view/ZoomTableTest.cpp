#include "ZoomTable.h"

#include <QTest>

class ZoomTableTest : public QObject {
    Q_OBJECT

private slots:
    void thePresetsRunFromFiveHundredToTen() {
        const int expected[] = {500, 200, 150, 125, 100, 75, 50, 25, 10};
        for (int index = exzoom::kCoarsest; index <= exzoom::kFinest; ++index) {
            QCOMPARE(exzoom::PresetDivisor(index), expected[index - exzoom::kCoarsest]);
            QCOMPARE(QString::fromUtf8(exzoom::PresetText(index)),
                     QStringLiteral("1/%1").arg(expected[index - exzoom::kCoarsest]));
        }
        QCOMPARE(exzoom::PresetCommand(2), 32850);
        QCOMPARE(exzoom::PresetCommand(6), 32918);
        QCOMPARE(exzoom::PresetCommand(10), 32854);
    }

    void atOneTenthZoomingInIsDisabledAndDoesNothing() {
        ExZoomState state{10, exzoom::kFinest};
        QVERIFY(!CanZoomIn(state));
        QVERIFY(!ZoomIn(state));
        QCOMPARE(state, (ExZoomState{10, exzoom::kFinest}));
        QVERIFY(CanZoomOut(state));
    }

    void atOneFiveHundredthZoomingOutIsDisabled() {
        ExZoomState state{500, exzoom::kCoarsest};
        QVERIFY(!CanZoomOut(state));
        QVERIFY(!ZoomOut(state));
        QCOMPARE(state.zoom, 500);
        QVERIFY(CanZoomIn(state));
        QVERIFY(ZoomIn(state));
        QCOMPARE(state, (ExZoomState{200, 3}));
    }

    void presetsStepOneAtATime() {
        ExZoomState state;
        QVERIFY(ZoomIn(state));
        QCOMPARE(state, (ExZoomState{75, 7}));
        QVERIFY(ZoomOut(state));
        QVERIFY(ZoomOut(state));
        QCOMPARE(state, (ExZoomState{125, 5}));
    }

    void aTypedOneHundredTwentyZoomsInToOneHundredAndOutToOneTwentyFive() {
        ExZoomState in;
        SetTypedZoom(in, 120);
        QCOMPARE(in.index, exzoom::kTypedIndex);
        QVERIFY(ZoomIn(in));
        QCOMPARE(in, (ExZoomState{100, 6}));

        ExZoomState out;
        SetTypedZoom(out, 120);
        QVERIFY(ZoomOut(out));
        QCOMPARE(out, (ExZoomState{125, 5}));
    }

    void aTypedOneThousandCannotZoomOutAndZoomsInToFiveHundred() {
        ExZoomState state;
        SetTypedZoom(state, 1000);
        QVERIFY(!CanZoomOut(state));
        QVERIFY(!ZoomOut(state));
        QVERIFY(CanZoomIn(state));
        QVERIFY(ZoomIn(state));
        QCOMPARE(state, (ExZoomState{500, 2}));
    }

    void aTypedPresetValueStillChangesTheZoom() {
        ExZoomState in;
        SetTypedZoom(in, 100);
        QVERIFY(ZoomIn(in));
        QCOMPARE(in, (ExZoomState{75, 7}));
        ExZoomState out;
        SetTypedZoom(out, 100);
        QVERIFY(ZoomOut(out));
        QCOMPARE(out, (ExZoomState{125, 5}));
    }

    void theTypedExtremesDisableTheWayOut() {
        ExZoomState finest;
        SetTypedZoom(finest, 10);
        QVERIFY(!CanZoomIn(finest));
        QVERIFY(ZoomOut(finest));
        QCOMPARE(finest, (ExZoomState{25, 9}));
        ExZoomState coarse;
        SetTypedZoom(coarse, 3000);
        QVERIFY(!CanZoomOut(coarse));
        QVERIFY(ZoomIn(coarse));
        QCOMPARE(coarse.zoom, 500);
    }

    void choosingTheCurrentPresetChangesNothing() {
        ExZoomState state;
        QVERIFY(!SelectPreset(state, 6));
        QVERIFY(SelectPreset(state, 9));
        QCOMPARE(state, (ExZoomState{25, 9}));
        QVERIFY(!SelectPreset(state, 11));
    }

    void storedZoomsAreMadeUsable() {
        QCOMPARE(SanitisedZoom({50, 8}), (ExZoomState{50, 8}));
        QCOMPARE(SanitisedZoom({50, 99}), (ExZoomState{50, exzoom::kTypedIndex}));
        QCOMPARE(SanitisedZoom({0, 6}), (ExZoomState{10, exzoom::kTypedIndex}));
        QCOMPARE(SanitisedZoom({99999, 1}), (ExZoomState{3000, exzoom::kTypedIndex}));
    }
};

QTEST_GUILESS_MAIN(ZoomTableTest)
#include "ZoomTableTest.moc"
