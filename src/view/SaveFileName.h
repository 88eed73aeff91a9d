#pragma once

#include <QString>

// A file name typed in a save dialog with the expected extension added. When that names a file
// the dialog has not asked about, the user is asked whether to overwrite it. Empty when the
// user declines.
QString NameWithSuffix(const QString& fileName, const char* suffix);
