#pragma once

#include <memory>

class CEditTool;
class CToolHost;

// The tool of a mode tool command (32781 select, 32783 pan, 32784 zoom, 32898 vertex edit); an
// unknown command gives the select tool.
std::unique_ptr<CEditTool> CreateModeTool(int command, CToolHost& host);
