#pragma once

#include <memory>

class CEditTool;
class CToolHost;

// The tool a creating command arms: 33007 distance ruler, 33008 area, 32935, 32933 and 32934
// cables. Null for any other command.
std::unique_ptr<CEditTool> CreateArmedTool(int command, CToolHost& host);
