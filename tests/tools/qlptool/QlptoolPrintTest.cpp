#include "ExHeadlessView.h"
#include "KORVANEXDoc.h"
#include "support/PlacedParts.h"
#include "support/QlptoolRun.h"
#include "support/ShapeBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kMetre = 100000;

// A grey picture of a PDF page as poppler draws it.
struct Page {
    int width = 0;
    int height = 0;
    std::string pixels;

    bool Ink(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               static_cast<unsigned char>(pixels[std::size_t(y) * width + x]) < 200;
    }
    // Whether any pixel of the rectangle (in pixels) is inked.
    bool InkIn(int left, int top, int right, int bottom) const {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (Ink(x, y)) {
                    return true;
                }
            }
        }
        return false;
    }
};

class QlptoolPrintTest : public ::testing::Test {
protected:
    // Saves a drawing of the given sheet; the fill adds its parts.
    template <typename Fill>
    fs::path Save(const std::string& name, int widthM, int heightM, Fill fill) {
        CKORVANEXDoc doc;
        CExHeadlessView view(100, widthM, heightM);
        view.SetDocument(&doc);
        ExActiveViewScope active(&view);
        doc.ViewSettings().mapWidth = widthM;
        doc.ViewSettings().mapHeight = heightM;
        fill(doc);
        const fs::path path = m_temp / name;
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    int Print(const fs::path& drawing, const std::string& options, const std::string& pdf) {
        return RunTool("print " + drawing.string() + " " + (m_temp / pdf).string() + " " + options,
                       Errors())
            .exitCode;
    }

    fs::path Errors() const { return m_temp / "err.txt"; }

    int PageCount(const std::string& pdf) {
        std::istringstream lines(RunCommand("pdfinfo " + (m_temp / pdf).string()).output);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("Pages:", 0) == 0) {
                return std::stoi(line.substr(6));
            }
        }
        return 0;
    }

    // Page (from 1) of a PDF at a resolution, optionally only a crop of it (pixels).
    Page Render(const std::string& pdf, int page, int dpi, const std::string& crop = "") {
        const fs::path out = m_temp / "page";
        RunCommand("pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " -f " +
                   std::to_string(page) + " -l " + std::to_string(page) + " " + crop + " " +
                   (m_temp / pdf).string() + " " + out.string());
        const std::string bytes = ReadFile(out.string() + ".pgm");
        std::istringstream header(bytes);
        std::string magic;
        int maxValue = 0;
        Page result;
        header >> magic >> result.width >> result.height >> maxValue;
        const std::size_t start = static_cast<std::size_t>(header.tellg()) + 1;
        EXPECT_EQ(magic, "P5");
        result.pixels = bytes.substr(start);
        EXPECT_EQ(result.pixels.size(), std::size_t(result.width) * result.height);
        return result;
    }

    std::string Text(const std::string& pdf) {
        return RunCommand("pdftotext " + (m_temp / pdf).string() + " -").output;
    }

    TempFolder m_temp;
};

// Two 1 m squares in the sheet's bottom-left and top-right corners.
auto CornerSquares(int widthM, int heightM) {
    return [=](CKORVANEXDoc& doc) {
        AddGeneralPart(doc, {kMetre / 2, kMetre / 2}, kMetre);
        AddGeneralPart(doc, {widthM * kMetre - kMetre / 2, heightM * kMetre - kMetre / 2}, kMetre);
    };
}

} // namespace

