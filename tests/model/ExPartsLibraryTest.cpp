#include "ExPartsLibrary.h"
#include "Cp932.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"
#include "support/RecordingServices.h"
#include "support/ShapeBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string Sjis(const char* utf8) {
    return cp932::FromUtf8(utf8).value();
}

std::vector<std::string> Names(const std::vector<ExCategoryNode>& nodes) {
    std::vector<std::string> names;
    for (const ExCategoryNode& node : nodes) {
        names.push_back(node.name);
    }
    return names;
}

std::vector<std::string> FileNames(const std::vector<fs::path>& files) {
    std::vector<std::string> names;
    for (const fs::path& file : files) {
        names.push_back(file.filename().string());
    }
    return names;
}

class LibraryFolder : public ::testing::Test {
protected:
    void MakeFolder(const std::string& relative) { fs::create_directories(m_folder / relative); }
    void WriteShape(const std::string& relative, int code) {
        m_folder.Write(relative, ShapeFileHeader(code, 10, 20, 30, 90000) +
                                     ShapeBuilder().FullSquare().End().Bytes());
    }
    TempFolder m_folder;
};

TEST_F(LibraryFolder, TreeHidesTheOuterWallsAndNestsGroupsInNameOrder) {
    MakeFolder("01外壁");
    MakeFolder("07オフィス/02椅子");
    MakeFolder("07オフィス/01机/01木製");
    MakeFolder("05電源・センサー類/01配線");
    WriteShape("07オフィス/01机/070101机.qvf", 70101);

    const auto tree = ReadCategoryTree(m_folder.Path());
    ASSERT_TRUE(tree);
    EXPECT_EQ(Names(*tree), (std::vector<std::string>{"05電源・センサー類", "07オフィス"}));
    const ExCategoryNode& office = (*tree)[1];
    EXPECT_EQ(Names(office.children), (std::vector<std::string>{"01机", "02椅子"}));
    EXPECT_EQ(Names(office.children[0].children), (std::vector<std::string>{"01木製"}));
    EXPECT_TRUE(office.children[1].children.empty());
}

TEST_F(LibraryFolder, TreeNeedsTheOuterWallsAndTheLibraryItself) {
    MakeFolder("07オフィス");
    EXPECT_FALSE(ReadCategoryTree(m_folder.Path()));
    EXPECT_FALSE(ReadCategoryTree(m_folder / "missing"));
    MakeFolder("01外壁");
    const auto tree = ReadCategoryTree(m_folder.Path());
    ASSERT_TRUE(tree);
    EXPECT_EQ(Names(*tree), (std::vector<std::string>{"07オフィス"}));
}

TEST_F(LibraryFolder, ShapeFilesOfGroupsComeFirstThenTheCategorysOwn) {
    MakeFolder("cat/02b");
    MakeFolder("cat/01a/deep");
    WriteShape("cat/070200Z.qvf", 70200);
    WriteShape("cat/070100Y.QVF", 70100);
    WriteShape("cat/02b/070300X.qvf", 70300);
    WriteShape("cat/01a/070400W.qvf", 70400);
    WriteShape("cat/01a/deep/070500V.qvf", 70500);
    m_folder.Write("cat/readme.txt", "not a part");

    EXPECT_EQ(FileNames(ListShapeFiles(m_folder / "cat")),
              (std::vector<std::string>{"070500V.qvf", "070400W.qvf", "070300X.qvf", "070100Y.QVF",
                                        "070200Z.qvf"}));
    EXPECT_TRUE(ListShapeFiles(m_folder / "missing").empty());
}

TEST_F(LibraryFolder, LinksLoopingBackAreNotFollowedForever) {
    MakeFolder("01外壁");
    MakeFolder("cat");
    WriteShape("cat/070100A.qvf", 70100);
    fs::create_directory_symlink(m_folder / "cat", m_folder / "cat/loop");

    EXPECT_EQ(ListShapeFiles(m_folder / "cat").size(),
              static_cast<std::size_t>(exlibrary::kMaxDepth + 1));
    EXPECT_TRUE(ReadCategoryTree(m_folder.Path()));
}

