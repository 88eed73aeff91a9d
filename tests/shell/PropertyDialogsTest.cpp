// The property dialogs driven as their user drives them: what each kind's dialog shows, the
// range messages that keep it open, OK writing back and Cancel changing nothing.

#include "PropertyDialogs.h"
#include "BuhinPropertyDialog.h"
#include "Cp932.h"
#include "ExArchive.h"
#include "ExHeadlessView.h"
#include "ExImagePropertyBox.h"
#include "ExMeasurePropertyBox.h"
#include "ExRoomPropertyBox.h"
#include "ExStringPropertyBox.h"
#include "ExWallPropertyBox.h"
#include "ExWiringPropertyBox.h"
#include "RangeSpinBox.h"
#include "RulerLengthBox.h"
#include "support/PlacedParts.h"
#include "support/RecordingServices.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const ExSheetSize kSheet{25, 20}; // 2500 cm x 2000 cm

// A drawing on that sheet, computed at 1/100 with one view unit per pixel.
struct Drawing {
    Drawing() { view.SetDocument(&doc); }

    RecordingServices services;
    CExHeadlessView view{100, kSheet.widthM, kSheet.heightM, 2540};
    ExActiveViewScope active{&view};
    CKORVANEXDoc doc;

    bool Show(CExParts& part) {
        return ShowPropertyDialog(nullptr, doc, part, kSheet.widthM, kSheet.heightM);
    }
    QString LastMessage() const {
        return services.Messages().empty()
                   ? QString()
                   : QString::fromStdString(services.Messages().back().text);
    }
};

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

QString Shown(const QWidget& dialog, const char* name) {
    return Child<QLabel>(dialog, name)->text();
}

