#include "ExSelection.h"
#include "ExGeneralParts.h"
#include "KORVANEXDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A drawing of parts a, b, c and d, and a script of selection operations on them.
class SelectionTest : public ::testing::Test {
protected:
    SelectionTest() {
        for (int i = 0; i < 4; ++i) {
            m_parts.push_back(m_doc.AddElement(std::make_unique<CExGeneralParts>()));
        }
    }

    CExParts* Part(char name) { return m_parts[static_cast<std::size_t>(name - 'a')]; }

    // Runs "S a" (select), "A a" (add), "T a" (toggle), "R a" (remove), "C" (clear).
    void Run(const std::string& script) {
        for (std::size_t i = 0; i < script.size(); i += 4) {
            CExParts* part = i + 2 < script.size() ? Part(script[i + 2]) : nullptr;
            CExSelection& s = m_doc.Selection();
            switch (script[i]) {
            case 'S':
                s.Select(part);
                break;
            case 'A':
                s.Add(part);
                break;
            case 'T':
                s.Toggle(part);
                break;
            case 'R':
                s.Remove(part);
                break;
            default:
                s.Clear();
            }
        }
    }

    // The list by names; every flag must agree with it.
    std::string Selected() const {
        std::string names;
        for (const CExParts* part : m_doc.SelectionList()) {
            names += static_cast<char>(
                'a' + (std::find(m_parts.begin(), m_parts.end(), part) - m_parts.begin()));
        }
        for (const CExParts* part : m_parts) {
            const bool listed =
                std::find(m_doc.SelectionList().begin(), m_doc.SelectionList().end(), part) !=
                m_doc.SelectionList().end();
            EXPECT_EQ(part->GetSelectFlag(), listed ? 1 : 0);
        }
        return names;
    }

    CKORVANEXDoc m_doc;
    std::vector<CExParts*> m_parts;
};

TEST_F(SelectionTest, OperationsKeepTheListAndTheFlagsTogether) {
    const struct {
        const char* script;
        const char* selected;
    } cases[] = {
        {"S a", "a"},         {"S a S b", "b"},       {"A a A b A a", "ab"},
        {"A a A b T a", "b"}, {"A a T b T c", "abc"}, {"A a A b R a", "b"},
        {"A a A b C", ""},    {"A c A b S d", "d"},   {"R a T a T a", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        m_doc.Selection().Clear();
        Run(c.script);
        EXPECT_EQ(Selected(), c.selected);
    }
}

TEST_F(SelectionTest, ThePrimaryPartIsTheHeadOfTheList) {
    EXPECT_EQ(m_doc.Selection().Primary(), nullptr);
    Run("A c A a");
    EXPECT_EQ(m_doc.Selection().Primary(), Part('c'));
    EXPECT_EQ(m_doc.Selection().Count(), 2u);
    EXPECT_TRUE(CExSelection::IsSelected(*Part('a')));
    EXPECT_FALSE(CExSelection::IsSelected(*Part('b')));
    Run("T c");
    EXPECT_EQ(m_doc.Selection().Primary(), Part('a'));
}

TEST_F(SelectionTest, AnElementLeavingTheDrawingLeavesTheSelection) {
    Run("A a A b A c");
    const std::unique_ptr<CExParts> removed = m_doc.RemoveElement(Part('b'));
    EXPECT_EQ(removed->GetSelectFlag(), 0);
    m_parts.erase(m_parts.begin() + 1);
    EXPECT_EQ(Selected(), "ab"); // a and what was c
    const auto taken = m_doc.TakeElementsAt({0, 1});
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0]->GetSelectFlag(), 0);
    EXPECT_EQ(taken[1]->GetSelectFlag(), 0);
    EXPECT_TRUE(m_doc.SelectionList().empty());
}

} // namespace
