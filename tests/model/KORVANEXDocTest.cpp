#include "KORVANEXDoc.h"
#include "ExArchive.h"
#include "ExException.h"
#include "ExFileIO.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "support/RecordIO.h"
#include "support/RecordingServices.h"
#include "support/ShapeBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

std::unique_ptr<CExGeneralParts> MakePart(int x, int y, const std::string& name) {
    auto part = std::make_unique<CExGeneralParts>();
    const std::string shape = ShapeBuilder().FullSquare().Move(0, 0).Line(0, 200).End().Bytes();
    part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    part->SetPartsCode(70101);
    part->SetPartsName(name);
    part->SetColor(0x204080);
    part->SetPosition(x, y);
    part->UpdateParts();
    part->RecalcParts();
    return part;
}

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
    std::int32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

class DocTest : public ::testing::Test {
protected:
    CExHeadlessView m_view{100, 25, 25, 96};
    ExActiveViewScope m_active{&m_view};
    RecordingServices m_services;
};

// Writes the first bytes of its record, then meets a full disk.
class PartThatFailsHalfway final : public CExGeneralParts {
public:
    void Serialize(CExArchive& ar) override {
        ar.SetWriteLimit(ar.Position() + 30);
        CExGeneralParts::Serialize(ar);
    }
};

TEST_F(DocTest, EmptyDrawingIsSeventyTwoBytes) {
    CKORVANEXDoc doc;
    doc.ViewSettings() = {{1250000, 1250000}, 100, 6, 100, 25, 25, 1, 1, 1};
    const std::string bytes = Store(doc);
    ASSERT_EQ(bytes.size(), 72u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("KORVNEX\0", 8));
    EXPECT_EQ(Int32At(bytes, 8), 8);
    EXPECT_EQ(bytes.substr(12, 8), std::string("1.1.2.0\0", 8));
    EXPECT_EQ(Int32At(bytes, 20), 33009);
    EXPECT_EQ(Int32At(bytes, 24), 32781);
    EXPECT_EQ(Int32At(bytes, 28), 1250000);
    EXPECT_EQ(Int32At(bytes, 48), 25);
    EXPECT_EQ(Int32At(bytes, 68), 0);
}

TEST_F(DocTest, TwoPartsWriteReadWriteByteForByte) {
    CKORVANEXDoc doc;
    doc.AddElement(MakePart(100000, 200000, "\x8a\xf7")); // 机
    doc.AddElement(MakePart(300000, 400000, ""));
    doc.ViewSettings() = {{5, 6}, 50, 8, 50, 30, 20, 0, 1, 0};
    doc.SetViewMode(excommand::kWiringView);
    const std::string first = Store(doc);

    CExArchive in(first);
    CKORVANEXDoc loaded;
    loaded.Serialize(in);
    EXPECT_TRUE(loaded.IsComplete());
    ASSERT_EQ(loaded.GetElementCount(), 2u);
    EXPECT_STREQ(loaded.ElementAt(0)->GetRuntimeClassName(), "CExGeneralParts");
    EXPECT_EQ(loaded.ElementAt(0)->GetPartsName(), "\x8a\xf7");
    EXPECT_EQ(loaded.GetViewMode(), excommand::kWiringView);
    EXPECT_EQ(loaded.GetFileVersion(), "1.1.2.0");
    ASSERT_TRUE(loaded.HasPendingViewSettings());
    EXPECT_EQ(loaded.TakePendingViewSettings(), doc.ViewSettings());
    EXPECT_FALSE(loaded.HasPendingViewSettings());
    EXPECT_EQ(Store(loaded), first);
    EXPECT_TRUE(m_services.Messages().empty());
}

TEST_F(DocTest, OtherVersionStringsReadWithTheSameLayout) {
    CKORVANEXDoc doc;
    doc.AddElement(MakePart(1, 1, "a"));
    std::string bytes = Store(doc);
    bytes.replace(12, 8, std::string("1.0.0.0\0", 8));
    CExArchive in(bytes);
    CKORVANEXDoc loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded.GetFileVersion(), "1.0.0.0");
    EXPECT_EQ(loaded.GetElementCount(), 1u);
}

TEST_F(DocTest, OnlyTheFourModeToolsAreReadAsTheDrawingsTool) {
    struct Case {
        int stored, read;
    };
    for (const Case& c : {Case{32781, 32781}, Case{32783, 32783}, Case{32784, 32784},
                          Case{32898, 32898}, Case{32782, 32781}, Case{0, 32781}, Case{-1, 32781},
                          Case{33009, 32781}, Case{INT32_MIN, 32781}}) {
        CKORVANEXDoc doc;
        doc.SetEditTool(c.stored);
        const std::string bytes = Store(doc);
        CExArchive in(bytes);
        CKORVANEXDoc loaded;
        loaded.Serialize(in);
        EXPECT_EQ(loaded.GetEditTool(), c.read) << c.stored;
    }
}

