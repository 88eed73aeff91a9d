#pragma once

#include "EditTool.h"
#include "ExEdit.h"
#include "ExTypes.h"

#include <QString>

#include <vector>

class CExParts;
class CToolHost;

// One drag of the select tool (move, resize, rotate): it starts at the press, changes the
// selected parts at every pointer step through the model's drag of its kind, and ends as one
// step of the drawing's history.
class CSelectDrag {
public:
    CSelectDrag(CToolHost& host, const char* editName);
    virtual ~CSelectDrag() = default;
    CSelectDrag(const CSelectDrag&) = delete;
    CSelectDrag& operator=(const CSelectDrag&) = delete;

    // One pointer position.
    virtual void Step(const ExToolEvent& event) = 0;
    // The button went up (or the drag was abandoned): what changed goes on the history.
    void Finish();
    // What the status bar tells of the dragged part; empty for nothing.
    virtual QString StatusText() const { return {}; }

protected:
    CToolHost& Host() const { return m_host; }
    CExEditRecorder& Recorder() { return m_recorder; }
    // The pointer in the view units resize and rotate work in.
    ExPoint ToView(ExPoint drawing) const;
    // Shows the parts a step changed: the selection layer is composed again where they were and
    // are; parts outside the selection (rulers that follow) are drawn again.
    void Show(const std::vector<CExParts*>& changed);

private:
    virtual std::vector<CExParts*> FinishDrag() = 0;

    CToolHost& m_host;
    CExEditRecorder m_recorder;
    ExRect m_rcShown; // view units: what the last step showed
};
