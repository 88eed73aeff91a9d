#pragma once

#include "ExAppServices.h"

#include <string>
#include <vector>

// Application services of the command-line tools: messages are collected so that the tool can
// report them on stderr with the file they concern; every question is answered with OK.
class CToolServices final : public CExAppServices {
public:
    // A message keeps to one line of stderr: its further lines (a file and why) follow on it.
    ExMessageResult MessageBox(std::string_view text, ExMessageIcon, ExMessageButtons) override {
        std::string line;
        for (const char c : text) {
            line += c == '\n' ? std::string_view(": ") : std::string_view(&c, 1);
        }
        m_messages.push_back(std::move(line));
        return ExMessageResult::Ok;
    }
    const ExDrawingDefaults& DrawingDefaults() const override { return m_defaults; }

    const std::vector<std::string>& Messages() const { return m_messages; }

private:
    ExDrawingDefaults m_defaults;
    std::vector<std::string> m_messages;
};
