#include "ChildFrame.h"
#include "Cp932.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExOuterWallParts.h"
#include "ExPartsLibrary.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "PartsCategoryCtrl.h"
#include "PartsListDlg.h"
#include "PartsThumbnailCtrl.h"
#include "support/EveryKindDrawing.h"
#include "support/ModalAnswerer.h"
#include "support/RecordingServices.h"
#include "support/ShapeBuilder.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A small parts library in a temporary folder.
class TestLibrary {
public:
    void Folder(const QString& relative) const { QDir(m_dir.path()).mkpath(relative); }
    void Shape(const QString& relative, int code, int size = 200000) const {
        QFile file(m_dir.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const std::string bytes =
            ShapeFileHeader(code, 40, 80, 120, size) + ShapeBuilder().FullSquare().End().Bytes();
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

QStringList TopLevelTexts(const QTreeWidget& tree) {
    QStringList texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        texts.append(tree.topLevelItem(i)->text(0));
    }
    return texts;
}

QStringList ItemTexts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts.append(list.item(i)->text());
    }
    return texts;
}

} // namespace

class LibraryPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseOwnTestSettings("QUILLPLAN-PANELS-TEST"); }

    void theTreeShowsNestedGroupsWithoutTheOuterWalls() {
        TestLibrary library;
        library.Folder(QStringLiteral("01外壁"));
        library.Folder(QStringLiteral("05電源・センサー類/01配線"));
        library.Folder(QStringLiteral("05電源・センサー類/02コンセント/01壁付"));
        library.Folder(QStringLiteral("07オフィス設備"));
        CPartsCategoryCtrl tree;
        QSignalSpy selected(&tree, &CPartsCategoryCtrl::categorySelected);
        QVERIFY(tree.Build(library.Path()));
        QCOMPARE(TopLevelTexts(tree), (QStringList{QStringLiteral("05電源・センサー類"),
                                                   QStringLiteral("07オフィス設備")}));
        QTreeWidgetItem* power = tree.topLevelItem(0);
        QVERIFY(power->isExpanded());
        QCOMPARE(power->childCount(), 2);
        QCOMPARE(power->child(1)->child(0)->text(0), QStringLiteral("01壁付"));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.back().at(0).toString(), QStringLiteral("05電源・センサー類/"));

        tree.setCurrentItem(power->child(1)->child(0));
        QCOMPARE(tree.SelectedCategory(),
                 QStringLiteral("05電源・センサー類/02コンセント/01壁付/"));
        QCOMPARE(selected.back().at(0).toString(), tree.SelectedCategory());
    }

    void aLibraryWithoutItsOuterWallsGivesNoTree() {
        TestLibrary library;
        library.Folder(QStringLiteral("07オフィス設備"));
        CPartsCategoryCtrl tree;
        QVERIFY(!tree.Build(library.Path()));
        QCOMPARE(tree.topLevelItemCount(), 0);
        QVERIFY(!tree.Build(library.Path() + QStringLiteral("/missing")));
    }

    void theThumbnailsAreThePartsOfAllGroupsNamedWithoutPrefix() {
        TestLibrary library;
        library.Folder(QStringLiteral("07オフィス設備/01机"));
        library.Shape(QStringLiteral("07オフィス設備/01机/070101事務机.qvf"), 70101);
        library.Shape(QStringLiteral("07オフィス設備/01机/070101事務机の複製.qvf"), 70101);
        library.Shape(QStringLiteral("07オフィス設備/070201椅子.qvf"), 70201);
        QFile broken(library.Path() + QStringLiteral("/07オフィス設備/070301壊れた.qvf"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\x01", 1);
        broken.close();

        CPartsThumbnailCtrl thumbnails;
        thumbnails.SetLibraryFolder(library.Path());
        QVERIFY(thumbnails.SetCategory(QStringLiteral("07オフィス設備/")));
        QVERIFY(!thumbnails.SetCategory(QStringLiteral("07オフィス設備/")));
        thumbnails.Reload();
        QCOMPARE(ItemTexts(thumbnails),
                 (QStringList{QStringLiteral("事務机"), QStringLiteral("事務机の複製"),
                              QStringLiteral("椅子")}));
        QCOMPARE(thumbnails.Prototypes().size(), std::size_t(3));
        QCOMPARE(thumbnails.Prototypes()[2]->GetPartsCode(), 70201);
        QCOMPARE(thumbnails.iconSize(), QSize(64, 64));
        // A picture shows its part's outline in the part's colour on white.
        const QImage picture = thumbnails.item(2)->icon().pixmap(64, 64).toImage();
        QCOMPARE(picture.pixelColor(32, 32), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(0, 32), QColor(40, 80, 120));
        QCOMPARE(picture.pixelColor(63, 32), QColor(40, 80, 120));
    }

    void anotherCategoryIsShownFromItsFirstParts() {
        TestLibrary library;
        for (const QString& category : {QStringLiteral("07机"), QStringLiteral("08椅子")}) {
            library.Folder(category);
            for (int i = 0; i < 40; ++i) {
                library.Shape(QStringLiteral("%1/%2部品.qvf")
                                  .arg(category)
                                  .arg(70101 + i, 6, 10, QLatin1Char('0')),
                              70101 + i);
            }
        }
        CPartsThumbnailCtrl thumbnails;
        thumbnails.SetLibraryFolder(library.Path());
        thumbnails.resize(300, 240);
        thumbnails.show();
        QVERIFY(QTest::qWaitForWindowExposed(&thumbnails));
        thumbnails.SetCategory(QStringLiteral("07机/"));
        thumbnails.Reload();
        QScrollBar* scroll = thumbnails.verticalScrollBar();
        QTRY_VERIFY(scroll->maximum() > 0);
        scroll->setValue(scroll->maximum());
        QTest::qWait(50);
        QVERIFY(scroll->value() > 0);

        thumbnails.SetCategory(QStringLiteral("08椅子/"));
        thumbnails.Reload();
        QCOMPARE(scroll->value(), 0);
        QTest::qWait(50);
        QCOMPARE(scroll->value(), 0);
        QVERIFY(thumbnails.visualItemRect(thumbnails.item(0)).top() >= 0);
    }

    void eachKindDraggedFromThePanelIsPlacedAndACancelPlacesNothing() {
        TestLibrary library;
        library.Folder(QStringLiteral("cat"));
        const int codes[] = {10101, 20101, 30202, 70101};
        for (int code : codes) {
            library.Shape(QStringLiteral("cat/%1part.qvf").arg(code, 6, 10, QLatin1Char('0')),
                          code);
        }
        RecordingServices services;
        CKORVANEXDoc doc;
        CKORVANEXView view(doc);
        view.resize(800, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.Activate(true);
        CPartsThumbnailCtrl thumbnails;
        thumbnails.SetLibraryFolder(library.Path());
        thumbnails.SetCategory(QStringLiteral("cat/"));
        thumbnails.Reload();
        thumbnails.SetTargetDocument([&doc] { return &doc; });

        const char* kinds[] = {CExOuterWallParts::kClassName, CExPillarParts::kClassName,
                               CExRoomParts::kClassName, CExGeneralParts::kClassName};
        for (int k = 0; k < 4; ++k) {
            CKORVANEXDoc* target = thumbnails.BeginLibraryDrag(k);
            QCOMPARE(target, &doc);
            QVERIFY(doc.IsDragging());
            QCOMPARE(view.DraggedPart(), thumbnails.Prototypes()[std::size_t(k)].get());
            const QPoint screen = view.viewport()->mapToGlobal(QPoint(200 + 50 * k, 300));
            ExPoint point{screen.x(), screen.y()};
            doc.UpdateAllViews(nullptr, ExDocUpdate::Dropped(point));
            thumbnails.EndLibraryDrag(target, true);
            QVERIFY(!doc.IsDragging());
            QCOMPARE(QString(doc.Elements().back()->GetRuntimeClassName()), QString(kinds[k]));
            QCOMPARE(doc.Elements().back()->GetPosition(),
                     view.Geometry().PixelToDrawing(QPoint(200 + 50 * k, 300)));
        }
        QCOMPARE(doc.GetElementCount(), std::size_t(4));

        CKORVANEXDoc* target = thumbnails.BeginLibraryDrag(3);
        thumbnails.EndLibraryDrag(target, false);
        QCOMPARE(view.DraggedPart(), nullptr);
        QCOMPARE(doc.GetElementCount(), std::size_t(4));
        QVERIFY(!thumbnails.IsDragging());

        thumbnails.SetTargetDocument([] { return static_cast<CKORVANEXDoc*>(nullptr); });
        QCOMPARE(thumbnails.BeginLibraryDrag(0), nullptr);
        QVERIFY(!thumbnails.IsDragging());
    }

    void thePartsListCountsEqualCodesUnderTheFirstName() {
        RecordingServices services;
        CKORVANEXDoc doc;
        for (const auto& [code, name] :
             {std::pair{70101, "机"}, std::pair{70101, "机2"}, std::pair{50101, "電話線"},
              std::pair{70101, "机3"}, std::pair{20101, "柱"}}) {
            auto part = std::make_unique<CExGeneralParts>();
            const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
            part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
            part->SetPartsCode(code);
            part->SetPartsName(cp932::FromUtf8(name).value());
            doc.AddElement(std::move(part));
        }
        CPartsListDlg layout(doc, ExPartsListKind::Layout);
        QCOMPARE(layout.windowTitle(), QStringLiteral("部品一覧"));
        QCOMPARE(ItemTexts(layout.List()),
                 (QStringList{QStringLiteral("机\n配置数：3"), QStringLiteral("柱\n配置数：1")}));
        QVERIFY(!layout.List().item(0)->icon().isNull());
        CPartsListDlg wiring(doc, ExPartsListKind::Wiring);
        QCOMPARE(ItemTexts(wiring.List()), (QStringList{QStringLiteral("電話線\n配置数：1")}));
        CKORVANEXDoc empty;
        CPartsListDlg none(empty, ExPartsListKind::Layout);
        QCOMPARE(none.List().count(), 0);
    }

    void thePartsListSavesTheWholeDrawingAsCsv() {
        RecordingServices services;
        CKORVANEXDoc doc;
        CExHeadlessView view(100, 25, 25);
        view.SetDocument(&doc);
        ExActiveViewScope active(&view);
        everykind::Build(doc);
        QTemporaryDir folder;
        CPartsListDlg dialog(doc, ExPartsListKind::Wiring);
        QCOMPARE(dialog.SaveCsvButton().text(), QStringLiteral("CSV保存..."));

        const struct {
            const char* typed;
            const char* saved;
        } cases[] = {
            {"部品表", "部品表.csv"}, {"upper.CSV", "upper.CSV"}, {"list.txt", "list.txt.csv"}};
        for (const auto& c : cases) {
            ModalAnswerer answerer;
            answerer.Files({folder.filePath(QString::fromUtf8(c.typed))});
            dialog.SaveCsvButton().click();
            QCOMPARE(answerer.FileDialogs(), 1);
            QFile saved(folder.filePath(QString::fromUtf8(c.saved)));
            QVERIFY2(saved.open(QIODevice::ReadOnly), c.saved);
            QCOMPARE(saved.readAll(), QByteArray(everykind::kCsv));
        }
        QVERIFY(services.Messages().empty());

        const QString missing = folder.filePath(QStringLiteral("なし/部品表.csv"));
        QVERIFY(!dialog.SaveCsv(missing));
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(services.Messages()[0].icon, ExMessageIcon::Stop);
        QVERIFY(QString::fromStdString(services.Messages()[0].text)
                    .startsWith(QStringLiteral("CSVファイルの保存に失敗しました\n") + missing));
    }

    void theFramesPanelsShowTheShippedLibrary() {
        CMainFrame frame;
        QVERIFY(frame.IsCreated());
        QCOMPARE(frame.CategoryPanel().windowTitle(), QStringLiteral("部品カテゴリ"));
        QCOMPARE(frame.ThumbnailPanel().windowTitle(), QStringLiteral("部品サムネイル"));
        QVERIFY(frame.CategoryCtrl().topLevelItemCount() > 10);
        QCOMPARE(frame.CategoryCtrl().topLevelItem(0)->text(0), QStringLiteral("02柱"));
        QVERIFY(frame.ThumbnailCtrl().count() > 0);
        const QString pillar = frame.ThumbnailCtrl().item(0)->text();

        // The outer walls come from the drawing bar's parts button.
        frame.Action(QStringLiteral("partsPanels"))->trigger();
        QCOMPARE(frame.ThumbnailCtrl().Category(), QStringLiteral("01外壁/"));
        QVERIFY(frame.ThumbnailCtrl().count() > 0);
        QCOMPARE(KindOfPartsCode(frame.ThumbnailCtrl().Prototypes()[0]->GetPartsCode()),
                 ExKind::OuterWall);
        frame.CategoryCtrl().setCurrentItem(frame.CategoryCtrl().topLevelItem(0));
        QCOMPARE(frame.ThumbnailCtrl().item(0)->text(), pillar);
    }
};

QTEST_MAIN(LibraryPanelsTest)
#include "LibraryPanelsTest.moc"
