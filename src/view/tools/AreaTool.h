#pragma once

#include "CreatingTool.h"

#include <memory>

class CExArea;

// Clicks out an area measurement: each press adds a corner and the last corner follows the
// pointer. The right button finishes it, as does a press outside the window or the sheet once
// it has more than three corners; an area of two corners or fewer is given up.
class CAreaTool final : public CCreatingTool {
public:
    explicit CAreaTool(CToolHost& host);
    ~CAreaTool() override;

    int CommandId() const override;
    int EditState() const override { return 3; }
    void Activate() override;
    void Cancel() override;
    void Press(const ExToolEvent& event) override;
    void RightPress(const ExToolEvent& event) override;
    void Move(const ExToolEvent& event) override;

protected:
    const CExParts* Making() const override;

private:
    void Finish(int fewestCorners);

    std::unique_ptr<CExArea> m_pArea;
};
