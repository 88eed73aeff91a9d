#include "AppSettings.h"
#include "Cp932.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An empty settings store of its own for each test.
struct Store {
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
};

} // namespace

class AppSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartHasTheDefaults() {
        Store store;
        const ExDrawingDefaults defaults = LoadDrawingDefaults(store.settings);
        QCOMPARE(defaults.sheetWidthM, 25);
        QCOMPARE(defaults.sheetHeightM, 25);
        QCOMPARE(defaults.matWidthCm, 90);
        QCOMPARE(defaults.matLengthCm, 180);
        QCOMPARE(defaults.outerWallThicknessCm, 15);
        QCOMPARE(defaults.innerWallThicknessCm, 12);
        QCOMPARE(defaults.cableHeightCorrectionCm, 50);
        QCOMPARE(defaults.gridBigIntervalXCm, 50);
        QCOMPARE(defaults.largeLatticeBigY, 5);
        QCOMPARE(defaults.gridSmallIntervalXM, 2);
        QCOMPARE(defaults.largeLatticeSmallX, 5);
        QCOMPARE(defaults.bitmapWidth, 1024);
        QCOMPARE(defaults.bitmapHeight, 768);

        const ExToolBarState bars = LoadToolBarState(store.settings);
        for (const bool visible : bars.visible) {
            QVERIFY(visible);
        }
        QVERIFY(bars.bottomName);
        QVERIFY(bars.largeIcons);
        QVERIFY(bars.menuBarRect.isNull());

        const ExWindowState window = LoadWindowState(store.settings);
        QVERIFY(window.rect.isNull());
        QCOMPARE(window.showCmd, exshow::kNormal);
        QVERIFY(LoadAreaAttention(store.settings));
    }

    void everySectionIsWrittenUnderItsKeys() {
        Store store;
        ExDrawingDefaults defaults;
        defaults.sheetWidthM = 40;
        defaults.bitmapHeight = 744;
        SaveDrawingDefaults(store.settings, defaults);
        SaveWindowState(store.settings,
                        {QRect(QPoint(10, 20), QSize(300, 200)), exshow::kMaximized});
        ExToolBarState bars;
        bars.visible[3] = false;
        bars.largeIcons = false;
        SaveToolBarState(store.settings, bars);
        SaveAreaAttention(store.settings, false);
        store.settings.sync();

        QCOMPARE(store.settings.value(QStringLiteral("AppState/App-sketchMapSize-X")).toInt(), 40);
        QCOMPARE(store.settings.value(QStringLiteral("AppState/App-bitmapHeight")).toInt(), 744);
        QCOMPARE(store.settings.value(QStringLiteral("WindowState/Window-Rect-Right")).toInt(),
                 310);
        QCOMPARE(store.settings.value(QStringLiteral("WindowState/Window-Rect-Bottom")).toInt(),
                 220);
        QCOMPARE(store.settings.value(QStringLiteral("WindowState/Window-ShowCmd")).toInt(), 3);
        QCOMPARE(store.settings.value(QStringLiteral("ToolBarState/BarMode-Visible")).toInt(), 0);
        QCOMPARE(store.settings.value(QStringLiteral("ToolBarState/IconType")).toInt(), 0);
        QCOMPARE(store.settings.value(QStringLiteral("AreaAttention/AreaAttentionMsg")).toInt(), 0);

        QCOMPARE(LoadDrawingDefaults(store.settings).sheetWidthM, 40);
        QCOMPARE(LoadWindowState(store.settings).rect, QRect(QPoint(10, 20), QSize(300, 200)));
        QVERIFY(!LoadToolBarState(store.settings).visible[3]);
        QVERIFY(!LoadAreaAttention(store.settings));
    }

    void aMinimisedWindowStartsNormal() {
        Store store;
        store.settings.setValue(QStringLiteral("WindowState/Window-ShowCmd"), exshow::kMinimized);
        QCOMPARE(LoadWindowState(store.settings).StartShowCommand(), exshow::kNormal);
        store.settings.setValue(QStringLiteral("WindowState/Window-ShowCmd"), exshow::kMaximized);
        QCOMPARE(LoadWindowState(store.settings).StartShowCommand(), exshow::kMaximized);
    }

    void anAllZeroRectangleLeavesThePlacementToTheWindowSystem() {
        Store store;
        for (const char* key : {"Left", "Top", "Right", "Bottom"}) {
            store.settings.setValue(
                QStringLiteral("WindowState/Window-Rect-%1").arg(QLatin1String(key)), 0);
        }
        QVERIFY(LoadWindowState(store.settings).rect.isNull());
    }

    void aMissingOrUnreadableValueTakesItsDefault() {
        Store store;
        store.settings.setValue(QStringLiteral("AppState/App-oneMatSize-X"),
                                QStringLiteral("wide"));
        QCOMPARE(LoadDrawingDefaults(store.settings).matWidthCm, 90);
    }

    void onlyStoredCableEntriesMatchingAKindAreApplied() {
        Store store;
        QDir data(store.folder.path());
        QVERIFY(data.mkpath(QStringLiteral("部品/05電源・センサー類/01配線")));
        for (const QString& name :
             {QStringLiteral("050101電話線.qvf"), QStringLiteral("050102LANケーブル.qvf")}) {
            QFile file(data.filePath(QStringLiteral("部品/05電源・センサー類/01配線/") + name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        store.settings.setValue(QStringLiteral("AppState/App-CableInfo-Count"), 2);
        store.settings.setValue(QStringLiteral("AppState/App-CableInfo-PartsID1"),
                                QStringLiteral("050102"));
        store.settings.setValue(QStringLiteral("AppState/App-CableInfo-PartsName1"),
                                QStringLiteral("社内LAN"));
        store.settings.setValue(QStringLiteral("AppState/App-CableInfo-PenBold1"), 80);
        store.settings.setValue(QStringLiteral("AppState/App-CableInfo-PenStyle1"), 3);
        store.settings.setValue(QStringLiteral("AppState/App-CableInfo-PartsID2"),
                                QStringLiteral("059999"));
        store.settings.setValue(QStringLiteral("AppState/App-CableInfo-PartsName2"),
                                QStringLiteral("幻"));

        std::vector<tagCABLEINFO> kinds = LoadCableKinds(store.settings, data.path().toStdString());
        QCOMPARE(kinds.size(), std::size_t(2));
        QCOMPARE(kinds[0].PartsID, std::string("050101"));
        QCOMPARE(QString::fromStdString(cp932::ToUtf8(kinds[0].PartsName)),
                 QStringLiteral("電話線"));
        QCOMPARE(kinds[0].PenBold, 50);
        QCOMPARE(QString::fromStdString(cp932::ToUtf8(kinds[1].PartsName)),
                 QStringLiteral("社内LAN"));
        QCOMPARE(kinds[1].PenBold, 80);
        QCOMPARE(kinds[1].PenStyle, 3);

        kinds[0].PenStyle = 2;
        SaveCableKinds(store.settings, kinds);
        QCOMPARE(store.settings.value(QStringLiteral("AppState/App-CableInfo-Count")).toInt(), 2);
        QCOMPARE(
            store.settings.value(QStringLiteral("AppState/App-CableInfo-PartsName1")).toString(),
            QStringLiteral("電話線"));
        QCOMPARE(LoadCableKinds(store.settings, data.path().toStdString()), kinds);
    }
};

QTEST_GUILESS_MAIN(AppSettingsTest)
#include "AppSettingsTest.moc"
