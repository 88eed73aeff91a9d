#include "ModeTools.h"

#include "KORVANEXDoc.h"
#include "PanTool.h"
#include "SelectTool.h"
#include "VertexTool.h"
#include "ZoomTool.h"

std::unique_ptr<CEditTool> CreateModeTool(int command, CToolHost& host) {
    switch (command) {
    case excommand::kPanTool:
        return std::make_unique<CPanTool>(host);
    case excommand::kZoomTool:
        return std::make_unique<CZoomTool>(host);
    case excommand::kVertexTool:
        return std::make_unique<CVertexTool>(host);
    default:
        return std::make_unique<CSelectTool>(host);
    }
}
