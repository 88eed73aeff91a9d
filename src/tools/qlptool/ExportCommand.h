#pragma once

class CToolServices;

// qlptool export FILE.qlp OUT.(png|bmp|svg|pdf) [--width PX] [--height PX]
//                [--form whole|layout|wiring]
// Draws the whole sheet into a picture as the program's bitmap command does: the sheet fitted
// with a 5 % margin and centred on white, no grid and no selection. Without --form the parts
// are dimmed as in the drawing's view mode; a form picks the parts as printing does, undimmed.
// Returns the exit code: 0, or 1 after a message on stderr.
int RunExport(int argc, char* argv[], CToolServices& services);
