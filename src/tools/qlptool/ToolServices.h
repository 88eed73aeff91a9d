#pragma once

#include "ExAppServices.h"

#include <string>
#include <vector>

// Application services of the command-line tools: messages are collected so that the tool can
// report them on stderr with the file they concern; every question is answered with OK.
class CToolServices final : public CExAppServices {
public:
    ExMessageResult MessageBox(std::string_view text, ExMessageIcon, ExMessageButtons) override {
        m_messages.emplace_back(text);
        return ExMessageResult::Ok;
    }
    const ExDrawingDefaults& DrawingDefaults() const override { return m_defaults; }

    const std::vector<std::string>& Messages() const { return m_messages; }

private:
    ExDrawingDefaults m_defaults;
    std::vector<std::string> m_messages;
};
