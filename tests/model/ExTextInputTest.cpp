#include "ExTextInput.h"

#include "ExStringParts.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// 会 and 亜 in code page 932, and a half-width katakana ｱ (one byte).
const std::string kKai = "\x89\xEF";
const std::string kA = "\x88\x9F";
const std::string kHalfA = "\xB1";

// A text of byte width w = 20000 centred at x = 100000, with the caret after its last byte.
struct Typing {
    explicit Typing(const std::string& initial) {
        text.SetWidth(40000);
        text.SetHeight(50000);
        text.SetPosition(100000, 100000);
        text.InsertString(initial, -1);
        input.Begin(&text);
    }
    int CaretX() const { return input.CaretPoint(text).x; }

    CExStringParts text;
    CExTextInput input;
};

} // namespace

TEST(TextInputTest, TheByteStreamGivesWholeCharacters) {
    CExTextInput input;
    EXPECT_EQ(input.Feed('A'), std::optional<std::string>("A"));
    EXPECT_EQ(input.Feed(0x89), std::nullopt);
    EXPECT_TRUE(input.HasPendingLeadByte());
    EXPECT_EQ(input.Feed(0xEF), std::optional<std::string>(kKai));
    EXPECT_FALSE(input.HasPendingLeadByte());
    EXPECT_EQ(input.Feed(0xB1), std::optional<std::string>(kHalfA));
    // Whatever follows a lead byte is its second byte.
    EXPECT_EQ(input.Feed(0xE0), std::nullopt);
    EXPECT_EQ(input.Feed(0x81), std::optional<std::string>("\xE0\x81"));
}

TEST(TextInputTest, StartingPutsTheCaretAfterTheTextAndDropsAPendingLeadByte) {
    CExStringParts text;
    text.InsertString("A" + kKai, -1);
    CExTextInput input;
    input.Feed(0x89);
    input.Begin(&text);
    EXPECT_EQ(input.CaretIndex(), 3);
    EXPECT_FALSE(input.HasPendingLeadByte());
    input.Begin(nullptr);
    EXPECT_EQ(input.CaretIndex(), 0);
}

// Each edit as the caret sees it: how far it moves (w = 20000 per byte) and how its byte index
// changes.
TEST(TextInputTest, TheCaretMovesByHalfOrWholeCharacters) {
    using Step = std::function<bool(Typing&)>;
    const Step left = [](Typing& t) { return t.input.Left(t.text); };
    const Step right = [](Typing& t) { return t.input.Right(t.text); };
    struct Case {
        const char* what;
        std::string initial;
        std::vector<Step> before; // caret moves that set the case up
        Step step;
        bool changed;
        int dx;
        int dIndex;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"insert one byte",
         "AB",
         {},
         [](Typing& t) { return t.input.Insert(t.text, "C"); },
         true,
         10000,
         1,
         "ABC"},
        {"insert two bytes",
         "AB",
         {left},
         [](Typing& t) { return t.input.Insert(t.text, kKai); },
         true,
         20000,
         2,
         "A" + kKai + "B"},
        {"backspace over two bytes",
         "A" + kKai,
         {},
         [](Typing& t) { return t.input.DeleteBefore(t.text); },
         true,
         -20000,
         -2,
         "A"},
        {"backspace over one byte",
         kKai + "A",
         {},
         [](Typing& t) { return t.input.DeleteBefore(t.text); },
         true,
         -10000,
         -1,
         kKai},
        {"backspace at the start",
         "AB",
         {left, left},
         [](Typing& t) { return t.input.DeleteBefore(t.text); },
         false,
         0,
         0,
         "AB"},
        {"delete two bytes",
         "A" + kKai,
         {left},
         [](Typing& t) { return t.input.DeleteAfter(t.text); },
         true,
         20000,
         0,
         "A"},
        {"delete one byte",
         kKai + "A",
         {left},
         [](Typing& t) { return t.input.DeleteAfter(t.text); },
         true,
         10000,
         0,
         kKai},
        {"delete at the end",
         "AB",
         {},
         [](Typing& t) { return t.input.DeleteAfter(t.text); },
         false,
         0,
         0,
         "AB"},
        {"left over two bytes", "A" + kKai, {}, left, true, -40000, -2, "A" + kKai},
        {"left over a half-width katakana",
         kKai + kHalfA,
         {},
         left,
         true,
         -20000,
         -1,
         kKai + kHalfA},
        {"left at the start", kA, {left}, left, false, 0, 0, kA},
        {"right over two bytes", kKai + "A", {left, left}, right, true, 40000, 2, kKai + "A"},
        {"right at the end", kKai, {}, right, false, 0, 0, kKai},
        {"a lone lead byte at the end is one byte", "A\x89", {}, left, true, -20000, -1, "A\x89"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Typing typing(c.initial);
        for (const Step& move : c.before) {
            move(typing);
        }
        const int x = typing.CaretX();
        const int index = typing.input.CaretIndex();
        EXPECT_EQ(c.step(typing), c.changed);
        EXPECT_EQ(typing.CaretX() - x, c.dx);
        EXPECT_EQ(typing.input.CaretIndex() - index, c.dIndex);
        EXPECT_EQ(typing.text.GetPartsName(), c.after);
    }
}