TEST_F(QlptoolPrintTest, FittedSheetIsOnePageWithTheDrawingCentred) {
    const fs::path plan = Save("plan.qlp", 20, 15, CornerSquares(20, 15));
    ASSERT_EQ(Print(plan, "", "fit.pdf"), 0) << ReadFile(Errors());
    EXPECT_EQ(PageCount("fit.pdf"), 1);
    const Page page = Render("fit.pdf", 1, 50);
    int left = page.width, right = -1, top = page.height, bottom = -1;
    for (int y = 0; y < page.height; ++y) {
        for (int x = 0; x < page.width; ++x) {
            if (page.Ink(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    // The sheet with its scale bar above it: as much white on either side.
    EXPECT_NEAR(left, page.width - 1 - right, 2);
    EXPECT_NEAR(top, page.height - 1 - bottom, 2);
    EXPECT_GT(right - left, page.width * 8 / 10) << "the sheet fills the page's width";
}

TEST_F(QlptoolPrintTest, ChosenScaleTilesThePagesFromTheSheetsBottomLeftCorner) {
    const fs::path plan = Save("plan.qlp", 20, 15, CornerSquares(20, 15));
    ASSERT_EQ(Print(plan, "--scale 50 --paper A4", "tiles.pdf"), 0) << ReadFile(Errors());
    EXPECT_EQ(PageCount("tiles.pdf"), 6); // 400 mm × 300 mm of sheet on 190 mm × 277 mm
    // At 50 dpi the printable area runs from 20 to 394 across and 20 to 565 down; the 1 m
    // square is 20 mm, 39 pixels.
    const Page first = Render("tiles.pdf", 1, 50);
    EXPECT_TRUE(first.InkIn(14, 520, 64, 568)) << "the bottom-left square";
    EXPECT_FALSE(first.InkIn(60, 20, 394, 520)) << "nothing else of the sheet";
    EXPECT_TRUE(first.InkIn(200, 568, 394, 584)) << "the page mark below the drawing";
    const Page last = Render("tiles.pdf", 6, 50);
    // Page 3-2 shows 380 to 570 mm across and 277 to 554 mm up: the top-right square's left
    // 20 mm at its left edge, 3 to 23 mm above the printable area's bottom.
    EXPECT_TRUE(last.InkIn(14, 514, 64, 563)) << "the top-right square";
}

TEST_F(QlptoolPrintTest, FormsPickTheWiringOrEverythingElseIncludingHiddenMeasurements) {
    const fs::path plan = Save("plan.qlp", 20, 15, [](CKORVANEXDoc& doc) {
        AddGeneralPart(doc, {2 * kMetre, 2 * kMetre}, kMetre);
        AddCable(doc, {{12 * kMetre, 2 * kMetre}, {18 * kMetre, 2 * kMetre}}, 0);
        AddRuler(doc, {2 * kMetre, 12 * kMetre}, {8 * kMetre, 12 * kMetre});
        AddArea(
            doc,
            {{12 * kMetre, 10 * kMetre}, {18 * kMetre, 10 * kMetre}, {18 * kMetre, 13 * kMetre}});
        doc.ViewSettings().showMeasure = 0;
        doc.ViewSettings().showArea = 0;
    });
    // Quarters of the sheet in metres: left, bottom, right, top.
    struct Quarter {
        const char* name;
        double left, bottom, right, top;
    };
    const Quarter furniture{"furniture", 0, 0, 10, 7.5};
    const Quarter cable{"cable", 10, 0, 20, 7.5};
    const Quarter ruler{"ruler", 0, 7.5, 10, 15};
    const Quarter area{"area", 10, 7.5, 20, 15};
    const struct {
        const char* form;
        std::vector<Quarter> inked;
        std::vector<Quarter> blank;
    } cases[] = {{"whole", {furniture, cable, ruler, area}, {}},
                 {"layout", {furniture, ruler, area}, {cable}},
                 {"wiring", {cable}, {furniture, ruler, area}}};
    // At 1/110 the sheet takes one page, its bottom-left corner at the printable area's.
    constexpr double kDpi = 30;
    auto pixel = [&](double metres, double marginMm, double sign) {
        return (marginMm + sign * metres * 1000 / 110) * kDpi / 25.4;
    };
    for (const auto& c : cases) {
        const std::string pdf = std::string(c.form) + ".pdf";
        ASSERT_EQ(Print(plan, std::string("--scale 110 --form ") + c.form, pdf), 0)
            << ReadFile(Errors());
        ASSERT_EQ(PageCount(pdf), 1);
        const Page page = Render(pdf, 1, static_cast<int>(kDpi));
        auto inked = [&](const Quarter& q) {
            return page.InkIn(static_cast<int>(pixel(q.left, 10, 1)) + 2,
                              static_cast<int>(pixel(q.top, 287, -1)) + 2,
                              static_cast<int>(pixel(q.right, 10, 1)) - 2,
                              static_cast<int>(pixel(q.bottom, 287, -1)) - 2);
        };
        for (const Quarter& q : c.inked) {
            EXPECT_TRUE(inked(q)) << c.form << ": " << q.name;
        }
        for (const Quarter& q : c.blank) {
            EXPECT_FALSE(inked(q)) << c.form << ": " << q.name;
        }
    }
}

TEST_F(QlptoolPrintTest, ScaleBarIsAsLongAsTheSheetWidthAsksAndLabelled) {
    // On an empty sheet the bar's foot is the longest run of ink, its label right of it.
    const struct {
        int widthM;
        double barMm; // 1 m at the fitted 1/28, 50 cm at the fitted 1/11
    } cases[] = {{5, 100000 / 28 / 100.0}, {2, 50000 / 11 / 100.0}};
    constexpr int kDpi = 100;
    for (const auto& c : cases) {
        const fs::path plan = Save("bar.qlp", c.widthM, c.widthM, [](CKORVANEXDoc&) {});
        ASSERT_EQ(Print(plan, "", "bar.pdf"), 0) << ReadFile(Errors());
        const Page page = Render("bar.pdf", 1, kDpi);
        int longest = 0, row = 0, end = 0;
        for (int y = 0; y < page.height; ++y) {
            for (int x = 0, run = 0; x < page.width; ++x) {
                run = page.Ink(x, y) ? run + 1 : 0;
                if (run > longest) {
                    longest = run;
                    row = y;
                    end = x;
                }
            }
        }
        EXPECT_NEAR(longest * 25.4 / kDpi, c.barMm, 0.5) << c.widthM;
        EXPECT_TRUE(page.InkIn(end + 2, row - 40, end + 40, row + 2)) << c.widthM << ": label";
    }
}

TEST_F(QlptoolPrintTest, AMetrePrintedAtOneFiftiethMeasuresTwentyMillimetres) {
    // A 1 m square: its edges are 1 000 mm lines.
    const fs::path plan = Save("line.qlp", 20, 15, [](CKORVANEXDoc& doc) {
        AddGeneralPart(doc, {5 * kMetre, 5 * kMetre}, kMetre);
    });
    ASSERT_EQ(Print(plan, "--scale 50", "line.pdf"), 0) << ReadFile(Errors());
    // The square's bottom edge runs from 100 to 120 mm across, 197 mm down the page: at
    // 1200 dpi pixels 4724 to 5669 across and row 9307.
    const Page crop = Render("line.pdf", 1, 1200, "-x 4500 -y 9250 -W 1400 -H 110");
    int left = crop.width, right = -1;
    for (int y = 0; y < crop.height; ++y) {
        for (int x = 0; x < crop.width; ++x) {
            if (crop.Ink(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left) << "the edge is on the page";
    int thickness = 0;
    for (int y = 0; y < crop.height; ++y) {
        thickness += crop.Ink((left + right) / 2, y) ? 1 : 0;
    }
    // The sides' outer halves reach half the pen's width past either end of the edge.
    EXPECT_NEAR((right - left + 1 - thickness) * 25.4 / 1200, 20.0, 0.1);
}

TEST_F(QlptoolPrintTest, PagesArePackedAtAFasterLevelThanQtsOwn) {
    const fs::path plan = Save("plan.qlp", 20, 15, CornerSquares(20, 15));
    ASSERT_EQ(Print(plan, "", "packed.pdf"), 0) << ReadFile(Errors());
    // A zlib stream's second byte names its level's class: 0x5E for levels 2 to 5, where Qt
    // alone writes 0x9C (level 6).
    const std::string pdf = ReadFile(m_temp / "packed.pdf");
    const std::size_t stream = pdf.find("stream\n");
    ASSERT_NE(stream, std::string::npos);
    EXPECT_EQ(pdf.substr(stream + 7, 2), std::string("\x78\x5E"));
}

TEST_F(QlptoolPrintTest, BadRequestsAreRefusedWithOneMessage) {
    const fs::path plan = Save("plan.qlp", 20, 15, CornerSquares(20, 15));
    const fs::path huge = Save("huge.qlp", 1000, 1000, [](CKORVANEXDoc&) {});
    const std::string out = (m_temp / "out.pdf").string();
    const std::string planArgs = plan.string() + " " + out;
    for (const std::string& arguments :
         {planArgs + " --scale 9", planArgs + " --scale 5001", planArgs + " --scale half",
          planArgs + " --paper A5", planArgs + " --form sideways",
          plan.string() + " " + (m_temp / "out.png").string(),
          (m_temp / "none.qlp").string() + " " + out,
          plan.string() + " " + (m_temp / "no/such/folder/out.pdf").string(),
          huge.string() + " " + out + " --scale 10"}) {
        EXPECT_EQ(RunTool("print " + arguments, Errors()).exitCode, 1) << arguments;
        const std::string message = ReadFile(Errors());
        EXPECT_EQ(message.rfind("qlptool: ", 0), 0u) << arguments << ": " << message;
    }
    EXPECT_FALSE(fs::exists(out));
}
