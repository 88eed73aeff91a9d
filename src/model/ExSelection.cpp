#include "ExSelection.h"

#include "ExParts.h"

#include <algorithm>

bool CExSelection::IsSelected(const CExParts& part) {
    return part.GetSelectFlag() != 0;
}

void CExSelection::Select(CExParts* part) {
    Clear();
    Add(part);
}

void CExSelection::Add(CExParts* part) {
    if (!part || IsSelected(*part)) {
        return;
    }
    part->SetSelectFlag(1);
    m_list.push_back(part);
}

bool CExSelection::Toggle(CExParts* part) {
    if (!part) {
        return false;
    }
    if (IsSelected(*part)) {
        Remove(part);
        return false;
    }
    Add(part);
    return true;
}

void CExSelection::Remove(CExParts* part) {
    if (!part || !IsSelected(*part)) {
        return;
    }
    part->SetSelectFlag(0);
    m_list.erase(std::remove(m_list.begin(), m_list.end(), part), m_list.end());
}

void CExSelection::Remove(const std::unordered_set<const CExParts*>& parts) {
    const auto leaving = [&](CExParts* part) {
        if (!parts.contains(part)) {
            return false;
        }
        part->SetSelectFlag(0);
        return true;
    };
    m_list.erase(std::remove_if(m_list.begin(), m_list.end(), leaving), m_list.end());
}

void CExSelection::MakePrimary(CExParts* part) {
    const auto found = std::find(m_list.begin(), m_list.end(), part);
    if (found != m_list.end()) {
        std::rotate(m_list.begin(), found, found + 1);
    }
}

void CExSelection::Clear() {
    for (CExParts* part : m_list) {
        part->SetSelectFlag(0);
    }
    m_list.clear();
}
