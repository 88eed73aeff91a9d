#pragma once

#include <stdexcept>
#include <string>

namespace mkparts {

// A complaint about the sources, worded "file:line: message" like a compiler so editors can jump
// to it.
class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message), file_(file),
          line_(line), message_(message) {}

    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    const std::string& Message() const { return message_; }

private:
    std::string file_;
    int line_;
    std::string message_;
};

// Raised by the geometry while expanding a primitive; the parser adds the file and line.
class GeometryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace mkparts
