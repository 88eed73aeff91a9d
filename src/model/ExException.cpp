#include "ExException.h"

#include "ExAppServices.h"
#include "ExArchive.h"
#include "ExErrorLog.h"

#include <cstring>
#include <new>

namespace {

void WriteReportLine(const CExException& exception) {
    exlog::WriteLine(
        (exception.Reported() ? std::string(" ->:") : std::string("1st Exception:  ")) +
        exception.WriteLog());
}

} // namespace

const char* ModuleName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

CExException::CExException(const char* file, int line)
    : m_pszFile(ModuleName(file)), m_nLine(line) {}

std::string CExException::WriteLog() const {
    return std::string(m_pszFile ? m_pszFile : "") + " - " + std::to_string(m_nLine) + " ";
}

void CExException::Log(const char* file, int line) {
    WriteReportLine(*this);
    m_pszFile = ModuleName(file);
    m_nLine = line;
    m_bReported = 1;
}

void CExException::ReportUnexpected(const char* file, int line) {
    AppServices().MessageBox(exmsg::kUnexpected, ExMessageIcon::Stop, ExMessageButtons::Ok);
    Log(file, line);
}

void ReportCaughtException(const char* file, int line) noexcept {
    const char* module = ModuleName(file);
    try {
        try {
            throw;
        } catch (CExException& exception) {
            exception.Log(module, line);
        } catch (const CExFileException&) {
            // A platform exception carries no place of its own: it is logged as raised here.
            CExException(module, line).Log(module, line);
        } catch (const std::bad_alloc&) {
            CExException(module, line).Log(module, line);
        } catch (...) {
            CExException(module, line).ReportUnexpected(module, line);
        }
    } catch (...) {
        // Reporting must never take the program down.
    }
}