TEST_F(LibraryFolder, PrototypeIsNamedWithoutCodePrefixAndExtension) {
    WriteShape("070101事務机.qvf", 70101);
    m_folder.Write("070102壊れた.qvf", "\x01\x02");

    const auto part = LoadLibraryPart(m_folder / "070101事務机.qvf");
    ASSERT_TRUE(part);
    EXPECT_EQ(part->GetPartsName(), Sjis("事務机"));
    EXPECT_EQ(part->GetPartsCode(), 70101);
    EXPECT_EQ(part->DrawLines().size(), 4u);
    EXPECT_FALSE(LoadLibraryPart(m_folder / "070102壊れた.qvf"));
    EXPECT_FALSE(LoadLibraryPart(m_folder / "missing.qvf"));
}

TEST(LibraryKinds, PartsCodesChooseTheKindOfElement) {
    EXPECT_EQ(KindOfPartsCode(10101), ExKind::OuterWall);
    EXPECT_EQ(KindOfPartsCode(19999), ExKind::OuterWall);
    EXPECT_EQ(KindOfPartsCode(20101), ExKind::Pillar);
    EXPECT_EQ(KindOfPartsCode(30101), ExKind::Room);
    EXPECT_EQ(KindOfPartsCode(30106), ExKind::Room);
    EXPECT_EQ(KindOfPartsCode(30206), ExKind::Room);
    for (int ordinary : {30103, 30105, 30201, 30207, 30100}) {
        EXPECT_EQ(KindOfPartsCode(ordinary), ExKind::General) << ordinary;
    }
    EXPECT_EQ(KindOfPartsCode(50101), ExKind::Wiring);
    EXPECT_EQ(KindOfPartsCode(50201), ExKind::General);
    EXPECT_EQ(KindOfPartsCode(70101), ExKind::General);
    EXPECT_EQ(KindOfPartsCode(-5), ExKind::General);
}

class LibraryDrop : public ::testing::Test {
protected:
    LibraryDrop() {
        m_services.Defaults().outerWallThicknessCm = 20;
        m_services.Defaults().innerWallThicknessCm = 10;
        m_services.Defaults().matWidthCm = 88;
        m_services.Defaults().matLengthCm = 176;
    }
    std::unique_ptr<CExParts> Item(int code, int size = 360000) {
        auto item = std::make_unique<CExParts>();
        const std::string bytes =
            ShapeFileHeader(code, 200, 100, 50, size) + ShapeBuilder().FullSquare().End().Bytes();
        EXPECT_EQ(LoadShapeBytes(*item, bytes), 1);
        item->SetPartsName(Sjis("見本"));
        return item;
    }
    RecordingServices m_services;
};

TEST_F(LibraryDrop, EveryKindTakesCodeNameSizeColourAndPosition) {
    for (int code : {10101, 20101, 30202, 70101}) {
        const auto item = Item(code);
        const auto element = CreateLibraryElement(*item, {1200000, 800000});
        ASSERT_TRUE(element) << code;
        EXPECT_EQ(element->GetPartsCode(), code);
        EXPECT_EQ(element->GetPartsName(), Sjis("見本"));
        EXPECT_EQ(element->GetPosition(), (ExPoint{1200000, 800000}));
        EXPECT_EQ(element->GetWidth(), 360000);
        EXPECT_EQ(element->GetHeight(), 360000);
        EXPECT_EQ(element->GetColor(), item->GetColor());
        EXPECT_EQ(element->GetRedrawFlag(), 1);
    }
}

