#include "ExWiringParts.h"
#include "ExArchive.h"
#include "ExHeadlessView.h"
#include "support/RecordIO.h"
#include "support/RecordingDC.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <tuple>

namespace {

class WiringTest : public ::testing::Test {
protected:
    // One view unit per pixel and 1/100: view points are drawing points / 100.
    CExHeadlessView m_view{100, 25, 25, 2540};
    ExActiveViewScope m_active{&m_view};
};

std::unique_ptr<CExWiringParts> MakeCable(std::initializer_list<ExPoint> points) {
    auto cable = std::make_unique<CExWiringParts>();
    auto it = points.begin();
    cable->StartCable(2, *it, {}, 0);
    cable->SetLastPoint(*++it);
    while (++it != points.end()) {
        cable->AddPoint(*it);
    }
    cable->UpdateParts();
    return cable;
}

TEST_F(WiringTest, SegmentsAreTruncatedToWholeCentimetresOneByOne) {
    const auto cableOwner = MakeCable({{0, 0}, {1900, 0}, {3800, 0}});
    CExWiringParts& cable = *cableOwner;
    EXPECT_EQ(cable.GetSegmentCount(), 2);
    EXPECT_EQ(cable.GetPlainLength(), 2) << "1.9 cm + 1.9 cm = 1 + 1";
    cable.SetHeightCorrection(50);
    cable.UpdateParts();
    EXPECT_EQ(cable.GetTotalLength(), 52);
    EXPECT_EQ(cable.GetLengthText(), "0.52");
}

TEST(WiringLength, MetresWithTwoDecimals) {
    EXPECT_EQ(CExWiringParts::FormatLength(5), "0.05");
    EXPECT_EQ(CExWiringParts::FormatLength(100), "1.00");
    EXPECT_EQ(CExWiringParts::FormatLength(110), "1.10");
    EXPECT_EQ(CExWiringParts::FormatLength(1205), "12.05");
    EXPECT_EQ(CExWiringParts::FormatLength(1234), "12.34");
}

TEST_F(WiringTest, StartingTakesTheKindAndThePenOfItsSettings) {
    const std::vector<tagCABLEINFO> cables = {{"050101", "a", 0, 50}, {"050102", "b", 3, 80}};
    CExWiringParts lan;
    lan.StartCable(2, {100000, 200000}, cables, 40);
    EXPECT_EQ(lan.GetPartsCode(), 50102);
    EXPECT_EQ(lan.GetPartsName(), "LAN\x83\x50\x81\x5b\x83\x75\x83\x8b");
    EXPECT_EQ(lan.GetColor(), 0xFF5050u);
    EXPECT_EQ(lan.GetLineWidth(), 80);
    EXPECT_EQ(lan.GetLineStyle(), 3);
    EXPECT_EQ(lan.GetPointCount(), 2);
    EXPECT_EQ(lan.GetHeightCorrection(), 40);
    EXPECT_EQ(lan.ViewPoints()[1], (ExPoint{1000, 2000}));

    CExWiringParts power;
    power.StartCable(3, {0, 0}, cables, 0);
    EXPECT_EQ(power.GetLineWidth(), 2) << "no settings record: the default pen";
    EXPECT_EQ(power.GetLineStyle(), 0);
}

TEST_F(WiringTest, FinishingDropsTheFollowingVertexOrDiscards) {
    const auto cableOwner = MakeCable({{0, 0}, {10000, 0}, {10000, 10000}});
    CExWiringParts& cable = *cableOwner;
    EXPECT_TRUE(cable.FinishCable());
    EXPECT_EQ(cable.GetPointCount(), 2);
    EXPECT_EQ(cable.Points().size(), 2u);
    EXPECT_EQ(cable.DrawLines().size(), 1u);

    const auto singleOwner = MakeCable({{0, 0}, {10000, 0}});
    CExWiringParts& single = *singleOwner;
    EXPECT_FALSE(single.FinishCable());
}

TEST_F(WiringTest, PointsAreRebuiltFromEditedLines) {
    const auto cableOwner = MakeCable({{0, 0}, {10000, 0}, {10000, 10000}});
    CExWiringParts& cable = *cableOwner;
    cable.DrawLines().MutableStored()[1].scaledStart = {20000, 0};
    EXPECT_EQ(cable.PointsFromLines(), 1);
    EXPECT_EQ(cable.Points(), (std::vector<ExPoint>{{0, 0}, {20000, 0}, {10000, 10000}}));
    CExWiringParts empty;
    EXPECT_EQ(empty.PointsFromLines(), 0);
}

TEST_F(WiringTest, WideStyledCablesUseAGeometricPen) {
    const auto cableOwner = MakeCable({{0, 0}, {10000, 0}});
    CExWiringParts& cable = *cableOwner;
    cable.SetLineStyle(kPenDashDot);
    for (const auto& [width, geometric] : std::map<int, bool>{{2, false}, {50, true}, {80, true}}) {
        cable.SetLineWidth(width);
        RecordingDC dc;
        EXPECT_EQ(cable.DrawParts(&dc), 1);
        ASSERT_EQ(dc.Calls().size(), 1u);
        EXPECT_EQ(dc.Calls()[0].pen.geometric, geometric) << width;
        EXPECT_EQ(dc.Calls()[0].points.size(), 2u);
    }
}

TEST_F(WiringTest, HitRegionIsTheBoundingBoxAndFlatCablesAreWidened) {
    const auto cableOwner = MakeCable({{100000, 100000}, {300000, 100000}});
    CExWiringParts& cable = *cableOwner;
    cable.RecalcParts();
    EXPECT_EQ(cable.CornerPoints()[0], (ExPoint{1000, 1100}));
    EXPECT_EQ(cable.CornerPoints()[2], (ExPoint{3000, 900}));
    EXPECT_TRUE(cable.HitRegion().PtInRegion({2000, 1050}));
    EXPECT_FALSE(cable.HitRegion().PtInRegion({2000, 1200}));
}

TEST_F(WiringTest, EveryStoredPointMustLieOnTheSheet) {
    const auto cableOwner = MakeCable({{0, 0}, {2500000, 2500000}});
    CExWiringParts& cable = *cableOwner;
    EXPECT_EQ(cable.IsInDrawing(), 1) << "the spare third array entry is (0, 0)";
    cable.AddPoint({2500001, 10});
    EXPECT_EQ(cable.IsInDrawing(), 0);
    ExActiveViewScope none(nullptr);
    EXPECT_EQ(MakeCable({{0, 0}, {1, 1}})->IsInDrawing(), 0);
}

TEST_F(WiringTest, RecordRoundTripsInTheCurrentFormat) {
    const auto cableOwner = MakeCable({{0, 0}, {10000, 0}, {10000, 20000}});
    CExWiringParts& cable = *cableOwner;
    cable.SetLineStyle(kPenDot);
    cable.SetHeightCorrection(50);
    cable.UpdateParts();
    const std::string bytes = Store(cable);
    CExArchive in(bytes);
    ASSERT_EQ(in.ReadString(), "CExWiringParts");
    CExWiringParts loaded;
    loaded.SetFileVersion("1.1.2.0");
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetLineStyle(), kPenDot);
    EXPECT_EQ(loaded.GetPointCount(), 3);
    EXPECT_EQ(Store(loaded), bytes);
    loaded.UpdateParts();
    EXPECT_EQ(loaded.GetLengthText(), cable.GetLengthText());
}

