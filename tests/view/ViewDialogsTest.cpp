#include "ExDocMapSizeDialog.h"
#include "ExHeadlessView.h"
#include "ExViewRateDialog.h"
#include "KORVANEXDoc.h"
#include "PrintFormDlg.h"
#include "RangeSpinBox.h"
#include "ScaleRateDlg.h"
#include "TabControlDlg.h"
#include "support/RecordingServices.h"
#include "support/ViewFixtures.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

void Type(CRangeSpinBox* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Two parts computed at 1/100: one near the origin, one reaching past 10 m.
void AddTwoParts(CKORVANEXDoc& doc) {
    CExHeadlessView view(100, 25, 25, 96);
    ExActiveViewScope active(&view);
    for (CExParts* part : {AddSquare(doc, {300000, 300000}, 200000, 0),
                           AddSquare(doc, {1000000, 500000}, 200000, 0)}) {
        part->UpdateParts();
        part->RecalcParts();
    }
}

void Press(const CTabControlDlg& dialog, QDialogButtonBox::StandardButton which) {
    dialog.Buttons()->button(which)->click();
}

// Shown, so that the tabs and the focus behave as they do for the user.
[[nodiscard]] bool Open(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowExposed(&dialog);
}

constexpr int kOtherViewMode = 0;

} // namespace

class ViewDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void shrinkingASheetWithPartsAsksAndCancelKeepsEverything() {
        RecordingServices services;
        services.SetAnswer(ExMessageResult::Cancel);
        CKORVANEXDoc doc;
        AddTwoParts(doc);
        CExDocMapSizeDialog dialog(doc, {25, 25}, 100);
        Type(dialog.HeightField(), QStringLiteral("10"));
        Type(dialog.WidthField(), QStringLiteral("10"));
        dialog.accept();
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(
            QString::fromStdString(services.Messages()[0].text),
            QStringLiteral("変更された図面サイズの外側にある部品は削除されますがよろしいですか？"));
        QCOMPARE(services.Messages()[0].icon, ExMessageIcon::Question);
        QCOMPARE(services.Messages()[0].buttons, ExMessageButtons::OkCancel);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Result(), (ExMapSize{25, 25}));
        QCOMPARE(doc.GetElementCount(), std::size_t(2));
        QVERIFY(!doc.IsModified());
    }

    void confirmingDeletesThePartsBeyondTheNewSheet() {
        RecordingServices services;
        CKORVANEXDoc doc;
        AddTwoParts(doc);
        CExParts* kept = doc.ElementAt(0);
        doc.Selection().Select(kept);
        CExDocMapSizeDialog dialog(doc, {25, 25}, 100);
        Type(dialog.WidthField(), QStringLiteral("10"));
        dialog.accept();
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(dialog.Result(), (ExMapSize{10, 25}));
        QCOMPARE(doc.GetElementCount(), std::size_t(1));
        QCOMPARE(doc.ElementAt(0), kept);
        QVERIFY(doc.SelectionList().empty());
        QCOMPARE(kept->GetSelectFlag(), 0);
        QVERIFY(doc.IsModified());
    }

    void enlargingNeverAsks() {
        RecordingServices services;
        CKORVANEXDoc doc;
        AddTwoParts(doc);
        CExDocMapSizeDialog dialog(doc, {25, 25}, 100);
        Type(dialog.WidthField(), QStringLiteral("40"));
        dialog.accept();
        QVERIFY(services.Messages().empty());
        QCOMPARE(dialog.Result(), (ExMapSize{40, 25}));
        QCOMPARE(doc.GetElementCount(), std::size_t(2));
    }

    void anEmptyDrawingShrinksWithoutAsking() {
        RecordingServices services;
        CKORVANEXDoc doc;
        CExDocMapSizeDialog dialog(doc, {25, 25}, 100);
        Type(dialog.HeightField(), QStringLiteral("5"));
        dialog.accept();
        QVERIFY(services.Messages().empty());
        QCOMPARE(dialog.Result(), (ExMapSize{25, 5}));
    }

    void aSheetOfZeroMetresIsRefusedWithTheRangeMessage() {
        RecordingServices services;
        CKORVANEXDoc doc;
        CExDocMapSizeDialog dialog(doc, {25, 25}, 100);
        Type(dialog.HeightField(), QStringLiteral("0"));
        dialog.accept();
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(services.Messages()[0].text),
                 QStringLiteral("1 から 1000 までの整数を入力してください。"));
        QCOMPARE(services.Messages()[0].icon, ExMessageIcon::Exclamation);
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(dialog.Result(), (ExMapSize{25, 25}));
    }

    void aTypedZoomOfFiveThousandIsRefusedWithTheRangeMessage() {
        RecordingServices services;
        CExViewRateDialog dialog(100);
        QCOMPARE(dialog.Field()->value(), 100);
        Type(dialog.Field(), QStringLiteral("5000"));
        dialog.accept();
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(services.Messages()[0].text),
                 QStringLiteral("10 から 3000 までの整数を入力してください。"));
        QVERIFY(dialog.result() != QDialog::Accepted);

        Type(dialog.Field(), QStringLiteral("120"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Value(), 120);
    }

    void theArrowsStayWithinTheRange() {
        CRangeSpinBox field(10, 3000);
        field.setValue(2999);
        field.stepUp();
        field.stepUp();
        QCOMPARE(field.value(), 3000);
        field.setValue(11);
        field.stepDown();
        field.stepDown();
        QCOMPARE(field.value(), 10);
    }

    void aStepRangeNarrowsTheArrowsButNotWhatMayBeTyped() {
        CRangeSpinBox field(0, 100000);
        field.SetStepRange(1, 2500);
        field.setValue(2499);
        field.stepUp();
        field.stepUp();
        QCOMPARE(field.value(), 2500);
        field.setValue(2);
        field.stepDown();
        field.stepDown();
        QCOMPARE(field.value(), 1);
        Type(&field, QStringLiteral("90000"));
        QCOMPARE(field.CheckedValue(), std::optional<int>(90000));
    }

    void thePrintSettingsOpenWithTheirTabsAndTheFittedDivisor() {
        CTabControlDlg dialog(kOtherViewMode, 0, 0, 180);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("印刷設定"));
        QCOMPARE(dialog.Tabs()->count(), 2);
        QCOMPARE(dialog.Tabs()->tabText(0), QStringLiteral("印刷形式"));
        QCOMPARE(dialog.Tabs()->tabText(1), QStringLiteral("拡大/縮小"));
        QCOMPARE(dialog.Tabs()->currentWidget(), dialog.FormPage());
        QCOMPARE(dialog.FormPage()->FormButton(1)->text(), QStringLiteral("ﾚｲｱｳﾄのみ印刷"));
        QCOMPARE(dialog.ScalePage()->FittedField()->text(), QStringLiteral("180"));
        QVERIFY(dialog.ScalePage()->FittedField()->isReadOnly());
        QCOMPARE(dialog.Buttons()->button(QDialogButtonBox::Cancel)->text(),
                 QStringLiteral("キャンセル"));
    }

    void thePrintFormFollowsTheViewMode_data() {
        QTest::addColumn<int>("viewMode");
        QTest::addColumn<int>("printForm");
        QTest::addColumn<int>("checked");
        QTest::newRow("layout view") << excommand::kLayoutView << 0 << 1;
        QTest::newRow("wiring view") << excommand::kWiringView << 0 << 2;
        QTest::newRow("other mode keeps wiring") << kOtherViewMode << 2 << 2;
        QTest::newRow("other mode keeps whole") << kOtherViewMode << 0 << 0;
        QTest::newRow("unknown form prints whole") << kOtherViewMode << 7 << 0;
    }

    void thePrintFormFollowsTheViewMode() {
        QFETCH(int, viewMode);
        QFETCH(int, printForm);
        QFETCH(int, checked);
        CTabControlDlg dialog(viewMode, printForm, 0, 100);
        for (int form = 0; form <= 2; ++form) {
            QCOMPARE(dialog.FormPage()->FormButton(form)->isChecked(), form == checked);
        }
    }

    void theDivisorFieldStartsWithTheUsersChoiceOrTheFittedOne_data() {
        QTest::addColumn<int>("printScale");
        QTest::addColumn<int>("fittedScale");
        QTest::addColumn<int>("shown");
        QTest::newRow("user's") << 250 << 180 << 250;
        QTest::newRow("fitted") << 0 << 180 << 180;
        QTest::newRow("neither") << 0 << 0 << 100;
    }

    void theDivisorFieldStartsWithTheUsersChoiceOrTheFittedOne() {
        QFETCH(int, printScale);
        QFETCH(int, fittedScale);
        QFETCH(int, shown);
        CTabControlDlg dialog(kOtherViewMode, 0, printScale, fittedScale);
        QCOMPARE(dialog.ScalePage()->Field()->value(), shown);
    }

    void aDivisorOutsideTheRangeKeepsThePrintSettingsOpen_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("9") << QStringLiteral("9");
        QTest::newRow("5001") << QStringLiteral("5001");
    }

    void aDivisorOutsideTheRangeKeepsThePrintSettingsOpen() {
        QFETCH(QString, typed);
        RecordingServices services;
        CTabControlDlg dialog(kOtherViewMode, 0, 250, 180);
        QVERIFY(Open(dialog));
        Type(dialog.ScalePage()->Field(), typed);
        Press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(services.Messages()[0].text),
                 QStringLiteral("数値は 10 から ５０００ の範囲でなければなりません。"
                                "この範囲の数値で入力しなおし、もう一度行ってください。"));
        QCOMPARE(services.Messages()[0].icon, ExMessageIcon::Exclamation);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(dialog.Tabs()->currentWidget(), dialog.ScalePage());
        QCOMPARE(dialog.focusWidget(), dialog.ScalePage()->Field());
        QCOMPARE(dialog.PrintScale(), 250);
    }

    void okConfirmsTheCheckedFormAndTheTypedDivisor_data() {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("scale");
        QTest::newRow("lowest, kept form") << 1 << QStringLiteral("10") << 10;
        QTest::newRow("highest, changed form") << 2 << QStringLiteral("5000") << 5000;
        QTest::newRow("whole drawing") << 0 << QStringLiteral("120") << 120;
    }

    void okConfirmsTheCheckedFormAndTheTypedDivisor() {
        QFETCH(int, clicked);
        QFETCH(QString, typed);
        QFETCH(int, scale);
        RecordingServices services;
        CTabControlDlg dialog(excommand::kLayoutView, 0, 0, 180);
        dialog.FormPage()->FormButton(clicked)->click();
        Type(dialog.ScalePage()->Field(), typed);
        Press(dialog, QDialogButtonBox::Ok);
        QVERIFY(services.Messages().empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.PrintForm(), clicked);
        QCOMPARE(dialog.PrintScale(), scale);
    }

    void cancelKeepsThePrintSettingsGiven() {
        RecordingServices services;
        CTabControlDlg dialog(excommand::kWiringView, 0, 0, 180);
        dialog.FormPage()->FormButton(1)->click();
        Type(dialog.ScalePage()->Field(), QStringLiteral("300"));
        Press(dialog, QDialogButtonBox::Cancel);
        QVERIFY(services.Messages().empty());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.PrintForm(), 0);
        QCOMPARE(dialog.PrintScale(), 0);
    }
};

QTEST_MAIN(ViewDialogsTest)
#include "ViewDialogsTest.moc"
