#pragma once

#include "ExAppServices.h"
#include "ExArchive.h"
#include "ExException.h"

// Runs the reading or writing of one element record with the file-error convention: a file
// error shows the read or save failure message and raises a CExException to the caller (the
// document then stops at this record); any other failure is reported as unexpected and the
// record is left as far as it got. The place logged is the caller's.
template <class Body>
void GuardRecord(CExArchive& ar, Body&& body, const char* file = __builtin_FILE(),
                 int line = __builtin_LINE()) {
    try {
        body();
    } catch (const CExFileException&) {
        AppServices().MessageBox(ar.IsStoring() ? exmsg::kSaveFailed : exmsg::kReadFailed,
                                 ExMessageIcon::Stop, ExMessageButtons::Ok);
        throw CExException(file, line);
    } catch (...) {
        CExException(file, line).ReportUnexpected(file, line);
    }
}