// A format 100 record: the style sits after the width only in files of version "1.1.0.0".
std::string OldRecord(bool styleAfterWidth) {
    CExArchive out;
    out.WriteInt32(100);
    out.WriteInt32(50);
    if (styleAfterWidth) {
        out.WriteInt32(kPenDashDot);
    }
    for (int array = 0; array < 2; ++array) {
        out.WriteInt32(3);
        for (const int v : {0, 0, 10000, 0, 0, 0}) {
            out.WriteInt32(v);
        }
    }
    for (const int v : {2, 1, 0, 10, 0, 0, 0, 0}) {
        out.WriteInt32(v);
    }
    out.WriteString("x");
    out.WriteInt32(50101);
    out.WriteInt32(0xFF);
    out.WriteInt32(0);
    return out.TakeStored();
}

TEST(WiringRecord, OldFormatStyleDependsOnTheFileVersion) {
    for (const auto& [version, styleAfterWidth, style] :
         {std::tuple{"1.1.0.0", true, int{kPenDashDot}}, std::tuple{"1.1.2.0", false, 0}}) {
        const std::string bytes = OldRecord(styleAfterWidth);
        CExArchive in(bytes);
        CExWiringParts cable;
        cable.SetFileVersion(version);
        cable.Serialize(in);
        EXPECT_EQ(in.Remaining(), 0u) << version;
        EXPECT_EQ(cable.GetLineStyle(), style) << version;
        EXPECT_EQ(cable.GetPointCount(), 2);
    }
}

