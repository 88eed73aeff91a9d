#include "ExPartsIndex.h"

#include "ExParts.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace {

// Doubles hold every 32-bit coordinate exactly and keep the tree's area sums clear of overflow.
using TreePoint = bg::model::point<double, 2, bg::cs::cartesian>;
using TreeBox = bg::model::box<TreePoint>;
using TreeValue = std::pair<TreeBox, std::uint32_t>;

TreeBox BoxOf(const ExRect& rect) {
    return {TreePoint(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom)),
            TreePoint(std::max(rect.left, rect.right), std::max(rect.top, rect.bottom))};
}

// Below this share of moved parts the tree is mended in place; above it, built again packed.
constexpr std::size_t kRebuildDivisor = 4;

} // namespace

struct CExPartsIndex::Tree {
    bgi::rtree<TreeValue, bgi::rstar<16>> rtree;
};

CExPartsIndex::CExPartsIndex(const PartList& list)
    : m_list(list), m_tree(std::make_unique<Tree>()) {}

CExPartsIndex::~CExPartsIndex() {
    Clear();
}

void CExPartsIndex::Joined(CExParts& part) {
    std::uint32_t slot = 0;
    if (m_freeSlots.empty()) {
        slot = static_cast<std::uint32_t>(m_slots.size());
        m_slots.emplace_back();
    } else {
        slot = m_freeSlots.back();
        m_freeSlots.pop_back();
    }
    m_slots[slot].part = &part;
    part.m_pIndex = this;
    part.m_nIndexSlot = slot;
    BoundsChanged(slot);
    if (part.GetRedrawFlag() == 1) {
        MarkedForRedraw(slot);
    }
}

void CExPartsIndex::Leaving(CExParts& part) {
    if (part.m_pIndex != this) {
        return;
    }
    const std::uint32_t slot = part.m_nIndexSlot;
    part.m_pIndex = nullptr;
    m_slots[slot].part = nullptr;
    // The tree lets go of the slot's rectangle when it catches up.
    BoundsChanged(slot);
    m_freeSlots.push_back(slot);
}

void CExPartsIndex::Reordered(std::size_t from) {
    m_positionsStaleFrom = std::min(m_positionsStaleFrom, from);
}

void CExPartsIndex::Clear() {
    for (Slot& slot : m_slots) {
        if (slot.part) {
            slot.part->m_pIndex = nullptr;
        }
    }
    m_slots.clear();
    m_freeSlots.clear();
    m_moved.clear();
    m_toRedraw.clear();
    m_positionsStaleFrom = 0;
    m_tree->rtree.clear();
}

void CExPartsIndex::BoundsChanged(std::uint32_t slot) {
    if (!m_slots[slot].moved) {
        m_slots[slot].moved = true;
        m_moved.push_back(slot);
    }
}

void CExPartsIndex::MarkedForRedraw(std::uint32_t slot) {
    if (!m_slots[slot].listedForRedraw) {
        m_slots[slot].listedForRedraw = true;
        m_toRedraw.push_back(slot);
    }
}

std::vector<CExParts*> CExPartsIndex::PartsMeeting(const ExRect& rect) const {
    CatchUp();
    std::vector<TreeValue> found;
    m_tree->rtree.query(bgi::intersects(BoxOf(rect)), std::back_inserter(found));
    std::vector<std::uint32_t> slots(found.size());
    std::transform(found.begin(), found.end(), slots.begin(),
                   [](const TreeValue& value) { return value.second; });
    return InDrawingOrder(slots);
}

std::vector<CExParts*> CExPartsIndex::PartsToRedraw() const {
    CatchUpPositions();
    // A part whose mark was taken off since, or that left the drawing, leaves the list here.
    std::vector<std::uint32_t> slots;
    slots.reserve(m_toRedraw.size());
    std::erase_if(m_toRedraw, [&](std::uint32_t slot) {
        Slot& entry = m_slots[slot];
        if (entry.part && entry.part->GetRedrawFlag() == 1) {
            slots.push_back(slot);
            return false;
        }
        entry.listedForRedraw = false;
        return true;
    });
    return InDrawingOrder(slots);
}

int CExPartsIndex::PositionOf(const CExParts& part) const {
    if (part.m_pIndex != this) {
        return -1;
    }
    CatchUpPositions();
    return static_cast<int>(m_slots[part.m_nIndexSlot].position);
}

void CExPartsIndex::CatchUp() const {
    CatchUpPositions();
    CatchUpTree();
}

void CExPartsIndex::CatchUpPositions() const {
    for (std::size_t i = m_positionsStaleFrom; i < m_list.size(); ++i) {
        m_slots[m_list[i]->m_nIndexSlot].position = static_cast<std::uint32_t>(i);
    }
    m_positionsStaleFrom = m_list.size();
}

void CExPartsIndex::CatchUpTree() const {
    if (m_moved.empty()) {
        return;
    }
    if (m_moved.size() > m_tree->rtree.size() / kRebuildDivisor) {
        RebuildTree();
        return;
    }
    for (std::uint32_t slot : m_moved) {
        Slot& entry = m_slots[slot];
        if (entry.inTree) {
            m_tree->rtree.remove(TreeValue(BoxOf(entry.indexed), slot));
            entry.inTree = false;
        }
        if (entry.part) {
            entry.indexed = entry.part->GetUpdateRect();
            m_tree->rtree.insert(TreeValue(BoxOf(entry.indexed), slot));
            entry.inTree = true;
        }
        entry.moved = false;
    }
    m_moved.clear();
}

void CExPartsIndex::RebuildTree() const {
    std::vector<TreeValue> values;
    values.reserve(m_slots.size());
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        Slot& entry = m_slots[i];
        entry.moved = false;
        entry.inTree = entry.part != nullptr;
        if (entry.inTree) {
            entry.indexed = entry.part->GetUpdateRect();
            values.emplace_back(BoxOf(entry.indexed), static_cast<std::uint32_t>(i));
        }
    }
    m_moved.clear();
    // Built from a range, the tree is packed: fuller nodes and faster questions than inserting.
    m_tree->rtree = decltype(m_tree->rtree)(values.begin(), values.end());
}

std::vector<CExParts*> CExPartsIndex::InDrawingOrder(std::vector<std::uint32_t>& slots) const {
    std::sort(slots.begin(), slots.end(), [&](std::uint32_t a, std::uint32_t b) {
        return m_slots[a].position < m_slots[b].position;
    });
    std::vector<CExParts*> parts;
    parts.reserve(slots.size());
    std::transform(slots.begin(), slots.end(), std::back_inserter(parts),
                   [&](std::uint32_t slot) { return m_slots[slot].part; });
    return parts;
}