TEST_F(LibraryDrop, WallsRoomsAndPillarsTakeTheDrawingDefaults) {
    const auto wall = CreateLibraryElement(*Item(10101), {0, 0});
    ASSERT_STREQ(wall->GetRuntimeClassName(), CExOuterWallParts::kClassName);
    EXPECT_EQ(static_cast<CExOuterWallParts&>(*wall).GetThickness(), 20000);
    EXPECT_EQ(wall->DrawLines().size(), 4u);

    const auto room = CreateLibraryElement(*Item(30202), {0, 0});
    ASSERT_STREQ(room->GetRuntimeClassName(), CExRoomParts::kClassName);
    const auto& tatami = static_cast<CExRoomParts&>(*room);
    EXPECT_EQ(tatami.GetThickness(), 10000);
    EXPECT_EQ(tatami.GetMatWidth(), 88000);
    EXPECT_EQ(tatami.GetMatLength(), 176000);
    EXPECT_EQ(tatami.ShapeLines().size(), 4u);
    EXPECT_TRUE(tatami.DrawLines().empty());
    const auto shaped = CreateLibraryElement(*Item(30106), {0, 0});
    EXPECT_EQ(shaped->DrawLines().size(), 4u);

    const auto pillar = CreateLibraryElement(*Item(20101, 30000), {0, 0});
    ASSERT_STREQ(pillar->GetRuntimeClassName(), CExPillarParts::kClassName);
    EXPECT_DOUBLE_EQ(static_cast<CExPillarParts&>(*pillar).GetArea(), 900000000.0);

    const auto general = CreateLibraryElement(*Item(30103), {0, 0});
    EXPECT_STREQ(general->GetRuntimeClassName(), CExGeneralParts::kClassName);
    EXPECT_EQ(general->DrawLines().size(), 4u);
}

TEST_F(LibraryDrop, WallsAndRoomsSavedBeforeTheirFirstUpdateKeepTheirSize) {
    TempFolder folder;
    CExHeadlessView view(100, 25, 25);
    ExActiveViewScope active(&view);
    CKORVANEXDoc doc;
    doc.AddElement(CreateLibraryElement(*Item(10101), {1000000, 1000000}));
    doc.AddElement(CreateLibraryElement(*Item(30202), {1000000, 1000000}));
    ASSERT_TRUE(doc.OnSaveDocument(folder / "fresh.qlp"));

    CKORVANEXDoc loaded;
    ASSERT_TRUE(loaded.OnOpenDocument(folder / "fresh.qlp"));
    ASSERT_EQ(loaded.GetElementCount(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        CExParts& placed = *doc.ElementAt(i);
        CExParts& reread = *loaded.ElementAt(i);
        reread.UpdateParts();
        ASSERT_EQ(reread.DrawLines().size(), placed.DrawLines().size()) << i;
        EXPECT_EQ(reread.DrawLines()[0].scaledEnd, placed.DrawLines()[0].scaledEnd) << i;
        // At its size, not the shape's ±256 units.
        EXPECT_GT(std::abs(reread.DrawLines()[0].scaledEnd.x), 100000) << i;
    }
}

TEST_F(LibraryDrop, CablesAreLaidByTheCableToolNotDropped) {
    EXPECT_FALSE(CreateLibraryElement(*Item(50101), {0, 0}));
}

TEST_F(LibraryDrop, ADroppedCableStartsAtThePointWithItsKindsPen) {
    m_services.Cables() = {{"050102", Sjis("LANケーブル"), 3, 80}};
    m_services.Defaults().cableHeightCorrectionCm = 70;
    const auto item = Item(50102);
    const auto cable = StartLibraryCable(*item, {300000, 400000});
    EXPECT_EQ(cable->GetPartsCode(), 50102);
    EXPECT_EQ(cable->GetPartsName(), Sjis("見本"));
    EXPECT_EQ(cable->GetColor(), item->GetColor());
    EXPECT_EQ(cable->GetLineWidth(), 80);
    EXPECT_EQ(cable->GetLineStyle(), 3);
    EXPECT_EQ(cable->GetHeightCorrection(), 70);
    ASSERT_EQ(cable->GetPointCount(), 2);
    EXPECT_EQ(cable->Points()[0], (ExPoint{300000, 400000}));
    EXPECT_EQ(cable->Points()[1], (ExPoint{300000, 400000}));

    const auto unknown = StartLibraryCable(*Item(50109), {0, 0});
    EXPECT_EQ(unknown->GetLineWidth(), 2);
    EXPECT_EQ(unknown->GetLineStyle(), 0);
}

TEST_F(LibraryDrop, AnItemWithoutSizeLeavesTheElementsOwn) {
    const auto item = Item(70101, 0);
    const auto element = CreateLibraryElement(*item, {5, 5});
    const auto fresh = std::make_unique<CExGeneralParts>();
    EXPECT_EQ(element->GetWidth(), fresh->GetWidth());
    EXPECT_EQ(element->GetHeight(), fresh->GetHeight());
}

} // namespace
