#include "ExHeadlessView.h"
#include "ExPropertyValues.h"
#include "support/PlacedParts.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int kMm = CExMeasure::kUnitMillimetre;
constexpr int kM = CExMeasure::kUnitMetre;

TEST(RulerLengthStep, MillimetreArrows) {
    const struct {
        int length;
        int step;
        int result;
    } cases[] = {
        {123400, 1, 123500},    {123400, 5, 123500},      {123000, 5, 124000},
        {123000, 20, 124000},   {120000, 20, 130000},     {123400, -1, 123300},
        {199, -1, 199},         {200, -1, 100},           {123400, -5, 123300},
        {123000, -5, 122000},   {1000, -5, 100},          {123000, -20, 122000},
        {120000, -20, 110000},  {10000, -20, 100},        {50, -1, 50},
        {9999950, 1, 10000000}, {10000000, 20, 10000000}, {20000000, 1, 20000000},
        {123400, 2, 123400},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StepRulerLength(c.length, kMm, c.step), c.result) << c.length << " by " << c.step;
    }
}

TEST(RulerLengthStep, MetreArrows) {
    const struct {
        int length;
        int step;
        int result;
    } cases[] = {
        {123400, 1, 223400},       {123400, 5, 2000000},   {1000000, 5, 2000000},
        {123400, 20, 10000000},    {250000, -1, 150000},   {99999, -1, 100},
        {100000, -1, 100},         {2500000, -5, 1000000}, {1000000, -5, 100},
        {25000000, -20, 10000000}, {10000000, -20, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StepRulerLength(c.length, kM, c.step), c.result) << c.length << " by " << c.step;
    }
}

TEST(RulerLengthEntry, DigitsInTheUnitOrNothing) {
    const struct {
        const char* text;
        int unit;
        std::optional<int> length;
    } cases[] = {
        {"1000", kMm, 100000},
        {"0", kMm, std::nullopt},
        {"", kMm, std::nullopt},
        {"12a", kMm, std::nullopt},
        {"-5", kMm, std::nullopt},
        {"1.5", kMm, std::nullopt},
        {"1.5", kM, 150000},
        {"2.3", kM, 230000},
        {"1.234", kM, 123400},
        {"5.", kM, 500000},
        {".5", kM, 50000},
        {"1.2.3", kM, std::nullopt},
        {".", kM, std::nullopt},
        {"0.000", kM, std::nullopt},
        {"0.000001", kM, std::nullopt},
        {"0.00001", kM, 1},
        {"21474836", kMm, 2147483600},
        {"21474837", kMm, std::nullopt},
        {"999999999999999", kM, std::nullopt},
        {"0000000000000011", kMm, 100}, // only the first 15 characters count
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseRulerLength(c.text, c.unit), c.length) << c.text << " unit " << c.unit;
    }
}

class RulerValuesTest : public ::testing::Test {
protected:
    CExHeadlessView m_view{100, 25, 25, 2540};
    ExActiveViewScope m_active{&m_view};
    CKORVANEXDoc m_doc;
};

TEST_F(RulerValuesTest, TypedLengthMovesTheSecondEndAndTakesStyleAndUnit) {
    CExMeasure* ruler = AddRuler(m_doc, {100000, 100000}, {150000, 100000});
    ExRulerValues values = ExRulerValues::FromPart(*ruler);
    EXPECT_EQ(values, (ExRulerValues{CExMeasure::kStyleAutomatic, kMm, 50000}));
    values = {CExMeasure::kStyleDimension, kM, 100000};
    EXPECT_TRUE(values.ApplyTo(*ruler, {}));
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{200050, 100050}));
    EXPECT_EQ(ruler->GetStyle(), CExMeasure::kStyleDimension);
    EXPECT_EQ(ruler->GetLengthText(), "1.000m");
}

TEST_F(RulerValuesTest, LengthLeavingTheSheetChangesNothing) {
    CExMeasure* ruler = AddRuler(m_doc, {2400000, 100000}, {2450000, 100000});
    const ExRulerValues values{CExMeasure::kStyleNormal, kM, 200000};
    EXPECT_FALSE(values.ApplyTo(*ruler, {}));
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{2450000, 100000}));
    EXPECT_EQ(ExRulerValues::FromPart(*ruler),
              (ExRulerValues{CExMeasure::kStyleAutomatic, kMm, 50000}));
}

TEST_F(RulerValuesTest, UnchangedLengthKeepsTheEndsAndTakesTheStyle) {
    CExMeasure* ruler = AddRuler(m_doc, {100000, 100000}, {223456, 100000});
    const ExRulerValues values{CExMeasure::kStyleNormal, kM, 123456};
    EXPECT_TRUE(values.ApplyTo(*ruler, {}));
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{223456, 100000}));
    EXPECT_EQ(ruler->GetStyle(), CExMeasure::kStyleNormal);
    EXPECT_EQ(ruler->GetLengthText(), "1.234m");
}

} // namespace
