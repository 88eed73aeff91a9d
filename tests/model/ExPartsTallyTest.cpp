#include "ExPartsTally.h"
#include "ExHeadlessView.h"
#include "support/EveryKindDrawing.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

namespace {

using everykind::Sjis;

class PartsTally : public ::testing::Test {
protected:
    PartsTally() { m_view.SetDocument(&m_doc); }

    void Add(int code, const char* name) {
        auto part = std::make_unique<CExGeneralParts>();
        part->SetPartsCode(code);
        part->SetPartsName(Sjis(name));
        m_doc.AddElement(std::move(part));
    }

    RecordingServices m_services;
    CKORVANEXDoc m_doc;
    CExHeadlessView m_view{100, 25, 25};
    ExActiveViewScope m_active{&m_view};
};

TEST_F(PartsTally, EqualCodesAreCountedUnderTheFirstName) {
    Add(70101, "机A");
    Add(20101, "柱");
    Add(70101, "机B");
    Add(50101, "電話線");
    Add(70101, "机C");
    Add(50201, "コンセント");

    const auto layout = BuildPartsList(m_doc, ExPartsListKind::Layout);
    ASSERT_EQ(layout.size(), 2u);
    EXPECT_EQ(layout[0].nPartsCode, 70101);
    EXPECT_EQ(layout[0].strName, Sjis("机A"));
    EXPECT_EQ(layout[0].nCount, 3);
    EXPECT_EQ(layout[1].nPartsCode, 20101);
    EXPECT_EQ(layout[1].nCount, 1);
    EXPECT_EQ(layout[1].nImage, 1);

    const auto wiring = BuildPartsList(m_doc, ExPartsListKind::Wiring);
    ASSERT_EQ(wiring.size(), 2u);
    EXPECT_EQ(wiring[0].nPartsCode, 50101);
    EXPECT_EQ(wiring[1].nPartsCode, 50201);
}

TEST_F(PartsTally, AnEmptyDrawingGivesTheHeaderAlone) {
    EXPECT_TRUE(BuildPartsList(m_doc, ExPartsListKind::Layout).empty());
    EXPECT_TRUE(BuildPartsList(m_doc, ExPartsListKind::Wiring).empty());
    EXPECT_TRUE(TallyParts(m_doc).empty());
    EXPECT_EQ(PartsTallyCsv(TallyParts(m_doc)),
              "\xEF\xBB\xBF部品名,部品コード,数量,長さ(m),面積(㎡)\r\n");
}

TEST_F(PartsTally, TheCsvOfADrawingWithEveryKind) {
    everykind::Build(m_doc);
    EXPECT_EQ(PartsTallyCsv(TallyParts(m_doc)), everykind::kCsv);
}

TEST_F(PartsTally, ACableCodeOnAnotherKindIsCountedWithoutLength) {
    Add(50103, "電源");
    const auto rows = TallyParts(m_doc);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].nLengthCm, 0);
    EXPECT_EQ(PartsTallyFields(rows[0])[3], "0.00");
}

TEST(PartsTallyCsv, FieldsAreQuotedWhenASpreadsheetWouldSplitThem) {
    const struct {
        const char* name;
        const char* field;
    } cases[] = {
        {"机", "机"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
        {" spaced ", " spaced "},
        {"", ""},
        {"=1+2", "'=1+2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"-", "'-"},
        {"+81,3", "\"'+81,3\""},
    };
    for (const auto& c : cases) {
        const ExPartsTallyRow row{70101, Sjis(c.name), 1, std::nullopt, std::nullopt};
        const std::string csv = PartsTallyCsv({row});
        const std::string line = csv.substr(csv.find("\r\n") + 2);
        EXPECT_EQ(line, std::string(c.field) + ",70101,1,,\r\n") << c.name;
    }
}

TEST(PartsTallyCsv, LengthsAreMetresWithTwoDecimals) {
    const struct {
        std::int64_t centimetres;
        const char* metres;
    } cases[] = {
        {0, "0.00"},
        {5, "0.05"},
        {10, "0.10"},
        {1205, "12.05"},
        {100, "1.00"},
        {-5, "-0.05"},
        {-1205, "-12.05"},
        {INT64_C(4294967294), "42949672.94"},
        {INT64_MIN, "-92233720368547758.08"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatMetres(c.centimetres), c.metres) << c.centimetres;
    }
}

} // namespace
