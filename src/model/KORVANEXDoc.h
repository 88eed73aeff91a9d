#pragma once

#include "ExDocUpdate.h"
#include "ExPartsIndex.h"
#include "ExSelection.h"
#include "ExTypes.h"
#include "ExViewSettings.h"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <unordered_set>
#include <vector>

class CExArchive;
class CExParts;

namespace excommand {
inline constexpr int kLayoutView = 33009;
inline constexpr int kWiringView = 33010;
inline constexpr int kSelectTool = 32781;
inline constexpr int kPanTool = 32783;
inline constexpr int kZoomTool = 32784;
inline constexpr int kVertexTool = 32898;
inline constexpr int kBringForward = 32821;
inline constexpr int kBringToFront = 32822;
inline constexpr int kSendBackward = 32823;
inline constexpr int kSendToBack = 32824;
inline constexpr int kTextTool = 33006;
inline constexpr int kRulerTool = 33007;
inline constexpr int kAreaTool = 33008;
inline constexpr int kCablePhone = 32935;
inline constexpr int kCableLan = 32933;
inline constexpr int kCablePower = 32934;
} // namespace excommand

// One open drawing: the elements it owns in drawing order (first = bottom), the selection and
// working lists that refer to them, the view mode and editing tool, and the drawing file.
class CKORVANEXDoc {
public:
    static constexpr const char* kSignature = "KORVNEX";
    static constexpr const char* kFileVersion = "1.1.2.0";

    CKORVANEXDoc();
    ~CKORVANEXDoc();
    CKORVANEXDoc(const CKORVANEXDoc&) = delete;
    CKORVANEXDoc& operator=(const CKORVANEXDoc&) = delete;

    // Writes or reads the whole drawing. Storing writes the view settings set beforehand and
    // the elements on the sheet; loading fills the element list and the pending view settings.
    // A file error shows its message and raises a CExException. A failing element record ends
    // the work early (see IsComplete): a drawing then opens with the elements read before it.
    void Serialize(CExArchive& ar);

    // Reads a drawing file; false when it cannot be read, after a message whose second line
    // names the file and why.
    bool OnOpenDocument(const std::filesystem::path& fileName);
    // Writes the drawing to a temporary file beside the target and renames it over the target
    // only when everything was written; false (after a message naming the file and why)
    // otherwise, leaving the old file.
    bool OnSaveDocument(const std::filesystem::path& fileName);
    // Writes the drawing as it stands to another file, safely, without a message and without
    // touching its unsaved mark: a copy kept for recovering unsaved work. False with the reason
    // when it could not be written whole.
    bool WriteCopy(const std::filesystem::path& fileName, std::error_code& error);

    const std::string& GetFileVersion() const { return m_strFileVersion; }
    // Whether the last Serialize handled every element record.
    bool IsComplete() const { return m_bComplete; }

    int GetViewMode() const { return m_nViewMode; }
    void SetViewMode(int command) { m_nViewMode = command; }
    int GetEditTool() const { return m_nEditTool; }
    void SetEditTool(int command) { m_nEditTool = command; }

    // Saving takes these from the active view; loading leaves the file's values here.
    ExViewSettings& ViewSettings() { return m_viewSettings; }
    const ExViewSettings& ViewSettings() const { return m_viewSettings; }
    bool HasPendingViewSettings() const { return m_bPendingViewSettings; }
    ExViewSettings TakePendingViewSettings();

    const std::vector<std::unique_ptr<CExParts>>& Elements() const { return m_lstParts; }
    std::size_t GetElementCount() const { return m_lstParts.size(); }
    CExParts* ElementAt(std::size_t index) const { return m_lstParts.at(index).get(); }
    CExParts* AddElement(std::unique_ptr<CExParts> element);
    // Removes an element from every list and hands it to the caller; null if it is not ours.
    std::unique_ptr<CExParts> RemoveElement(const CExParts* element);
    // Position in drawing order, or -1 for null or a live element of no or another drawing.
    int FindElement(const CExParts* element) const;
    // Where the elements lie: what meets an area, in drawing order, without walking the list.
    const CExPartsIndex& PartsIndex() const { return m_index; }
    void RemoveAllElements();

    // The list operations undo replays; see KORVANEXDocElements.cpp. Whatever leaves the list
    // leaves the selection and the working lists too, and the elements that referred to it
    // forget it.
    void InsertElementAt(std::size_t index, std::unique_ptr<CExParts> element);
    std::unique_ptr<CExParts> TakeElementAt(std::size_t index);
    // Many at once in one pass over the list: positions ascending, each into the list as it
    // stands before (taking) or after (inserting) the whole operation.
    std::vector<std::unique_ptr<CExParts>> TakeElementsAt(const std::vector<std::size_t>& indices);
    void InsertElementsAt(const std::vector<std::size_t>& indices,
                          std::vector<std::unique_ptr<CExParts>> elements);
    // Moves an element within the drawing order; it stays selected and attached to.
    void MoveElement(std::size_t from, std::size_t to);
    // The elements that refer to others (rulers and area measurements), in no particular order.
    const std::vector<CExParts*>& Referrers() const { return m_lstReferrers; }
    // The pillars, in no particular order: what an area measurement looks for inside itself.
    const std::vector<CExParts*>& Pillars() const { return m_lstPillars; }

    CExSelection& Selection() { return m_selection; }
    const CExSelection& Selection() const { return m_selection; }
    const std::vector<CExParts*>& SelectionList() const { return m_selection.List(); }
    std::vector<CExParts*>& WorkList() { return m_lstWork; }
    std::vector<CExParts*>& CopyList() { return m_lstCopy; }

    void AddObserver(CExDocObserver* observer);
    void RemoveObserver(CExDocObserver* observer);
    // Tells every observer but the sender.
    void UpdateAllViews(CExDocObserver* sender, const ExDocUpdate& update = {});

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // The library prototype being dragged onto this drawing (owned by the library panel), or
    // null when no drag is under way.
    const CExParts* GetDragParts() const { return m_pDragParts; }
    void SetDragParts(const CExParts* prototype) { m_pDragParts = prototype; }
    bool IsDragging() const { return m_pDragParts != nullptr; }

private:
    // Serialize for a named file: its file errors give the file and why on a second line.
    void SerializeFile(CExArchive& ar, const std::filesystem::path& fileName);
    void StoreTo(CExArchive& ar);
    void LoadFrom(CExArchive& ar);
    // Keep the referrers in step with the list and take leaving elements out of every list.
    void Arrived(CExParts* element, std::size_t position);
    void Left(const std::unordered_set<const CExParts*>& leaving);

    std::string m_strFileVersion;
    std::vector<std::unique_ptr<CExParts>> m_lstParts;
    CExPartsIndex m_index{m_lstParts};
    CExSelection m_selection;
    std::vector<CExParts*> m_lstWork;
    std::vector<CExParts*> m_lstCopy;
    std::vector<CExParts*> m_lstReferrers;
    std::vector<CExParts*> m_lstPillars;
    int m_nViewMode = excommand::kLayoutView;
    int m_nEditTool = excommand::kSelectTool;
    ExViewSettings m_viewSettings;
    bool m_bPendingViewSettings = false;
    bool m_bComplete = true;
    bool m_bModified = false;
    const CExParts* m_pDragParts = nullptr;
    std::vector<CExDocObserver*> m_observers;
};
