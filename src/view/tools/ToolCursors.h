#pragma once

#include <QCursor>

enum class ExToolCursor { Pan, Zoom, Vertex };

// The cursors of the mode tools, drawn from their pictures once.
QCursor ToolCursor(ExToolCursor which);
