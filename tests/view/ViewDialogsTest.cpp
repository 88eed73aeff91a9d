#include "ExDocMapSizeDialog.h"
#include "ExHeadlessView.h"
#include "ExViewRateDialog.h"
#include "RangeSpinBox.h"
#include "support/RecordingServices.h"
#include "support/ViewFixtures.h"

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
};

QTEST_MAIN(ViewDialogsTest)
#include "ViewDialogsTest.moc"