TEST(TextInputTest, TheCaretStandsAtTheTopOfTheLine) {
    Typing typing("AB");
    EXPECT_EQ(typing.input.CaretPoint(typing.text), (ExPoint{120000, 125000}));
    typing.input.Left(typing.text);
    typing.input.Left(typing.text);
    EXPECT_EQ(typing.input.CaretPoint(typing.text), (ExPoint{80000, 125000}));
}

TEST(TextInputTest, CharactersAreCountedFromTheStartOfTheLine) {
    // 0x89 0x41 is one character although 0x41 alone would be "A".
    const std::string text = "A\x89\x41" + kHalfA;
    const std::vector<std::pair<int, int>> before = {{0, 0}, {1, 1}, {3, 2}, {4, 1}, {9, 1}};
    for (const auto& [index, length] : before) {
        EXPECT_EQ(CExTextInput::CharacterLengthBefore(text, index), length) << index;
    }
    const std::vector<std::pair<int, int>> at = {{0, 1}, {1, 2}, {3, 1}, {4, 0}, {-1, 0}};
    for (const auto& [index, length] : at) {
        EXPECT_EQ(CExTextInput::CharacterLengthAt(text, index), length) << index;
    }
}

TEST(TextInputTest, ANewTextGoesToTheMiddleOfTheSheetInAnAxisBeyondIt) {
    const ExPoint sheet{2500000, 2000000};
    const std::vector<std::pair<ExPoint, ExPoint>> cases = {
        {{300000, 400000}, {300000, 400000}}, {{0, 2000000}, {0, 2000000}},
        {{-1, 400000}, {1250000, 400000}},    {{300000, 2000001}, {300000, 1000000}},
        {{2600000, -5}, {1250000, 1000000}},
    };
    for (const auto& [centre, expected] : cases) {
        EXPECT_EQ(CExTextInput::NewTextPosition(centre, sheet), expected);
    }
}

TEST(TextInputTest, ANewTextHasTheDefaultsOfATypedText) {
    const auto text = CExTextInput::NewText({300000, 400000});
    EXPECT_EQ(text->GetPartsCode(), excode::kText);
    EXPECT_EQ(text->GetPosition(), (ExPoint{300000, 400000}));
    EXPECT_EQ(text->GetLineWidth(), 60);
    EXPECT_EQ(text->GetWidth(), 50000);
    EXPECT_EQ(text->GetHeight(), 50000);
    EXPECT_EQ(text->GetAngle(), 0);
    EXPECT_EQ(text->GetColor(), 0u);
    EXPECT_TRUE(text->GetPartsName().empty());
}
