#include "Parser.h"

#include "Folders.h"
#include "Geometry.h"
#include "SourceError.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace mkparts {

namespace {

struct Statement {
    std::vector<std::string> words;
    int line = 0;
};

std::vector<std::string> Tokenize(std::string_view text) {
    if (const auto hash = text.find('#'); hash != std::string_view::npos) {
        text = text.substr(0, hash);
    }
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto start = text.find_first_not_of(" \t\r", pos);
        if (start == std::string_view::npos) {
            break;
        }
        const auto stop = std::min(text.find_first_of(" \t\r", start), text.size());
        words.emplace_back(text.substr(start, stop - start));
        pos = stop;
    }
    return words;
}

struct CommandSyntax {
    std::string_view usage;
    std::size_t minArgs;
    std::size_t maxArgs;
};

const std::map<std::string_view, CommandSyntax> kDrawingCommands = {
    {"move", {"move x y", 2, 2}},
    {"line", {"line x y [x y ...]", 2, 2 * kMaxRecords}},
    {"poly", {"poly x y x y ... [close]", 4, 2 * kMaxRecords + 1}},
    {"rect", {"rect x1 y1 x2 y2", 4, 4}},
    {"rrect", {"rrect x1 y1 x2 y2 radius [segments]", 5, 6}},
    {"circle", {"circle cx cy r [segments]", 3, 4}},
    {"ellipse", {"ellipse cx cy rx ry [segments]", 4, 5}},
    {"arc", {"arc cx cy r start end [segments]", 5, 6}},
    {"earc", {"earc cx cy rx ry start end [segments]", 6, 7}},
    {"ngon", {"ngon cx cy r corners [start]", 4, 5}},
    {"star", {"star cx cy outer inner points [start]", 5, 6}},
    {"dash", {"dash x1 y1 x2 y2 dash gap", 6, 6}},
    {"grid", {"grid x1 y1 x2 y2 columns rows", 6, 6}},
    {"use", {"use shape x y [degrees [scale [scaleY]]]", 3, 6}},
};

class SourceParser {
public:
    explicit SourceParser(const std::string& file) : file_(file) {}

    std::vector<Part> Parse(std::string_view text);

private:
    enum class Block { None, Part, Shape };

    [[noreturn]] void Fail(int line, const std::string& message) const {
        throw SourceError(file_, line, message);
    }

    void TopLevel(const Statement& s);
    void InsideBlock(const Statement& s);
    void FinishPart();

    double Number(const Statement& s, std::size_t index) const;
    int Integer(const Statement& s, std::size_t index) const;
    int Segments(const Statement& s, std::size_t index) const;
    Point PointAt(const Statement& s, std::size_t index) const {
        return {Number(s, index), Number(s, index + 1)};
    }

    void Draw(const Statement& s, ShapeBuilder& builder) const;
    void DrawPoints(const Statement& s, ShapeBuilder& builder) const;
    void DrawShape(const Statement& s, ShapeBuilder& builder) const;

    std::string file_;
    std::string folder_;
    int folderLine_ = 0;
    std::string group_;
    Block block_ = Block::None;
    Part part_;
    std::string shapeName_;
    int blockLine_ = 0;
    std::vector<Statement> body_;
    std::map<std::string, std::vector<Statement>> shapes_;
    std::vector<Part> parts_;
};

std::vector<Part> SourceParser::Parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const auto eol = std::min(text.find('\n', pos), text.size());
        ++lineNumber;
        Statement s{Tokenize(text.substr(pos, eol - pos)), lineNumber};
        pos = eol + 1;
        if (s.words.empty()) {
            continue;
        }
        if (block_ == Block::None) {
            TopLevel(s);
        } else {
            InsideBlock(s);
        }
    }
    if (block_ == Block::Part) {
        Fail(blockLine_, "part " + std::to_string(part_.code) + " has no 'end'");
    }
    if (block_ == Block::Shape) {
        Fail(blockLine_, "shape '" + shapeName_ + "' has no 'end'");
    }
    if (folder_.empty()) {
        Fail(lineNumber, "the file never names its folder (folder NAME)");
    }
    return std::move(parts_);
}

