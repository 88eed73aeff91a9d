#pragma once

// How the document manager reads the names it is given: from the command line, the shell, the
// recent files, a drop or a file dialog.

#include <QString>
#include <QStringList>

namespace exdocmgr {
inline constexpr const char* kUntitled = "無題";
inline constexpr const char* kAlreadyOpen = "同じファイル名のファイルは開けません。";
inline constexpr const char* kPathTooLong =
    "指定されたファイルパスが長過ぎます。ファイルの保存場所を変更し再度開いてください。";
// %1 the elements read, %2 the file.
inline constexpr const char* kReadInPart =
    "図面を途中までしか読み込めませんでした。読み込めた部品は %1 個です。\n%2\n"
    "元のファイルを上書きしないよう、最初の保存では保存先をお聞きします。";
} // namespace exdocmgr

// The one name of a file however it is reached: full, with every link resolved. A file still to
// be made gets its folder's links resolved.
QString FullFileName(const QString& fileName);

// A name as a command line or the shell gives it: a leading quote goes, the name ends at its
// last quote, and it becomes a full file name with links resolved.
QString OpenFileName(const QString& name);

// The number of a title "無題" followed by a decimal number without a leading zero; 0 for any
// other title.
int UntitledNumber(const QString& title);

// Whether the system could not take the name: a full name beyond the platform's path limit or
// one of its folder or file names beyond the name limit (in bytes of the file system's encoding).
bool IsFileNameTooLong(const QString& fileName);

// The file names of a command line: every argument after the program's that is not an option.
QStringList FileArguments(const QStringList& arguments);
