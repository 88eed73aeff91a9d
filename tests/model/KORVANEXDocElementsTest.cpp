#include "ExGeneralParts.h"
#include "ExMeasure.h"
#include "ExPillarParts.h"
#include "KORVANEXDoc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Parts named "a" to "e" in drawing order.
void Fill(CKORVANEXDoc& doc) {
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        auto part = std::make_unique<CExGeneralParts>();
        part->SetPartsName(name);
        doc.AddElement(std::move(part));
    }
}

std::string Order(const CKORVANEXDoc& doc) {
    std::string names;
    for (const auto& element : doc.Elements()) {
        names += element->GetPartsName();
    }
    return names;
}

class DocElementsTest : public ::testing::Test {
protected:
    DocElementsTest() { Fill(m_doc); }

    std::string Order() const { return ::Order(m_doc); }

    CKORVANEXDoc m_doc;
};

TEST(DocElements, MovingWithinTheOrder) {
    const struct {
        std::size_t from, to;
        const char* order;
    } cases[] = {
        {0, 4, "bcdea"}, {4, 0, "eabcd"}, {1, 2, "acbde"}, {3, 1, "adbce"}, {2, 2, "abcde"}};
    for (const auto& c : cases) {
        CKORVANEXDoc doc;
        Fill(doc);
        doc.MoveElement(c.from, c.to);
        EXPECT_EQ(::Order(doc), c.order) << c.from << " to " << c.to;
    }
}

TEST_F(DocElementsTest, TakingManyAndPuttingThemBackRestoresTheOrder) {
    const std::vector<std::vector<std::size_t>> cases = {{}, {0}, {4}, {1, 3}, {0, 1, 2, 3, 4}};
    for (const auto& indices : cases) {
        auto taken = m_doc.TakeElementsAt(indices);
        EXPECT_EQ(taken.size(), indices.size());
        EXPECT_EQ(m_doc.GetElementCount(), 5 - indices.size());
        m_doc.InsertElementsAt(indices, std::move(taken));
        EXPECT_EQ(Order(), "abcde");
    }
    EXPECT_EQ(m_doc.TakeElementsAt({1, 3}).size(), 2u);
    EXPECT_EQ(Order(), "ace");
}

TEST_F(DocElementsTest, PositionsOutsideTheListAreRefused) {
    EXPECT_THROW(m_doc.TakeElementsAt({3, 1}), std::out_of_range);
    EXPECT_THROW(m_doc.TakeElementsAt({5}), std::out_of_range);
    EXPECT_THROW(m_doc.TakeElementAt(5), std::out_of_range);
    EXPECT_THROW(m_doc.MoveElement(0, 5), std::out_of_range);
    EXPECT_THROW(m_doc.InsertElementAt(6, std::make_unique<CExGeneralParts>()), std::out_of_range);
    std::vector<std::unique_ptr<CExParts>> one;
    one.push_back(std::make_unique<CExGeneralParts>());
    EXPECT_THROW(m_doc.InsertElementsAt({6}, std::move(one)), std::out_of_range);
    EXPECT_EQ(Order(), "abcde");
}

TEST_F(DocElementsTest, RulersForgetElementsTakenOut) {
    auto ruler = std::make_unique<CExMeasure>();
    ruler->EndAt(0).element = m_doc.ElementAt(1);
    ruler->EndAt(1).element = m_doc.ElementAt(3);
    const CExMeasure* kept = ruler.get();
    m_doc.AddElement(std::move(ruler));
    auto taken = m_doc.TakeElementsAt({1});
    EXPECT_EQ(kept->EndAt(0).element, nullptr);
    EXPECT_EQ(kept->EndAt(1).element, m_doc.ElementAt(2));
    m_doc.TakeElementAt(2);
    EXPECT_EQ(kept->EndAt(1).element, nullptr);
}

TEST_F(DocElementsTest, PillarsAreListedWhileTheyAreInTheDrawing) {
    const CExParts* pillar = m_doc.AddElement(std::make_unique<CExPillarParts>());
    m_doc.AddElement(std::make_unique<CExPillarParts>());
    EXPECT_EQ(m_doc.Pillars().size(), 2u);
    auto taken = m_doc.TakeElementsAt({0, 5});
    EXPECT_EQ(m_doc.Pillars().size(), 1u);
    EXPECT_NE(m_doc.Pillars().front(), pillar);
    m_doc.InsertElementsAt({0, 5}, std::move(taken));
    EXPECT_EQ(m_doc.Pillars().size(), 2u);
    m_doc.RemoveAllElements();
    EXPECT_TRUE(m_doc.Pillars().empty());
}

} // namespace