void SourceParser::TopLevel(const Statement& s) {
    const std::string& keyword = s.words[0];
    if (keyword == "folder") {
        if (s.words.size() != 2) {
            Fail(s.line, "usage: folder NAME");
        }
        if (!folder_.empty()) {
            Fail(s.line, "the folder was already given at line " + std::to_string(folderLine_));
        }
        if (FindCategoryFolder(s.words[1]) == nullptr) {
            Fail(s.line, "unknown category folder '" + s.words[1] + "'");
        }
        folder_ = s.words[1];
        folderLine_ = s.line;
    } else if (keyword == "group") {
        if (s.words.size() > 2) {
            Fail(s.line, "usage: group [NAME]");
        }
        group_ = s.words.size() == 2 ? s.words[1] : std::string();
        if (!group_.empty() && GroupNumber(group_) < 0) {
            Fail(s.line, "a group name starts with two digits, like 02コンセント");
        }
    } else if (keyword == "shape") {
        if (s.words.size() != 2) {
            Fail(s.line, "usage: shape NAME");
        }
        if (shapes_.contains(s.words[1])) {
            Fail(s.line, "shape '" + s.words[1] + "' is defined twice");
        }
        block_ = Block::Shape;
        shapeName_ = s.words[1];
        blockLine_ = s.line;
        body_.clear();
    } else if (keyword == "part") {
        if (s.words.size() != 3) {
            Fail(s.line, "usage: part CODE NAME");
        }
        if (folder_.empty()) {
            Fail(s.line, "a part before the folder is named (folder NAME)");
        }
        part_ = Part{};
        part_.code = Integer(s, 1);
        part_.name = s.words[2];
        part_.folder = folder_;
        part_.group = group_;
        part_.file = file_;
        part_.line = s.line;
        block_ = Block::Part;
        blockLine_ = s.line;
        body_.clear();
    } else {
        Fail(s.line, "unknown statement '" + keyword + "'");
    }
}

void SourceParser::InsideBlock(const Statement& s) {
    const std::string& keyword = s.words[0];
    if (keyword == "end") {
        if (s.words.size() != 1) {
            Fail(s.line, "'end' takes nothing after it");
        }
        if (block_ == Block::Part) {
            FinishPart();
        } else {
            shapes_[shapeName_] = body_;
        }
        block_ = Block::None;
    } else if (keyword == "part" || keyword == "shape" || keyword == "folder" ||
               keyword == "group") {
        Fail(s.line, "'" + keyword + "' inside a block; is an 'end' missing?");
    } else if (block_ == Block::Part && keyword == "size") {
        if (s.words.size() != 2) {
            Fail(s.line, "usage: size UNITS (0.01 mm)");
        }
        part_.size = Integer(s, 1);
        if (part_.size <= 0) {
            Fail(s.line, "the size must be positive");
        }
    } else if (block_ == Block::Part && keyword == "rgb") {
        if (s.words.size() != 4) {
            Fail(s.line, "usage: rgb RED GREEN BLUE");
        }
        std::uint8_t channels[3];
        for (std::size_t i = 0; i < 3; ++i) {
            const int value = Integer(s, i + 1);
            if (value < 0 || value > 255) {
                Fail(s.line, "a colour channel runs from 0 to 255");
            }
            channels[i] = static_cast<std::uint8_t>(value);
        }
        part_.colour = {channels[0], channels[1], channels[2]};
        part_.hasColour = true;
    } else {
        const auto command = kDrawingCommands.find(keyword);
        if (command == kDrawingCommands.end()) {
            Fail(s.line, "unknown command '" + keyword + "'");
        }
        const std::size_t args = s.words.size() - 1;
        if (args < command->second.minArgs || args > command->second.maxArgs) {
            Fail(s.line, "usage: " + std::string(command->second.usage));
        }
        body_.push_back(s);
    }
}

void SourceParser::FinishPart() {
    const std::string what = "part " + std::to_string(part_.code);
    if (part_.size == 0) {
        Fail(part_.line, what + " has no size");
    }
    if (!part_.hasColour) {
        Fail(part_.line, what + " has no colour (rgb RED GREEN BLUE)");
    }
    ShapeBuilder builder(part_.size);
    for (const Statement& s : body_) {
        try {
            Draw(s, builder);
        } catch (const GeometryError& e) {
            Fail(s.line, e.what());
        }
    }
    part_.records = builder.Finish();
    parts_.push_back(std::move(part_));
}

double SourceParser::Number(const Statement& s, std::size_t index) const {
    const std::string& word = s.words[index];
    double value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
        Fail(s.line, "'" + word + "' is not a number");
    }
    return value;
}

int SourceParser::Integer(const Statement& s, std::size_t index) const {
    const std::string& word = s.words[index];
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        Fail(s.line, "'" + word + "' is not a whole number");
    }
    return value;
}

