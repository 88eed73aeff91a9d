#pragma once

#include <QString>

// Where the program's data lives: the executable's folder when the font and the parts library
// are there (the build tree), else ../share/quillplan beside it (an installed program).
QString ProgramDataFolder();

// Where the error logs go: the program's data folder when it is writable, else the per-user
// state folder.
QString LogFolder();