void Type(QAbstractSpinBox* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

void Type(const QWidget& dialog, const char* name, const QString& text) {
    Type(Child<QAbstractSpinBox>(dialog, name), text);
}

void Press(const QWidget& dialog, QDialogButtonBox::StandardButton which) {
    Child<QDialogButtonBox>(dialog, "buttons")->button(which)->click();
}

void Click(const QWidget& dialog, const char* name) {
    Child<QAbstractButton>(dialog, name)->click();
}

// Shown, so that the focus behaves as it does for the user.
[[nodiscard]] bool Open(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowExposed(&dialog);
}

// The whole record of a part: what Cancel must leave as it was.
std::string Record(CExParts& part) {
    CExArchive archive;
    part.Serialize(archive);
    return archive.TakeStored();
}

// Runs a step on the modal dialog opened next, once it is shown; a dialog the step leaves open
// is cancelled so that the test goes on.
void WhenModal(std::function<void(QDialog&)> step) {
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        step(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

QString Range(int minimum, int maximum) {
    return QStringLiteral("%1 から %2 までの整数を入力してください。").arg(minimum).arg(maximum);
}

} // namespace

class PropertyDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void wallDialogShowsTheWallAndRefusesWhatIsOutOfRange() {
        Drawing d;
        CExOuterWallParts* wall = AddWall(d.doc, {500000, 400000}, 100000, 15000, -10);
        CExWallPropertyBox box(ExWallValues::FromPart(*wall), kSheet);
        QVERIFY(Open(box));
        QCOMPARE(box.windowTitle(), QStringLiteral("外壁プロパティ"));
        QCOMPARE(Shown(box, "categoryName"), QStringLiteral("外壁"));
        const struct {
            const char* name;
            int value;
        } fields[] = {{"angle", 350}, {"centreX", 500}, {"centreY", 400},
                      {"width", 200}, {"height", 200},  {"thickness", 15}};
        for (const auto& field : fields) {
            QCOMPARE(Field(box, field.name)->value(), field.value);
        }

        const struct {
            const char* name;
            const char* typed;
            QString message;
        } refused[] = {{"width", "2501", Range(1, 2500)},
                       {"height", "0", Range(1, 2000)},
                       {"thickness", "201", Range(0, 200)}};
        for (const auto& entry : refused) {
            const QString before = Field(box, entry.name)->text();
            Type(box, entry.name, QString::fromLatin1(entry.typed));
            Press(box, QDialogButtonBox::Ok);
            QCOMPARE(d.LastMessage(), entry.message);
            QVERIFY(box.isVisible());
            QVERIFY(Field(box, entry.name)->hasFocus());
            Type(box, entry.name, before);
        }
        Type(box, "thickness", QStringLiteral("20"));
        Type(box, "centreX", QStringLiteral("9000"));
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.Values().thickness, 20);
        QCOMPARE(box.Values().centreX, 9000); // cut to the sheet when it is written back
    }

    void roomDialogOffersTheFloorGroupOfItsKind() {
        const struct {
            int code;
            bool tiles;
            bool mats;
        } rooms[] = {{30203, false, true}, {30102, true, false}, {30106, false, false}};
        for (const auto& room : rooms) {
            Drawing d;
            CExRoomParts* part = AddRoom(d.doc, room.code, {600000, 600000});
            CExRoomPropertyBox box(ExRoomValues::FromPart(*part), kSheet);
            QCOMPARE(box.windowTitle(), QStringLiteral("部屋プロパティ"));
            QCOMPARE(Child<QGroupBox>(box, "tileGroup")->isEnabled(), room.tiles);
            QCOMPARE(Child<QGroupBox>(box, "matGroup")->isEnabled(), room.mats);
        }
        Drawing d;
        CExRoomParts* tatami = AddRoom(d.doc, 30203, {600000, 600000});
        CExRoomPropertyBox box(ExRoomValues::FromPart(*tatami), kSheet);
        QVERIFY(Open(box));
        QCOMPARE(Field(box, "matWidth")->value(), 90);
        QCOMPARE(Field(box, "tileWidth")->value(), 0); // not offered, so not checked
        Type(box, "matWidth", QStringLiteral("0"));
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(d.LastMessage(), Range(1, 200));
        QVERIFY(box.isVisible());
        Type(box, "matWidth", QStringLiteral("85"));
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.Values().matWidth, 85);
    }

    void partDialogShowsANegativeAngleAsOneTurnMoreAndCancelKeepsThePart() {
        Drawing d;
        CExGeneralParts* part = AddGeneralPart(d.doc, {300000, 300000}, 100000, -10);
        const std::string before = Record(*part);
        QString title;
        int angle = -1;
        WhenModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            angle = Field(dialog, "angle")->value();
            Type(dialog, "centreX", QStringLiteral("999"));
            Press(dialog, QDialogButtonBox::Cancel);
        });
        QVERIFY(!d.Show(*part));
        QCOMPARE(title, QStringLiteral("部品プロパティ"));
        QCOMPARE(angle, 350);
        QCOMPARE(Record(*part), before);
    }

    void partDialogWritesBackCutToTheSheetAndBringsItsRulersAlong() {
        Drawing d;
        CExGeneralParts* part = AddGeneralPart(d.doc, {500000, 500000}, 80000);
        CExMeasure* ruler = AddRuler(d.doc, {520000, 500000}, {800000, 500000});
        WhenModal([](QDialog& dialog) {
            Type(dialog, "centreX", QStringLiteral("600"));
            Type(dialog, "width", QStringLiteral("5000"));
            Press(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(d.Show(*part));
        QCOMPARE(part->GetPosition(), (ExPoint{600000, 500000}));
        QCOMPARE(part->GetWidth(), 2500000);
        QCOMPARE(ruler->EndAt(0).point, (ExPoint{620000, 500000}));
        QCOMPARE(ruler->EndAt(1).point, (ExPoint{800000, 500000}));

        const std::string after = Record(*part);
        WhenModal([](QDialog& dialog) { Press(dialog, QDialogButtonBox::Ok); });
        QVERIFY(!d.Show(*part)); // nothing changed
        QCOMPARE(Record(*part), after);
    }

    void partDialogChecksAngleAndSize() {
        Drawing d;
        CExGeneralParts* part = AddGeneralPart(d.doc, {300000, 300000}, 100000);
        CBuhinPropertyDialog box(ExPartValues::FromPart(*part), kSheet);
        QVERIFY(Open(box));
        Type(box, "angle", QStringLiteral("1234"));
        QCOMPARE(Field(box, "angle")->text(), QStringLiteral("123")); // three digits at most
        Type(box, "angle", QStringLiteral("361"));
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(d.LastMessage(), Range(0, 360));
        Type(box, "angle", QStringLiteral("360"));
        Type(box, "width", QStringLiteral("0"));
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(d.LastMessage(), Range(1, 100000));
        QVERIFY(box.isVisible());
        Field(box, "width")->setValue(2499);
        Field(box, "width")->stepUp();
        Field(box, "width")->stepUp();
        QCOMPARE(Field(box, "width")->value(), 2500); // the arrows stay on the sheet
    }

    void colourButtonTakesTheChosenColour() {
        Drawing d;
        CExPillarParts* pillar = AddPillar(d.doc, {300000, 300000}, 30000);
        CBuhinPropertyDialog box(ExPartValues::FromPart(*pillar), kSheet);
        WhenModal([](QDialog& dialog) {
            auto* colours = qobject_cast<QColorDialog*>(&dialog);
            QVERIFY(colours != nullptr);
            colours->setCurrentColor(QColor(0x11, 0x22, 0x33));
            colours->accept();
        });
        Click(box, "colorButton");
        QCOMPARE(Child<QLabel>(box, "colorSwatch")->palette().color(QPalette::Window),
                 QColor(0x11, 0x22, 0x33));
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(box.Values().color, ExColor(0x00332211));
    }

    void textDialogShowsTheLineAndItsStroke() {
        Drawing d;
        CExStringParts* text = AddText(d.doc, "ABC", {200000, 200000}, 50000, 40000);
        CExStringPropertyBox box(ExTextValues::FromPart(*text), kSheet);
        QCOMPARE(box.windowTitle(), QStringLiteral("文字プロパティ"));
        QCOMPARE(Shown(box, "partsName"), QStringLiteral("ABC"));
        QCOMPARE(Shown(box, "categoryName"), QStringLiteral("文字"));
        QCOMPARE(Field(box, "width")->value(), 75);
        QCOMPARE(Field(box, "height")->value(), 40);
        QVERIFY(Child<QRadioButton>(box, "strokeNormal")->isChecked());
        Click(box, "strokeThick");
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(box.Values().strokeWidth, 100);
    }

    void textNamesAreConvertedFromTheDrawingsCodePage() {
        Drawing d;
        const std::string text = cp932::FromUtf8("会議室①").value();
        CExStringParts* part = AddText(d.doc, text, {200000, 200000}, 50000, 40000);
        CExStringPropertyBox box(ExTextValues::FromPart(*part), kSheet);
        QCOMPARE(Shown(box, "partsName"), QStringLiteral("会議室①"));
    }

    void imageDialogHasNoColour() {
        Drawing d;
        CExImageParts* image = AddImage(d.doc, {200000, 200000}, 100000, 50000);
        CExImagePropertyBox box(ExImageValues::FromPart(*image), kSheet);
        QCOMPARE(box.windowTitle(), QStringLiteral("部品プロパティ"));
        QCOMPARE(Shown(box, "partsName"), QStringLiteral("画像"));
        QCOMPARE(Shown(box, "categoryName"), QStringLiteral("画像"));
        QVERIFY(box.findChild<QPushButton*>(QStringLiteral("colorButton")) == nullptr);
        QCOMPARE(Field(box, "width")->value(), 100);
    }

    void cableDialogShowsTheLengthAsTheCorrectionIsTyped() {
        Drawing d;
        CExWiringParts* cable = AddCable(d.doc, {{0, 0}, {100000, 0}, {100000, 50000}}, 40);
        CExWiringPropertyBox box(ExCableValues::FromPart(*cable));
        QVERIFY(Open(box));
        QCOMPARE(box.windowTitle(), QStringLiteral("配線プロパティ"));
        QCOMPARE(Shown(box, "cableLength"), QStringLiteral("1.90"));
        Type(box, "heightCorrection", QStringLiteral("1500"));
        QCOMPARE(Field(box, "heightCorrection")->text(), QStringLiteral("1000"));
        QCOMPARE(Shown(box, "cableLength"), QStringLiteral("11.50"));
        QVERIFY(Child<QRadioButton>(box, "widthThin")->isChecked());
        QVERIFY(Child<QRadioButton>(box, "styleSolid")->isChecked());
        Click(box, "widthThick");
        Click(box, "styleDash");
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.Values().heightCorrection, 1000);
        QCOMPARE(box.Values().lineWidth, 80);
        QCOMPARE(box.Values().lineStyle, 3);
    }

    void rulerDialogStepsAndChecksTheLengthInItsUnit() {
        Drawing d;
        CExMeasure* ruler = AddRuler(d.doc, {100000, 100000}, {150000, 100000});
        CExMeasurePropertyBox box(ExRulerValues::FromPart(*ruler));
        QVERIFY(Open(box));
        QCOMPARE(box.windowTitle(), QStringLiteral("定規プロパティ"));
        QVERIFY(Child<QRadioButton>(box, "styleAutomatic")->isChecked());
        auto* length = Child<CRulerLengthBox>(box, "length");
        QCOMPARE(length->Text(), QStringLiteral("500"));
        QVERIFY(length->hasFocus());
        length->stepBy(1);
        QCOMPARE(length->Text(), QStringLiteral("501"));
        Child<QComboBox>(box, "unit")->setCurrentIndex(1);
        QCOMPARE(length->Text(), QStringLiteral("0.501"));

        Type(length, QStringLiteral("1.2.3"));
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(d.LastMessage(), QStringLiteral("入力値が正しくありません。"));
        QVERIFY(box.isVisible());
        Type(length, QStringLiteral("2"));
        Click(box, "styleDimension");
        Press(box, QDialogButtonBox::Ok);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.Values(),
                 (ExRulerValues{CExMeasure::kStyleDimension, CExMeasure::kUnitMetre, 200000}));
    }

    void heldArrowsTakeLargerSteps() {
        const struct {
            qint64 heldMs;
            int step;
        } cases[] = {{0, 1}, {1999, 1}, {2000, 5}, {4999, 5}, {5000, 20}, {60000, 20}};
        for (const auto& c : cases) {
            QCOMPARE(CRulerLengthBox::StepSize(c.heldMs), c.step);
        }
    }

    void rulerLengthLeavingTheSheetIsRefusedWithAMessage() {
        Drawing d;
        CExMeasure* ruler = AddRuler(d.doc, {2400000, 100000}, {2450000, 100000});
        const std::string before = Record(*ruler);
        WhenModal([](QDialog& dialog) {
            Type(dialog, "length", QStringLiteral("2000"));
            Press(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(!d.Show(*ruler));
        QCOMPARE(d.services.Messages().size(), std::size_t(1));
        QCOMPARE(d.LastMessage(), QStringLiteral("指定した長さでは定規が図面外に出てしまいます。\n"
                                                 "適切な長さを指定してください。"));
        QCOMPARE(d.services.Messages().back().icon, ExMessageIcon::Stop);
        QCOMPARE(Record(*ruler), before);
    }

    void areaMeasurementsHaveNoDialog() {
        Drawing d;
        CExArea* area = AddArea(d.doc, {{0, 0}, {400000, 0}, {400000, 300000}, {0, 300000}});
        QVERIFY(!d.Show(*area));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void pillarMovedIntoAnAreaIsSubtractedFromIt() {
        Drawing d;
        CExPillarParts* pillar = AddPillar(d.doc, {800000, 800000}, 30000);
        CExArea* area = AddArea(d.doc, {{0, 0}, {400000, 0}, {400000, 300000}, {0, 300000}});
        QCOMPARE(area->GetAreaText(), std::string("12.000"));
        WhenModal([](QDialog& dialog) {
            Type(dialog, "centreX", QStringLiteral("200"));
            Type(dialog, "centreY", QStringLiteral("150"));
            Press(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(d.Show(*pillar));
        QCOMPARE(area->GetAreaText(), std::string("11.910"));
    }
};

QTEST_MAIN(PropertyDialogsTest)
#include "PropertyDialogsTest.moc"
