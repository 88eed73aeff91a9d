#pragma once

#include "ExAppServices.h"

#include <string>
#include <vector>

// Application services that remember the messages shown and answer with a preset result.
// Installed for the lifetime of the object.
class RecordingServices final : public CExAppServices {
public:
    struct Message {
        std::string text;
        ExMessageIcon icon;
        ExMessageButtons buttons;
    };

    RecordingServices() : m_previous(SetAppServices(this)) {}
    ~RecordingServices() override { SetAppServices(m_previous); }
    RecordingServices(const RecordingServices&) = delete;
    RecordingServices& operator=(const RecordingServices&) = delete;

    ExMessageResult MessageBox(std::string_view text, ExMessageIcon icon,
                               ExMessageButtons buttons) override {
        m_messages.push_back({std::string(text), icon, buttons});
        return m_answer;
    }
    const ExDrawingDefaults& DrawingDefaults() const override { return m_defaults; }
    const std::vector<tagCABLEINFO>& CableKinds() const override { return m_cableKinds; }

    const std::vector<Message>& Messages() const { return m_messages; }
    void SetAnswer(ExMessageResult answer) { m_answer = answer; }
    ExDrawingDefaults& Defaults() { return m_defaults; }
    std::vector<tagCABLEINFO>& Cables() { return m_cableKinds; }

private:
    CExAppServices* m_previous;
    std::vector<Message> m_messages;
    ExMessageResult m_answer = ExMessageResult::Ok;
    ExDrawingDefaults m_defaults;
    std::vector<tagCABLEINFO> m_cableKinds;
};
