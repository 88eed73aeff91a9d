#pragma once

#include "EditTool.h"

#include <functional>
#include <optional>

class CExParts;

// Picks the two points of an image calibration: two presses on the picture, a line running from
// the first point to the pointer between them. The points go to the view, which asks for the
// real distance once the tool is done; the right button or Escape gives up.
class CCalibrationTool final : public CEditTool {
public:
    // The command that arms the tool, "画像の縮尺合わせ".
    static constexpr int kCommand = 33100;
    using PointsTaken = std::function<void(ExPoint first, ExPoint second)>;

    CCalibrationTool(CToolHost& host, const CExParts& image, PointsTaken taken);

    int CommandId() const override { return kCommand; }
    int EditState() const override { return 2; }
    void Cancel() override;
    void Press(const ExToolEvent& event) override;
    void RightPress(const ExToolEvent& event) override;
    void Move(const ExToolEvent& event) override;
    bool Key(QKeyEvent& event) override;
    QCursor Cursor() const override { return Qt::CrossCursor; }
    QRect OverlayRect() const override;
    void DrawOverlay(QPainter& painter) const override;

private:
    bool IsOnImage(ExPoint point) const;
    void Stop();

    const CExParts& m_image;
    PointsTaken m_taken;
    std::optional<ExPoint> m_first;
    ExPoint m_pointer;
};