TEST_F(DocTest, PartsOutsideTheSheetAreLeftOutAndNotCounted) {
    CKORVANEXDoc doc;
    doc.AddElement(MakePart(100000, 100000, "in"));
    doc.AddElement(MakePart(2600000, 100000, "out"));
    doc.AddElement(MakePart(2500000, 2500000, "edge"));
    const std::string bytes = Store(doc);
    EXPECT_EQ(Int32At(bytes, 68), 2);
    CExArchive in(bytes);
    CKORVANEXDoc loaded;
    loaded.Serialize(in);
    ASSERT_EQ(loaded.GetElementCount(), 2u);
    EXPECT_EQ(loaded.ElementAt(1)->GetPartsName(), "edge");
}

TEST_F(DocTest, WrongSignatureIsRefused) {
    CKORVANEXDoc doc;
    std::string bytes = Store(doc);
    for (const std::string& signature :
         {std::string("KORVNEY\0", 8), std::string("KORVNEXX", 8), std::string("KORV\0EX\0", 8)}) {
        bytes.replace(0, 8, signature);
        CExArchive in(bytes);
        CKORVANEXDoc loaded;
        EXPECT_THROW(loaded.Serialize(in), CExException);
    }
    ASSERT_EQ(m_services.Messages().size(), 3u);
    EXPECT_EQ(m_services.Messages()[0].text, "ファイル読み込みに失敗しました");
}

TEST_F(DocTest, EveryTruncationFailsCleanlyWithOneMessage) {
    CKORVANEXDoc doc;
    doc.AddElement(MakePart(100000, 100000, "one"));
    doc.AddElement(MakePart(200000, 100000, "two"));
    const std::string bytes = Store(doc);
    const std::size_t firstElementEnd = 72 + (bytes.size() - 72) / 2;
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        RecordingServices services;
        const std::string truncated = bytes.substr(0, length);
        CExArchive in(truncated);
        CKORVANEXDoc loaded;
        bool threw = false;
        try {
            loaded.Serialize(in);
        } catch (const CExException&) {
            threw = true;
        }
        ASSERT_EQ(services.Messages().size(), 1u) << "length " << length;
        EXPECT_EQ(services.Messages()[0].text, "ファイル読み込みに失敗しました");
        if (!threw) {
            // Cut inside an element's common record: the elements before it stay.
            EXPECT_FALSE(loaded.IsComplete());
            EXPECT_EQ(loaded.GetElementCount(), length < firstElementEnd ? 0u : 1u);
        }
    }
}

TEST_F(DocTest, ImpossibleCountsFailFast) {
    CKORVANEXDoc doc;
    std::string bytes = Store(doc);
    bytes.replace(68, 4, std::string("\xff\xff\xff\x7f", 4));
    CExArchive in(bytes);
    CKORVANEXDoc loaded;
    EXPECT_THROW(loaded.Serialize(in), CExException);
    EXPECT_EQ(loaded.GetElementCount(), 0u);
}

TEST_F(DocTest, UnknownClassNameIsAFileError) {
    CKORVANEXDoc doc;
    doc.AddElement(MakePart(1, 1, "a"));
    std::string bytes = Store(doc);
    bytes[76] = 'X'; // "CExGeneralParts" becomes "XExGeneralParts"
    CExArchive in(bytes);
    CKORVANEXDoc loaded;
    EXPECT_THROW(loaded.Serialize(in), CExException);
    ASSERT_EQ(m_services.Messages().size(), 1u);
}

TEST_F(DocTest, FilesOpenAndSaveThroughTheDisk) {
    TempFolder folder;
    CKORVANEXDoc doc;
    doc.AddElement(MakePart(100000, 100000, "a"));
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(folder / "plan.qlp"));
    EXPECT_FALSE(doc.IsModified());
    CKORVANEXDoc loaded;
    ASSERT_TRUE(loaded.OnOpenDocument(folder / "plan.qlp"));
    EXPECT_EQ(loaded.GetElementCount(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no temporary file is left behind";
}

TEST_F(DocTest, OpeningAMissingOrBrokenFileFailsWithAMessage) {
    TempFolder folder;
    folder.Write("broken.qlp", "KORVNEX");
    CKORVANEXDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(folder / "missing.qlp"));
    EXPECT_FALSE(doc.OnOpenDocument(folder / "broken.qlp"));
    EXPECT_FALSE(doc.OnOpenDocument(folder.Path()));
    ASSERT_EQ(m_services.Messages().size(), 3u);
    const std::string reasons[] = {"ファイルまたはフォルダーがありません",
                                   "クイルプランの図面ではありません",
                                   "ファイルではなくフォルダーです"};
    const std::filesystem::path files[] = {folder / "missing.qlp", folder / "broken.qlp",
                                           folder.Path()};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m_services.Messages()[i].text, "ファイル読み込みに失敗しました\n" +
                                                     files[i].string() + "（" + reasons[i] + "）");
    }
}

