// The element list operations that edits and their undo replay: taking elements out and putting
// them back at given positions, one or many in one pass, and moving one within the order.

#include "KORVANEXDoc.h"

#include "ExKindIndex.h"
#include "ExParts.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

namespace {

void EraseAll(std::vector<CExParts*>& list, const std::unordered_set<const CExParts*>& leaving) {
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const CExParts* element) { return leaving.contains(element); }),
               list.end());
}

} // namespace

void CKORVANEXDoc::Arrived(CExParts* element, std::size_t position) {
    m_index.Joined(*element);
    m_index.Reordered(position);
    // Only rulers (their ends) and area measurements (the pillars they subtract) refer to other
    // elements; everything else has nothing to forget.
    const ExKind kind = KindOfElement(*element);
    if (kind == ExKind::Measure || kind == ExKind::Area) {
        m_lstReferrers.push_back(element);
    } else if (kind == ExKind::Pillar) {
        m_lstPillars.push_back(element);
    }
}

void CKORVANEXDoc::Left(const std::unordered_set<const CExParts*>& leaving) {
    m_selection.Remove(leaving);
    EraseAll(m_lstWork, leaving);
    EraseAll(m_lstCopy, leaving);
    EraseAll(m_lstReferrers, leaving);
    EraseAll(m_lstPillars, leaving);
    for (CExParts* referrer : m_lstReferrers) {
        for (const CExParts* element : leaving) {
            referrer->ForgetElement(element);
        }
    }
}

void CKORVANEXDoc::InsertElementAt(std::size_t index, std::unique_ptr<CExParts> element) {
    if (index > m_lstParts.size()) {
        throw std::out_of_range("element position");
    }
    CExParts* arrived = element.get();
    m_lstParts.insert(m_lstParts.begin() + static_cast<std::ptrdiff_t>(index), std::move(element));
    Arrived(arrived, index);
}

std::unique_ptr<CExParts> CKORVANEXDoc::TakeElementAt(std::size_t index) {
    std::unique_ptr<CExParts> taken = std::move(m_lstParts.at(index));
    m_lstParts.erase(m_lstParts.begin() + static_cast<std::ptrdiff_t>(index));
    m_index.Leaving(*taken);
    m_index.Reordered(index);
    Left({taken.get()});
    return taken;
}

std::vector<std::unique_ptr<CExParts>>
CKORVANEXDoc::TakeElementsAt(const std::vector<std::size_t>& indices) {
    if (!std::is_sorted(indices.begin(), indices.end()) ||
        std::adjacent_find(indices.begin(), indices.end()) != indices.end() ||
        (!indices.empty() && indices.back() >= m_lstParts.size())) {
        throw std::out_of_range("element positions");
    }
    std::vector<std::unique_ptr<CExParts>> taken;
    taken.reserve(indices.size());
    std::unordered_set<const CExParts*> leaving;
    leaving.reserve(indices.size());
    // Everything before the first position stays where it is.
    std::size_t kept = indices.empty() ? m_lstParts.size() : indices.front();
    auto next = indices.begin();
    for (std::size_t i = kept; i < m_lstParts.size(); ++i) {
        if (next != indices.end() && *next == i) {
            leaving.insert(m_lstParts[i].get());
            taken.push_back(std::move(m_lstParts[i]));
            ++next;
        } else {
            m_lstParts[kept++] = std::move(m_lstParts[i]);
        }
    }
    m_lstParts.resize(kept);
    for (const auto& element : taken) {
        m_index.Leaving(*element);
    }
    if (!indices.empty()) {
        m_index.Reordered(indices.front());
    }
    Left(leaving);
    return taken;
}

void CKORVANEXDoc::InsertElementsAt(const std::vector<std::size_t>& indices,
                                    std::vector<std::unique_ptr<CExParts>> elements) {
    const std::size_t total = m_lstParts.size() + elements.size();
    if (indices.size() != elements.size() || !std::is_sorted(indices.begin(), indices.end()) ||
        std::adjacent_find(indices.begin(), indices.end()) != indices.end() ||
        (!indices.empty() && indices.back() >= total)) {
        throw std::out_of_range("element positions");
    }
    // Filled from the back, so that everything before the first position stays where it is.
    std::size_t old = m_lstParts.size();
    std::size_t added = elements.size();
    m_lstParts.resize(total);
    for (std::size_t i = total; added > 0;) {
        --i;
        if (indices[added - 1] == i) {
            m_lstParts[i] = std::move(elements[--added]);
            Arrived(m_lstParts[i].get(), i);
        } else {
            m_lstParts[i] = std::move(m_lstParts[--old]);
        }
    }
}

void CKORVANEXDoc::MoveElement(std::size_t from, std::size_t to) {
    if (from >= m_lstParts.size() || to >= m_lstParts.size()) {
        throw std::out_of_range("element position");
    }
    const auto at = [&](std::size_t i) {
        return m_lstParts.begin() + static_cast<std::ptrdiff_t>(i);
    };
    m_index.Reordered(std::min(from, to));
    if (from < to) {
        std::rotate(at(from), at(from + 1), at(to + 1));
    } else if (to < from) {
        std::rotate(at(to), at(from), at(from + 1));
    }
}
