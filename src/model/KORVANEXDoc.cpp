#include "KORVANEXDoc.h"

#include "ExAppServices.h"
#include "ExArchive.h"
#include "ExException.h"
#include "ExFileIO.h"
#include "ExKindIndex.h"
#include "ExParts.h"
#include "ExSafeFile.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kSignatureSize = 8;
// The smallest element record: a class name of one byte and its count.
constexpr std::size_t kMinElementRecord = 5;

// The tools a drawing can be left in; anything else in a file, such as a tool that was still
// laying a part, opens the drawing in the select tool, whose button always leads out again.
int ModeToolOrSelect(int command) {
    switch (command) {
    case excommand::kSelectTool:
    case excommand::kPanTool:
    case excommand::kZoomTool:
    case excommand::kVertexTool:
        return command;
    default:
        return excommand::kSelectTool;
    }
}

// What the user reads when a file fails: the message, then the file and the reason.
std::string FileFailureText(const char* message, const std::filesystem::path& fileName,
                            const std::string& reason) {
    return std::string(message) + "\n" + fileName.string() + "（" + reason + "）";
}

// Why the drawing's own fields failed: a file that fails before its signature is through is no
// drawing at all.
std::string DrawingFailureReason(const CExArchive& ar) {
    if (ar.IsStoring()) {
        return "図面を書き出せませんでした";
    }
    return ar.Position() <= kSignatureSize ? "クイルプランの図面ではありません"
                                           : "図面が壊れています";
}

} // namespace

CKORVANEXDoc::CKORVANEXDoc() = default;

CKORVANEXDoc::~CKORVANEXDoc() {
    m_selection.Forget();
    RemoveAllElements();
}

ExViewSettings CKORVANEXDoc::TakePendingViewSettings() {
    m_bPendingViewSettings = false;
    return m_viewSettings;
}

CExParts* CKORVANEXDoc::AddElement(std::unique_ptr<CExParts> element) {
    m_lstParts.push_back(std::move(element));
    Arrived(m_lstParts.back().get(), m_lstParts.size() - 1);
    return m_lstParts.back().get();
}

std::unique_ptr<CExParts> CKORVANEXDoc::RemoveElement(const CExParts* element) {
    const int index = FindElement(element);
    if (index < 0) {
        return nullptr;
    }
    return TakeElementAt(static_cast<std::size_t>(index));
}

int CKORVANEXDoc::FindElement(const CExParts* element) const {
    return element ? m_index.PositionOf(*element) : -1;
}

void CKORVANEXDoc::RemoveAllElements() {
    m_selection.Clear();
    m_lstWork.clear();
    m_lstCopy.clear();
    m_lstReferrers.clear();
    m_lstPillars.clear();
    m_index.Clear();
    m_lstParts.clear();
}