int SourceParser::Segments(const Statement& s, std::size_t index) const {
    if (index >= s.words.size()) {
        return 0;
    }
    const int segments = Integer(s, index);
    if (segments < 1 || segments > static_cast<int>(kMaxRecords)) {
        Fail(s.line, "the segment count must be between 1 and " + std::to_string(kMaxRecords));
    }
    return segments;
}

void SourceParser::Draw(const Statement& s, ShapeBuilder& builder) const {
    const std::string& keyword = s.words[0];
    const auto optional = [&](std::size_t index, double fallback) {
        return index < s.words.size() ? Number(s, index) : fallback;
    };
    if (keyword == "move") {
        builder.MoveTo(PointAt(s, 1));
    } else if (keyword == "line" || keyword == "poly") {
        DrawPoints(s, builder);
    } else if (keyword == "rect") {
        builder.Rect(PointAt(s, 1), PointAt(s, 3));
    } else if (keyword == "rrect") {
        builder.RoundedRect(PointAt(s, 1), PointAt(s, 3), Number(s, 5), Segments(s, 6));
    } else if (keyword == "circle") {
        const double r = Number(s, 3);
        builder.Ellipse(PointAt(s, 1), r, r, Segments(s, 4));
    } else if (keyword == "ellipse") {
        builder.Ellipse(PointAt(s, 1), Number(s, 3), Number(s, 4), Segments(s, 5));
    } else if (keyword == "arc") {
        const double r = Number(s, 3);
        builder.Arc(PointAt(s, 1), r, r, Number(s, 4), Number(s, 5), Segments(s, 6));
    } else if (keyword == "earc") {
        builder.Arc(PointAt(s, 1), Number(s, 3), Number(s, 4), Number(s, 5), Number(s, 6),
                    Segments(s, 7));
    } else if (keyword == "ngon") {
        builder.RegularPolygon(PointAt(s, 1), Number(s, 3), Integer(s, 4), optional(5, 90));
    } else if (keyword == "star") {
        builder.Star(PointAt(s, 1), Number(s, 3), Number(s, 4), Integer(s, 5), optional(6, 90));
    } else if (keyword == "dash") {
        builder.Dash(PointAt(s, 1), PointAt(s, 3), Number(s, 5), Number(s, 6));
    } else if (keyword == "grid") {
        builder.Grid(PointAt(s, 1), PointAt(s, 3), Integer(s, 5), Integer(s, 6));
    } else {
        // Only "use" is left: the command table let nothing else into the block.
        DrawShape(s, builder);
    }
}

void SourceParser::DrawPoints(const Statement& s, ShapeBuilder& builder) const {
    const bool isPoly = s.words[0] == "poly";
    const bool close = isPoly && s.words.back() == "close";
    const std::size_t numbers = s.words.size() - 1 - (close ? 1 : 0);
    if (numbers % 2 != 0 || (isPoly && numbers < 4)) {
        Fail(s.line, "usage: " + std::string(kDrawingCommands.at(s.words[0]).usage));
    }
    std::vector<Point> points;
    for (std::size_t i = 1; i < numbers; i += 2) {
        points.push_back(PointAt(s, i));
    }
    if (isPoly) {
        builder.Polyline(points, close);
    } else {
        for (const Point& p : points) {
            builder.LineTo(p);
        }
    }
}

void SourceParser::DrawShape(const Statement& s, ShapeBuilder& builder) const {
    const auto shape = shapes_.find(s.words[1]);
    if (shape == shapes_.end()) {
        Fail(s.line, "no shape named '" + s.words[1] + "' is defined above");
    }
    const double scaleX = s.words.size() > 5 ? Number(s, 5) : 1.0;
    const double scaleY = s.words.size() > 6 ? Number(s, 6) : scaleX;
    const double degrees = s.words.size() > 4 ? Number(s, 4) : 0.0;
    const Affine outer = builder.Transform();
    builder.SetTransform(outer.Then(Affine::Place(PointAt(s, 2), degrees, scaleX, scaleY)));
    for (const Statement& inner : shape->second) {
        Draw(inner, builder);
    }
    builder.SetTransform(outer);
}

} // namespace

std::vector<Part> ParseSource(std::string_view text, const std::string& fileName) {
    return SourceParser(fileName).Parse(text);
}

std::vector<Part> ParseSourceFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseSource(text.str(), path.string());
}

} // namespace mkparts