TEST(WiringRecord, CountsThatDoNotFitTheArraysAreAFileError) {
    std::string bytes = OldRecord(false);
    bytes.replace(8 + 2 * (4 + 24), 4, std::string("\x04\0\0\0", 4)); // 4 vertices in 3 slots
    CExArchive in(bytes);
    CExWiringParts cable;
    EXPECT_THROW(cable.Serialize(in), CExFileException);
}

TEST(CableSettings, ListFromTheWiringFolderOverriddenByStoredEntries) {
    TempFolder folder;
    const auto wiring = CableFolder(folder.Path());
    std::filesystem::create_directories(wiring);
    for (const char* name :
         {"050102LANケーブル.qvf", "050101電話線.qvf", "050103電源ケーブル.qvf"}) {
        std::ofstream(wiring / name) << "x";
    }
    std::vector<tagCABLEINFO> list = BuildCableInfoList(wiring);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].PartsID, "050101");
    EXPECT_EQ(list[0].PartsName, "\x93\x64\x98\x62\x90\xfc");
    EXPECT_EQ(list[1].PenBold, 50);
    EXPECT_EQ(FindCableInfo(list, 50103), &list[2]);
    EXPECT_EQ(FindCableInfo(list, 50104), nullptr);

    struct Store final : CExSettingsReader, CExSettingsWriter {
        std::map<std::string, std::string> values;
        int ReadInt(const std::string& key, int fallback) const override {
            const auto it = values.find(key);
            return it == values.end() ? fallback : std::stoi(it->second);
        }
        std::string ReadString(const std::string& key, const std::string& fallback) const override {
            const auto it = values.find(key);
            return it == values.end() ? fallback : it->second;
        }
        void WriteInt(const std::string& key, int value) override {
            values[key] = std::to_string(value);
        }
        void WriteString(const std::string& key, const std::string& value) override {
            values[key] = value;
        }
    } store;
    store.values = {{"App-CableInfo-Count", "2"},        {"App-CableInfo-PartsID1", "050102"},
                    {"App-CableInfo-PartsName1", "LAN"}, {"App-CableInfo-PenBold1", "80"},
                    {"App-CableInfo-PenStyle1", "2"},    {"App-CableInfo-PartsID2", "059999"},
                    {"App-CableInfo-PenBold2", "2"}};
    LoadCableInfoSettings(list, store);
    EXPECT_EQ(list[1], (tagCABLEINFO{"050102", "LAN", 2, 80}));
    EXPECT_EQ(list[0].PenBold, 50) << "an entry naming no kind is ignored";

    Store saved;
    SaveCableInfoSettings(list, saved);
    EXPECT_EQ(saved.values["App-CableInfo-Count"], "3");
    EXPECT_EQ(saved.values["App-CableInfo-PartsID3"], "050103");
    std::vector<tagCABLEINFO> reloaded = BuildCableInfoList(wiring);
    LoadCableInfoSettings(reloaded, saved);
    EXPECT_EQ(reloaded, list);

    EXPECT_TRUE(BuildCableInfoList(folder / "missing").empty());
}

} // namespace
