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

    void handEditedDrawingDefaultsAreKeptWithinTheDialogsRanges() {
        Store store;
        const struct {
            const char* key;
            int stored;
            int ExDrawingDefaults::*field;
            int expected;
        } cases[] = {
            {"App-sketchMapSize-X", 30000, &ExDrawingDefaults::sheetWidthM, 1000},
            {"App-sketchMapSize-Y", 0, &ExDrawingDefaults::sheetHeightM, 1},
            {"App-oneMatSize-X", -5, &ExDrawingDefaults::matWidthCm, 1},
            {"App-oneMatSize-Y", 999, &ExDrawingDefaults::matLengthCm, 200},
            {"App-outWallThickness", -1, &ExDrawingDefaults::outerWallThicknessCm, 0},
            {"App-inWallThickness", 201, &ExDrawingDefaults::innerWallThicknessCm, 200},
            {"App-cableHeightHosei", 5000, &ExDrawingDefaults::cableHeightCorrectionCm, 1000},
            {"App-gridBigInterval-X", 0, &ExDrawingDefaults::gridBigIntervalXCm, 1},
            {"App-gridBigInterval-Y", 300, &ExDrawingDefaults::gridBigIntervalYCm, 200},
            {"App-largeLatticeBig-X", 0, &ExDrawingDefaults::largeLatticeBigX, 1},
            {"App-largeLatticeBig-Y", 31, &ExDrawingDefaults::largeLatticeBigY, 30},
            {"App-gridSmallInterval-X", 21, &ExDrawingDefaults::gridSmallIntervalXM, 20},
            {"App-gridSmallInterval-Y", -3, &ExDrawingDefaults::gridSmallIntervalYM, 1},
            {"App-largeLatticeSmall-X", 1000, &ExDrawingDefaults::largeLatticeSmallX, 30},
            {"App-largeLatticeSmall-Y", 0, &ExDrawingDefaults::largeLatticeSmallY, 1},
            {"App-bitmapWidth", 10, &ExDrawingDefaults::bitmapWidth, 96},
            {"App-bitmapHeight", 1 << 30, &ExDrawingDefaults::bitmapHeight, 3072},
            {"App-autoSaveMinutes", -4, &ExDrawingDefaults::autoSaveMinutes, 0},
            {"App-snap", 7, &ExDrawingDefaults::snap, 1},
        };
        for (const auto& entry : cases) {
            store.settings.setValue(QStringLiteral("AppState/") + QLatin1String(entry.key),
                                    entry.stored);
        }
        const ExDrawingDefaults defaults = LoadDrawingDefaults(store.settings);
        for (const auto& entry : cases) {
            QVERIFY2(defaults.*entry.field == entry.expected, entry.key);
        }
    }

    void handEditedWindowAndBarPlacesAreBounded() {
        Store store;
        const auto set = [&](const char* key, int value) {
            store.settings.setValue(QLatin1String(key), value);
        };
        set("WindowState/Window-Rect-Left", -2147483647 - 1);
        set("WindowState/Window-Rect-Top", 0);
        set("WindowState/Window-Rect-Right", 2147483647);
        set("WindowState/Window-Rect-Bottom", 500);
        set("WindowState/Window-ShowCmd", 7);
        // Right of its left edge: no rectangle at all.
        set("ToolBarState/BarMenu-Rect-Left", 500);
        set("ToolBarState/BarMenu-Rect-Top", 10);
        set("ToolBarState/BarMenu-Rect-Right", 100);
        set("ToolBarState/BarMenu-Rect-Bottom", 40);
        set("ToolBarState/BarNorm-Rect-Left", 0);
        set("ToolBarState/BarNorm-Rect-Top", -2147483647 - 1);
        set("ToolBarState/BarNorm-Rect-Right", 300);
        set("ToolBarState/BarNorm-Rect-Bottom", 2147483647);

        const ExWindowState window = LoadWindowState(store.settings);
        QCOMPARE(window.rect, QRect(QPoint(-32768, 0), QPoint(32767, 500) - QPoint(1, 1)));
        QCOMPARE(window.showCmd, exshow::kNormal);
        set("WindowState/Window-ShowCmd", -1);
        QCOMPARE(LoadWindowState(store.settings).showCmd, exshow::kNormal);

        const ExToolBarState bars = LoadToolBarState(store.settings);
        QVERIFY(bars.menuBarRect.isNull());
        QCOMPARE(bars.rects[0], QRect(QPoint(0, -32768), QPoint(300, 32767) - QPoint(1, 1)));
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

    void storedCablePensTheDialogDoesNotOfferTakeTheDefaultPen() {
        Store store;
        QDir data(store.folder.path());
        QVERIFY(data.mkpath(QStringLiteral("部品/05電源・センサー類/01配線")));
        for (const QString& name :
             {QStringLiteral("050101電話線.qvf"), QStringLiteral("050102LANケーブル.qvf")}) {
            QFile file(data.filePath(QStringLiteral("部品/05電源・センサー類/01配線/") + name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const struct {
            const char* id;
            int bold;
            int style;
        } stored[] = {{"050101", 7, 9}, {"050102", 80, 3}};
        store.settings.setValue(QStringLiteral("AppState/App-CableInfo-Count"), 2);
        for (int n = 1; n <= 2; ++n) {
            const auto key = [n](const char* name) {
                return QStringLiteral("AppState/App-CableInfo-") + QLatin1String(name) +
                       QString::number(n);
            };
            store.settings.setValue(key("PartsID"), QLatin1String(stored[n - 1].id));
            store.settings.setValue(key("PenBold"), stored[n - 1].bold);
            store.settings.setValue(key("PenStyle"), stored[n - 1].style);
        }
        const std::vector<tagCABLEINFO> kinds =
            LoadCableKinds(store.settings, data.path().toStdString());
        QCOMPARE(kinds.size(), std::size_t(2));
        QCOMPARE(kinds[0].PenBold, 50);
        QCOMPARE(kinds[0].PenStyle, 0);
        QCOMPARE(kinds[1].PenBold, 80);
        QCOMPARE(kinds[1].PenStyle, 3);
    }
};

QTEST_GUILESS_MAIN(AppSettingsTest)
#include "AppSettingsTest.moc"