void CKORVANEXDoc::AddObserver(CExDocObserver* observer) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void CKORVANEXDoc::RemoveObserver(CExDocObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

void CKORVANEXDoc::UpdateAllViews(CExDocObserver* sender, const ExDocUpdate& update) {
    // An observer may remove itself while being told.
    const std::vector<CExDocObserver*> observers = m_observers;
    for (CExDocObserver* observer : observers) {
        if (observer != sender) {
            observer->OnDocumentUpdate(sender, update);
        }
    }
}

// The drawing file:
//   8 bytes "KORVNEX\0", string version, int32 view mode, int32 editing tool,
//   int32 centre x, y, zoom, zoom index, view scale, sheet width, sheet height (metres),
//   int32 grid, rulers, areas shown, int32 element count C, then C element records, each
//   headed by its class name.
void CKORVANEXDoc::StoreTo(CExArchive& ar) {
    ar.WriteBytes(std::string_view(kSignature, kSignatureSize));
    ar.WriteString(kFileVersion);
    ar.WriteInt32(m_nViewMode);
    ar.WriteInt32(m_nEditTool);
    const ExViewSettings& v = m_viewSettings;
    for (const int value : {v.center.x, v.center.y, v.zoom, v.zoomIndex, v.viewScale, v.mapWidth,
                            v.mapHeight, v.showGrid, v.showMeasure, v.showArea}) {
        ar.WriteInt32(value);
    }
    std::vector<CExParts*> written;
    CExArchive::ElementPositions positions;
    for (const auto& element : m_lstParts) {
        if (element->IsInDrawing()) {
            positions.emplace(element.get(), static_cast<int>(written.size()));
            written.push_back(element.get());
        }
    }
    ar.WriteInt32(static_cast<std::int32_t>(written.size()));
    struct PositionsScope {
        CExArchive& archive;
        ~PositionsScope() { archive.SetElementPositions(nullptr); }
    } scope{ar};
    ar.SetElementPositions(&positions);
    for (CExParts* element : written) {
        element->Serialize(ar);
    }
}

void CKORVANEXDoc::LoadFrom(CExArchive& ar) {
    const std::string_view signature = ar.ReadBytes(kSignatureSize);
    if (signature.substr(0, signature.find('\0')) != kSignature) {
        throw CExFileException(CExFileException::Cause::BadFormat);
    }
    m_strFileVersion = ar.ReadString();
    m_nViewMode = ar.ReadInt32();
    m_nEditTool = ModeToolOrSelect(ar.ReadInt32());
    ExViewSettings& v = m_viewSettings;
    for (int* field : {&v.center.x, &v.center.y, &v.zoom, &v.zoomIndex, &v.viewScale, &v.mapWidth,
                       &v.mapHeight, &v.showGrid, &v.showMeasure, &v.showArea}) {
        *field = ar.ReadInt32();
    }
    m_bPendingViewSettings = true;

    const std::int32_t count = ar.ReadCount(kMinElementRecord);
    std::vector<CExParts*> referrers;
    for (std::int32_t i = 0; i < count; ++i) {
        const ExKind kind = KindOfClassName(ar.ReadString());
        std::unique_ptr<CExParts> element = CreateElementOfKind(kind);
        if (!element) {
            // Records carry no lengths: an unknown kind cannot be skipped.
            throw CExFileException(CExFileException::Cause::BadFormat);
        }
        element->SetFileVersion(m_strFileVersion);
        try {
            element->Serialize(ar);
        } catch (CExException& failure) {
            // The element has shown its message: the drawing opens with what came before.
            failure.Log();
            m_bComplete = false;
            break;
        }
        if (kind == ExKind::Measure) {
            referrers.push_back(element.get());
        }
        AddElement(std::move(element));
    }
    std::vector<CExParts*> elements;
    elements.reserve(m_lstParts.size());
    for (const auto& element : m_lstParts) {
        elements.push_back(element.get());
    }
    for (CExParts* referrer : referrers) {
        referrer->ResolveReferences(elements);
    }
}

void CKORVANEXDoc::Serialize(CExArchive& ar) {
    SerializeFile(ar, {});
}

void CKORVANEXDoc::SerializeFile(CExArchive& ar, const std::filesystem::path& fileName) {
    try {
        m_bComplete = true;
        if (ar.IsStoring()) {
            StoreTo(ar);
        } else {
            LoadFrom(ar);
        }
    } catch (const CExFileException&) {
        const char* message = ar.IsStoring() ? exmsg::kSaveFailed : exmsg::kReadFailed;
        AppServices().MessageBox(fileName.empty()
                                     ? std::string(message)
                                     : FileFailureText(message, fileName, DrawingFailureReason(ar)),
                                 ExMessageIcon::Stop, ExMessageButtons::Ok);
        throw CExException();
    } catch (CExException& failure) {
        // An element could not write itself and has said so: the save is incomplete.
        failure.Log();
        m_bComplete = false;
    } catch (...) {
        CExException().ReportUnexpected();
    }
}

bool CKORVANEXDoc::OnOpenDocument(const std::filesystem::path& fileName) {
    RemoveAllElements();
    std::error_code error;
    exfile::FileSource file;
    if (!file.Open(fileName, error)) {
        AppServices().MessageBox(
            FileFailureText(exmsg::kReadFailed, fileName, exfile::ReasonText(error)),
            ExMessageIcon::Stop, ExMessageButtons::Ok);
        return false;
    }
    try {
        CExArchive ar(file, file.Size());
        SerializeFile(ar, fileName);
    } catch (CExException& failure) {
        failure.Log();
        RemoveAllElements();
        return false;
    }
    m_bModified = false;
    return true;
}

bool CKORVANEXDoc::WriteCopy(const std::filesystem::path& fileName, std::error_code& error) {
    CExSafeFile file(fileName);
    try {
        CExArchive ar(file);
        StoreTo(ar);
        ar.Flush();
    } catch (...) {
        error = std::make_error_code(std::errc::io_error);
        return false;
    }
    return file.Commit(error);
}

bool CKORVANEXDoc::OnSaveDocument(const std::filesystem::path& fileName) {
    // The drawing goes to the disk while it is written, so that saving a large one needs no
    // copy of it in memory; the file replaces the old one only once it is complete.
    CExSafeFile file(fileName);
    try {
        CExArchive ar(file);
        SerializeFile(ar, fileName);
        ar.Flush();
    } catch (CExException& failure) {
        failure.Log();
        return false;
    }
    if (!m_bComplete) {
        return false;
    }
    std::error_code error;
    if (!file.Commit(error)) {
        AppServices().MessageBox(
            FileFailureText(exmsg::kSaveFailed, fileName, exfile::ReasonText(error)),
            ExMessageIcon::Stop, ExMessageButtons::Ok);
        return false;
    }
    m_bModified = false;
    return true;
}