TEST(FileReasonTest, TheUsualCausesAreToldInTheProgramsWords) {
    const struct {
        int error;
        const char* reason;
    } cases[] = {
        {ENOENT, "ファイルまたはフォルダーがありません"},
        {EACCES, "アクセスする権限がありません"},
        {ENOSPC, "ディスクの空き容量が足りません"},
        {EDQUOT, "ディスクの空き容量が足りません"},
        {EROFS, "書き込みできない場所です"},
        {EISDIR, "ファイルではなくフォルダーです"},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(exfile::ReasonText({entry.error, std::system_category()}), entry.reason);
    }
    const std::error_code other(EIO, std::system_category());
    EXPECT_EQ(exfile::ReasonText(other), other.message());
}

TEST_F(DocTest, FailedSaveLeavesTheOldFileUntouched) {
    TempFolder folder;
    folder.Write("plan.qlp", "the drawing already on disk");
    CKORVANEXDoc doc;
    doc.AddElement(MakePart(100000, 100000, "kept"));
    doc.AddElement(std::make_unique<PartThatFailsHalfway>());
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(folder / "plan.qlp"));
    EXPECT_EQ(folder.Read("plan.qlp"), "the drawing already on disk");
    ASSERT_EQ(m_services.Messages().size(), 1u);
    EXPECT_EQ(m_services.Messages()[0].text, "ファイル保存に失敗しました");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    EXPECT_FALSE(doc.OnSaveDocument(folder / "no-such-folder" / "plan.qlp"));
    EXPECT_EQ(m_services.Messages().size(), 2u);
}

// While it lives, files of this process cannot grow beyond the given size: writing further
// fails with EFBIG, as a full disk would fail a write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

TEST_F(DocTest, AWriteFailingInTheMiddleOfALargeDrawingIsReportedAndKeepsTheOldFile) {
    TempFolder folder;
    folder.Write("plan.qlp", "the drawing already on disk");
    CKORVANEXDoc doc;
    for (int i = 0; i < 20000; ++i) {
        doc.AddElement(MakePart(100000 + i, 100000, "desk"));
    }
    doc.SetModifiedFlag();
    {
        const FileSizeLimit limit(3 << 20);
        EXPECT_FALSE(doc.OnSaveDocument(folder / "plan.qlp"));
    }
    EXPECT_EQ(folder.Read("plan.qlp"), "the drawing already on disk");
    ASSERT_EQ(m_services.Messages().size(), 1u);
    EXPECT_EQ(m_services.Messages()[0].text,
              "ファイル保存に失敗しました\n" + (folder / "plan.qlp").string() + "（" +
                  exfile::ReasonText({EFBIG, std::generic_category()}) + "）");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "the temporary file is removed";

    ASSERT_TRUE(doc.OnSaveDocument(folder / "plan.qlp"));
    EXPECT_GT(std::filesystem::file_size(folder / "plan.qlp"), std::uintmax_t{3} << 20);
}

class Recorder final : public CExDocObserver {
public:
    void OnDocumentUpdate(CExDocObserver*, const ExDocUpdate& update) override {
        hints.push_back(static_cast<int>(update.kind));
    }
    std::vector<int> hints;
};

TEST_F(DocTest, UpdatesReachEveryObserverButTheSender) {
    CKORVANEXDoc doc;
    Recorder a;
    Recorder b;
    doc.AddObserver(&a);
    doc.AddObserver(&b);
    doc.UpdateAllViews(&a, ExDocUpdate::ZoomChanged());
    doc.UpdateAllViews(nullptr, ExDocUpdate::RedrawAll());
    doc.RemoveObserver(&b);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(a.hints, (std::vector<int>{11, 0}));
    EXPECT_EQ(b.hints, (std::vector<int>{6, 11}));
}

TEST_F(DocTest, RemovingAnElementTakesItOutOfEveryList) {
    CKORVANEXDoc doc;
    CExParts* first = doc.AddElement(MakePart(1, 1, "a"));
    CExParts* second = doc.AddElement(MakePart(2, 2, "b"));
    doc.Selection().Add(first);
    doc.Selection().Add(second);
    doc.CopyList() = {first};
    EXPECT_EQ(doc.FindElement(second), 1);
    std::unique_ptr<CExParts> removed = doc.RemoveElement(first);
    EXPECT_EQ(removed.get(), first);
    EXPECT_EQ(doc.SelectionList(), (std::vector<CExParts*>{second}));
    EXPECT_TRUE(doc.CopyList().empty());
    EXPECT_EQ(doc.FindElement(first), -1);
    EXPECT_EQ(doc.RemoveElement(first), nullptr);
}

} // namespace
