#pragma once

#include <exception>
#include <string>

// The application's own exception. It remembers where it was raised and, after each report,
// the place of the handler that reported it, so that one failure passing through several
// handlers leaves a chain of log lines: the first names where it was raised, each further one
// the handler before.
class CExException : public std::exception {
public:
    // Without arguments, the place is where the exception is constructed.
    explicit CExException(const char* file = __builtin_FILE(), int line = __builtin_LINE());

    const char* what() const noexcept override { return "CExException"; }

    // Writes the log line and moves the remembered place to the given handler. No message.
    void Log(const char* file = __builtin_FILE(), int line = __builtin_LINE());
    // Shows the unexpected-error message, then logs like Log.
    void ReportUnexpected(const char* file = __builtin_FILE(), int line = __builtin_LINE());

    // The text this exception contributes to a log line: file, " - ", line, one space.
    std::string WriteLog() const;

    const char* File() const { return m_pszFile; }
    int Line() const { return m_nLine; }
    bool Reported() const { return m_bReported != 0; }

private:
    const char* m_pszFile;
    int m_nLine;
    int m_bReported = 0;
};

// The handler convention, for use inside a catch block: an exception of the program or of the
// platform (file, memory) is logged with the handler's place; any other failure is wrapped in a
// CExException, reported with the unexpected-error message and logged. Never throws.
// The place reported is the caller's.
void ReportCaughtException(const char* file = __builtin_FILE(),
                           int line = __builtin_LINE()) noexcept;

// The module name written to the log: the source file name without its folders.
const char* ModuleName(const char* path);
