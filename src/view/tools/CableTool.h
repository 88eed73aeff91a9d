#pragma once

#include "CreatingTool.h"

#include <memory>

class CExWiringParts;

// Lays a cable point by point. Armed by a cable command, the first press starts a cable of its
// kind; a cable dropped from the parts library arrives already started. Each further press
// fixes the point following the pointer and adds a new one; the right button (or a press
// outside the window or the sheet) finishes it, and a cable of two points or fewer is given up.
class CCableTool final : public CCreatingTool {
public:
    // Armed by 32935 (telephone), 32933 (LAN) or 32934 (power).
    CCableTool(CToolHost& host, int command);
    // Taking over a cable started elsewhere, at its second point.
    CCableTool(CToolHost& host, std::unique_ptr<CExWiringParts> started);
    ~CCableTool() override;

    int CommandId() const override { return m_nCommand; }
    int EditState() const override { return m_pCable ? 7 : 10; }
    void Activate() override;
    void Cancel() override;
    void Press(const ExToolEvent& event) override;
    void RightPress(const ExToolEvent& event) override;
    void Move(const ExToolEvent& event) override;

    // The cable kind (1 telephone, 2 LAN, 3 power) of a cable command; 0 for other commands.
    static int KindOfCommand(int command);

protected:
    const CExParts* Making() const override;

private:
    void Finish();

    int m_nCommand;
    std::unique_ptr<CExWiringParts> m_pCable;
};
