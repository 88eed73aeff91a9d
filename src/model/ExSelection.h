#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

class CExParts;

// The selected parts of a drawing in selection order; the head is the primary part. Each part's
// select flag says whether it is in the list, and only these operations change either, so the
// two always agree and IsSelected costs nothing. A part need not be in the drawing's list (a
// cable being drawn is selected before it is added).
class CExSelection {
public:
    const std::vector<CExParts*>& List() const { return m_list; }
    std::size_t Count() const { return m_list.size(); }
    bool IsEmpty() const { return m_list.empty(); }
    // The head of the list, or null.
    CExParts* Primary() const { return m_list.empty() ? nullptr : m_list.front(); }
    static bool IsSelected(const CExParts& part);

    // Makes the part the only selected one (null empties the selection).
    void Select(CExParts* part);
    // Appends the part unless it is selected already.
    void Add(CExParts* part);
    // Removes a selected part, appends another; true when the part is selected afterwards.
    bool Toggle(CExParts* part);
    void Remove(CExParts* part);
    // Moves a selected part to the head of the list, making it primary.
    void MakePrimary(CExParts* part);
    // Removes every selected part of the set in one pass.
    void Remove(const std::unordered_set<const CExParts*>& parts);
    void Clear();
    // Lets go of every part without touching it, for a drawing being destroyed: a part that is
    // selected but not in the drawing may be gone already.
    void Forget() { m_list.clear(); }

private:
    std::vector<CExParts*> m_list;
};
