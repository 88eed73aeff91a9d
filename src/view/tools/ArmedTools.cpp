#include "ArmedTools.h"

#include "AreaTool.h"
#include "CableTool.h"
#include "KORVANEXDoc.h"
#include "RulerTool.h"

std::unique_ptr<CEditTool> CreateArmedTool(int command, CToolHost& host) {
    if (command == excommand::kRulerTool) {
        return std::make_unique<CRulerTool>(host);
    }
    if (command == excommand::kAreaTool) {
        return std::make_unique<CAreaTool>(host);
    }
    if (CCableTool::KindOfCommand(command) != 0) {
        return std::make_unique<CCableTool>(host, command);
    }
    return nullptr;
}
