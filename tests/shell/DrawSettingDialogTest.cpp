// The settings dialog driven as its user drives it: typing, radio buttons, OK and Cancel. The
// four tabs are tested together, because OK and Cancel act on all of them at once.

#include "DrawSettingDialog.h"
#include "BitmapSetting.h"
#include "Cp932.h"
#include "RangeSpinBox.h"
#include "support/RecordingServices.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <vector>

namespace {

// Values unlike the program's own defaults, so that a value taken from the wrong place shows.
ExDrawingDefaults OpeningDefaults() {
    ExDrawingDefaults defaults;
    defaults.sheetWidthM = 30;
    defaults.sheetHeightM = 20;
    defaults.matWidthCm = 88;
    defaults.matLengthCm = 176;
    defaults.outerWallThicknessCm = 18;
    defaults.innerWallThicknessCm = 10;
    defaults.cableHeightCorrectionCm = 60;
    defaults.gridBigIntervalXCm = 45;
    defaults.gridBigIntervalYCm = 40;
    defaults.largeLatticeBigX = 4;
    defaults.largeLatticeBigY = 6;
    defaults.gridSmallIntervalXM = 3;
    defaults.gridSmallIntervalYM = 4;
    defaults.largeLatticeSmallX = 7;
    defaults.largeLatticeSmallY = 8;
    defaults.bitmapWidth = 1280;
    defaults.bitmapHeight = 960;
    return defaults;
}

std::vector<int> Values(const ExDrawingDefaults& d) {
    return {d.sheetWidthM,
            d.sheetHeightM,
            d.matWidthCm,
            d.matLengthCm,
            d.outerWallThicknessCm,
            d.innerWallThicknessCm,
            d.cableHeightCorrectionCm,
            d.gridBigIntervalXCm,
            d.gridBigIntervalYCm,
            d.largeLatticeBigX,
            d.largeLatticeBigY,
            d.gridSmallIntervalXM,
            d.gridSmallIntervalYM,
            d.largeLatticeSmallX,
            d.largeLatticeSmallY,
            d.bitmapWidth,
            d.bitmapHeight};
}

tagCABLEINFO Cable(const char* id, const char* utf8Name, int style, int bold) {
    return {id, cp932::FromUtf8(utf8Name).value(), style, bold};
}

std::vector<tagCABLEINFO> ThreeCables() {
    return {Cable("W00001", "電話線", 0, 50), Cable("W00002", "LANケーブル", 3, 80),
            Cable("W00003", "電源ケーブル", 2, 2)};
}

template <typename Widget> Widget* Child(const QWidget& dialog, const char* name) {
    auto* child = dialog.findChild<Widget*>(QLatin1String(name));
    if (child == nullptr) {
        qFatal("no child named %s", name);
    }
    return child;
}

CRangeSpinBox* Field(const QWidget& dialog, const char* name) {
    return Child<CRangeSpinBox>(dialog, name);
}

QRadioButton* Radio(const QWidget& dialog, const char* name) {
    return Child<QRadioButton>(dialog, name);
}

void Type(const QWidget& dialog, const char* name, const QString& text) {
    CRangeSpinBox* field = Field(dialog, name);
    field->selectAll();
    QTest::keyClicks(field, text);
}

void Press(const QWidget& dialog, QDialogButtonBox::StandardButton which) {
    Child<QDialogButtonBox>(dialog, "buttons")->button(which)->click();
}

int CurrentTab(const QWidget& dialog) {
    return Child<QTabWidget>(dialog, "tabs")->currentIndex();
}

QString Message(const RecordingServices& services, std::size_t index) {
    return QString::fromStdString(services.Messages().at(index).text);
}

// Shown, so that tabs, bands and the focus behave as they do for the user.
[[nodiscard]] bool Open(CDrawSettingDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowExposed(&dialog);
}

} // namespace

class DrawSettingDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheLayoutTabWithTheValuesGiven() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("作図環境設定"));
        auto* tabs = Child<QTabWidget>(dialog, "tabs");
        QCOMPARE(tabs->count(), 5);
        QCOMPARE(tabs->tabText(0), QStringLiteral("レイアウト規定値設定"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("配線設定"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("グリッド設定"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("ビットマップ保存サイズ設定"));
        QCOMPARE(tabs->tabText(4), QStringLiteral("自動保存"));
        QCOMPARE(tabs->currentIndex(), 0);

        const struct {
            const char* name;
            int value;
        } fields[] = {{"sheetHeight", 20},
                      {"sheetWidth", 30},
                      {"matLength", 176},
                      {"matWidth", 88},
                      {"outerWallThickness", 18},
                      {"innerWallThickness", 10},
                      {"cableHeightCorrection", 60},
                      {"gridBigIntervalX", 45},
                      {"gridBigIntervalY", 40},
                      {"largeLatticeBigX", 4},
                      {"largeLatticeBigY", 6},
                      {"gridSmallIntervalX", 3},
                      {"gridSmallIntervalY", 4},
                      {"largeLatticeSmallX", 7},
                      {"largeLatticeSmallY", 8},
                      {"bitmapWidth", 1280},
                      {"bitmapHeight", 960}};
        for (const auto& field : fields) {
            QCOMPARE(Field(dialog, field.name)->value(), field.value);
        }
        QVERIFY(Radio(dialog, "gridBigBand")->isChecked());
        QVERIFY(!Radio(dialog, "gridSmallBand")->isChecked());

        auto* kinds = Child<QComboBox>(dialog, "cableKind");
        QCOMPARE(kinds->count(), 3);
        QCOMPARE(kinds->currentIndex(), 0);
        QCOMPARE(kinds->itemText(0), QStringLiteral("電話線"));
        QCOMPARE(kinds->itemText(2), QStringLiteral("電源ケーブル"));
        QVERIFY(Radio(dialog, "styleSolid")->isChecked());
        QVERIFY(Radio(dialog, "widthNormal")->isChecked());
        QVERIFY(services.Messages().empty());
    }

    void everyFieldIsStoredInItsOwnValue() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        const struct {
            const char* name;
            const char* typed;
        } edits[] = {{"sheetHeight", "11"},
                     {"sheetWidth", "12"},
                     {"matLength", "13"},
                     {"matWidth", "14"},
                     {"outerWallThickness", "15"},
                     {"innerWallThickness", "16"},
                     {"cableHeightCorrection", "17"},
                     {"gridBigIntervalX", "18"},
                     {"gridBigIntervalY", "19"},
                     {"largeLatticeBigX", "20"},
                     {"largeLatticeBigY", "21"},
                     {"gridSmallIntervalX", "12"},
                     {"gridSmallIntervalY", "13"},
                     {"largeLatticeSmallX", "14"},
                     {"largeLatticeSmallY", "15"},
                     {"bitmapWidth", "800"},
                     {"bitmapHeight", "600"}};
        for (const auto& edit : edits) {
            Type(dialog, edit.name, QString::fromUtf8(edit.typed));
        }
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(services.Messages().empty());
        QCOMPARE(Values(dialog.Defaults()), (std::vector<int>{12, 11, 14, 13, 15, 16, 17, 18, 19,
                                                              20, 21, 12, 13, 14, 15, 800, 600}));
        QCOMPARE(dialog.CableKinds(), ThreeCables());
    }

    void aMatLengthOfZeroIsRefused() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        QVERIFY(Open(dialog));
        Type(dialog, "matLength", QStringLiteral("0"));
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(Message(services, 0), QStringLiteral("1 から 200 までの整数を入力してください。"));
        QCOMPARE(services.Messages()[0].icon, ExMessageIcon::Exclamation);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(Values(dialog.Defaults()), Values(OpeningDefaults()));
        QCOMPARE(dialog.focusWidget(), Field(dialog, "matLength"));
    }

    void aWallThicknessOfZeroIsAccepted() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        Type(dialog, "outerWallThickness", QStringLiteral("0"));
        Type(dialog, "innerWallThickness", QStringLiteral("0"));
        Press(dialog, QDialogButtonBox::Ok);
        QVERIFY(services.Messages().empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Defaults().outerWallThicknessCm, 0);
        QCOMPARE(dialog.Defaults().innerWallThicknessCm, 0);
    }

    void switchingTheGridBandWithAnIntervalOfZeroKeepsTheFirstBand() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        QVERIFY(Open(dialog));
        Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(2);
        Type(dialog, "gridBigIntervalX", QStringLiteral("0"));
        Radio(dialog, "gridSmallBand")->click();
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(Message(services, 0), QStringLiteral("1 から 200 までの整数を入力してください。"));
        QVERIFY(Radio(dialog, "gridBigBand")->isChecked());
        QVERIFY(!Radio(dialog, "gridSmallBand")->isChecked());
        QVERIFY(Field(dialog, "gridBigIntervalX")->isVisible());
        QVERIFY(!Field(dialog, "gridSmallIntervalX")->isVisible());
        QCOMPARE(dialog.focusWidget(), Field(dialog, "gridBigIntervalX"));
    }

    void switchingTheGridBandShowsTheOtherFieldsWhenValid() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        QVERIFY(Open(dialog));
        Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(2);
        Radio(dialog, "gridSmallBand")->click();
        QVERIFY(services.Messages().empty());
        QVERIFY(Radio(dialog, "gridSmallBand")->isChecked());
        QVERIFY(Field(dialog, "gridSmallIntervalX")->isVisible());
        QVERIFY(!Field(dialog, "gridBigIntervalX")->isVisible());

        // The second band's intervals are metres, 1 to 20.
        Type(dialog, "gridSmallIntervalY", QStringLiteral("21"));
        Radio(dialog, "gridBigBand")->click();
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(Message(services, 0), QStringLiteral("1 から 20 までの整数を入力してください。"));
        QVERIFY(Radio(dialog, "gridSmallBand")->isChecked());
        QVERIFY(Field(dialog, "gridSmallIntervalY")->isVisible());
    }

    void anOutOfRangeValueInTheHiddenBandIsShownOnOk() {
        RecordingServices services;
        ExDrawingDefaults defaults = OpeningDefaults();
        defaults.largeLatticeSmallY = 31;
        CDrawSettingDialog dialog(defaults, ThreeCables());
        QVERIFY(Open(dialog));
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(Message(services, 0), QStringLiteral("1 から 30 までの整数を入力してください。"));
        QCOMPARE(CurrentTab(dialog), 2);
        QVERIFY(Radio(dialog, "gridSmallBand")->isChecked());
        QVERIFY(Field(dialog, "largeLatticeSmallY")->isVisible());
        QCOMPARE(dialog.focusWidget(), Field(dialog, "largeLatticeSmallY"));
        QCOMPARE(Values(dialog.Defaults()), Values(defaults));
    }

    void bitmapSizesAreRoundedDownToMultiplesOfEight() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        Type(dialog, "bitmapWidth", QStringLiteral("1003"));
        Type(dialog, "bitmapHeight", QStringLiteral("103"));
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Defaults().bitmapWidth, 1000);
        QCOMPARE(dialog.Defaults().bitmapHeight, 96);
    }

    void roundingNeverGoesBelowEight() {
        QCOMPARE(CBitmapSetting::RoundedSize(5), 8);
        QCOMPARE(CBitmapSetting::RoundedSize(0), 8);
        QCOMPARE(CBitmapSetting::RoundedSize(8), 8);
        QCOMPARE(CBitmapSetting::RoundedSize(15), 8);
        QCOMPARE(CBitmapSetting::RoundedSize(3072), 3072);
    }

    void aBitmapSizeBelowItsRangeIsRefused() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        Type(dialog, "bitmapHeight", QStringLiteral("95"));
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(Message(services, 0),
                 QStringLiteral("96 から 3072 までの整数を入力してください。"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void cancelAfterEditingEveryTabChangesNothing() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        QVERIFY(Open(dialog));
        Type(dialog, "sheetWidth", QStringLiteral("40"));
        Type(dialog, "matLength", QStringLiteral("0"));
        Type(dialog, "cableHeightCorrection", QStringLiteral("100"));
        Child<QComboBox>(dialog, "cableKind")->setCurrentIndex(1);
        Radio(dialog, "styleDot")->click();
        Radio(dialog, "widthThin")->click();
        Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(2);
        Type(dialog, "gridBigIntervalX", QStringLiteral("100"));
        Radio(dialog, "gridSmallBand")->click();
        Type(dialog, "gridSmallIntervalX", QStringLiteral("10"));
        Type(dialog, "bitmapWidth", QStringLiteral("2000"));
        Press(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QVERIFY(services.Messages().empty());
        QCOMPARE(Values(dialog.Defaults()), Values(OpeningDefaults()));
        QCOMPARE(dialog.CableKinds(), ThreeCables());
    }

    void choosingAKindShowsItsPen() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        auto* kinds = Child<QComboBox>(dialog, "cableKind");
        kinds->setCurrentIndex(1);
        QVERIFY(Radio(dialog, "styleDash")->isChecked());
        QVERIFY(Radio(dialog, "widthThick")->isChecked());
        kinds->setCurrentIndex(2);
        QVERIFY(Radio(dialog, "styleDot")->isChecked());
        QVERIFY(Radio(dialog, "widthThin")->isChecked());
    }

    void radioChangesGoIntoTheReturnedKinds() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        Child<QComboBox>(dialog, "cableKind")->setCurrentIndex(1);
        Radio(dialog, "styleSolid")->click();
        Radio(dialog, "widthNormal")->click();
        Child<QComboBox>(dialog, "cableKind")->setCurrentIndex(0);
        Radio(dialog, "styleDot")->click();
        Type(dialog, "cableHeightCorrection", QStringLiteral("0"));
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        std::vector<tagCABLEINFO> expected = ThreeCables();
        expected[0].PenStyle = 2;
        expected[1].PenStyle = 0;
        expected[1].PenBold = 50;
        QCOMPARE(dialog.CableKinds(), expected);
        QCOMPARE(dialog.Defaults().cableHeightCorrectionCm, 0);
    }

    void anUnknownPenLeavesTheButtonsAsTheyWere() {
        RecordingServices services;
        std::vector<tagCABLEINFO> cables = ThreeCables();
        cables[2].PenStyle = 7;
        cables[2].PenBold = 33;
        CDrawSettingDialog dialog(OpeningDefaults(), cables);
        Child<QComboBox>(dialog, "cableKind")->setCurrentIndex(1);
        Child<QComboBox>(dialog, "cableKind")->setCurrentIndex(2);
        QVERIFY(Radio(dialog, "styleDash")->isChecked());
        QVERIFY(Radio(dialog, "widthThick")->isChecked());
        Press(dialog, QDialogButtonBox::Ok);
        // Shown without a choice, the unknown pen stays as it was.
        QCOMPARE(dialog.CableKinds(), cables);
    }

    void aHeightCorrectionAbove1000IsRefused() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        Type(dialog, "cableHeightCorrection", QStringLiteral("1001"));
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(Message(services, 0),
                 QStringLiteral("0 から 1000 までの整数を入力してください。"));
        QCOMPARE(CurrentTab(dialog), 1);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void anEmptyCableListDisablesTheKindControls() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), {});
        auto* kinds = Child<QComboBox>(dialog, "cableKind");
        QCOMPARE(kinds->count(), 0);
        QVERIFY(!kinds->isEnabled());
        QVERIFY(!Radio(dialog, "styleSolid")->isEnabled());
        QVERIFY(!Radio(dialog, "widthThick")->isEnabled());
        QVERIFY(Field(dialog, "cableHeightCorrection")->isEnabled());
        Type(dialog, "cableHeightCorrection", QStringLiteral("75"));
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.CableKinds().empty());
        QCOMPARE(dialog.Defaults().cableHeightCorrectionCm, 75);
    }

    void okChecksTheTabsInTheirOrder() {
        RecordingServices services;
        CDrawSettingDialog dialog(OpeningDefaults(), ThreeCables());
        QVERIFY(Open(dialog));
        Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(3);
        Type(dialog, "bitmapWidth", QStringLiteral("10"));
        Type(dialog, "gridBigIntervalY", QStringLiteral("201"));
        Type(dialog, "cableHeightCorrection", QStringLiteral("2000"));
        Type(dialog, "sheetWidth", QStringLiteral("1001"));

        const struct {
            const char* field;
            int tab;
            const char* message;
            const char* correction;
        } steps[] = {
            {"sheetWidth", 0, "1 から 1000 までの整数を入力してください。", "25"},
            {"cableHeightCorrection", 1, "0 から 1000 までの整数を入力してください。", "50"},
            {"gridBigIntervalY", 2, "1 から 200 までの整数を入力してください。", "50"},
            {"bitmapWidth", 3, "96 から 3072 までの整数を入力してください。", "1024"},
        };
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            Press(dialog, QDialogButtonBox::Ok);
            QCOMPARE(services.Messages().size(), i + 1);
            QCOMPARE(Message(services, i), QString::fromUtf8(steps[i].message));
            QCOMPARE(CurrentTab(dialog), steps[i].tab);
            QCOMPARE(dialog.focusWidget(), Field(dialog, steps[i].field));
            QVERIFY(dialog.isVisible());
            QCOMPARE(Values(dialog.Defaults()), Values(OpeningDefaults()));
            Type(dialog, steps[i].field, QString::fromUtf8(steps[i].correction));
        }
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(services.Messages().size(), std::size(steps));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Defaults().sheetWidthM, 25);
        QCOMPARE(dialog.Defaults().bitmapWidth, 1024);
    }
};

QTEST_MAIN(DrawSettingDialogTest)
#include "DrawSettingDialogTest.moc"
