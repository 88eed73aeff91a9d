#pragma once

#include "CreatingTool.h"

#include <memory>

class CExMeasure;

// Places a distance ruler by two presses: each end is attached to the part under it, when there
// is one that rulers attach to. Between the presses the ruler runs from its first end to the
// pointer. A press outside the window or the sheet gives up.
class CRulerTool final : public CCreatingTool {
public:
    explicit CRulerTool(CToolHost& host);
    ~CRulerTool() override;

    int CommandId() const override;
    int EditState() const override { return 2; }
    void Activate() override;
    void Cancel() override;
    void Press(const ExToolEvent& event) override;
    void Move(const ExToolEvent& event) override;

protected:
    const CExParts* Making() const override;

private:
    std::unique_ptr<CExMeasure> m_pRuler;
    // The end the next press places: 0 or 1.
    int m_nNextEnd = 0;
};
