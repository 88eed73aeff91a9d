#pragma once

#include "ExTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

class CExParts;

// Where a drawing's parts lie and in which order they are drawn: every part's update rectangle
// (view units) in an R-tree beside its position in the drawing's list, and the parts marked for
// redrawing. Finding the parts in an area then costs what lies there, not the length of the list.
//
// Parts tell the index when their rectangle changes or they are marked for redrawing; the tree
// and the positions catch up at the next question, so that recomputing every part (a zoom)
// rebuilds the tree once, packed, instead of moving each part in it.
class CExPartsIndex {
public:
    using PartList = std::vector<std::unique_ptr<CExParts>>;

    // The index follows the drawing's own list, which it reads for the positions.
    explicit CExPartsIndex(const PartList& list);
    ~CExPartsIndex();
    CExPartsIndex(const CExPartsIndex&) = delete;
    CExPartsIndex& operator=(const CExPartsIndex&) = delete;

    // What the drawing tells it as its list changes: a part joined or is leaving, and the
    // positions from `from` on are no longer what they were.
    void Joined(CExParts& part);
    void Leaving(CExParts& part);
    void Reordered(std::size_t from);
    void Clear();

    // The parts whose update rectangle meets a rectangle (view units, edges included, either
    // corner order), in drawing order.
    std::vector<CExParts*> PartsMeeting(const ExRect& rect) const;
    // The parts marked for redrawing, in drawing order.
    std::vector<CExParts*> PartsToRedraw() const;
    // The part's position in drawing order, or -1 when it is not in this drawing.
    int PositionOf(const CExParts& part) const;

private:
    friend class CExParts;
    // What a part in this drawing tells it.
    void BoundsChanged(std::uint32_t slot);
    void MarkedForRedraw(std::uint32_t slot);

    struct Tree;
    struct Slot {
        CExParts* part = nullptr;
        std::uint32_t position = 0;
        bool inTree = false;
        bool moved = false;
        bool listedForRedraw = false;
        ExRect indexed;
    };

    void CatchUp() const;
    void CatchUpPositions() const;
    void CatchUpTree() const;
    void RebuildTree() const;
    std::vector<CExParts*> InDrawingOrder(std::vector<std::uint32_t>& slots) const;

    const PartList& m_list;
    mutable std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_freeSlots;
    mutable std::vector<std::uint32_t> m_moved;
    mutable std::vector<std::uint32_t> m_toRedraw;
    mutable std::size_t m_positionsStaleFrom = 0;
    std::unique_ptr<Tree> m_tree;
};
