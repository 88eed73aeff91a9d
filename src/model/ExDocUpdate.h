#pragma once

#include "ExTypes.h"

#include <optional>
#include <vector>

class CExParts;

// What changed in a drawing, as its views are told. The kinds keep the numbers the views have
// always used for them; each carries only what its kind needs.
struct ExDocUpdate {
    enum class Kind {
        General = 0,
        ZoomChanged = 6,
        DragStarted = 7,  // a library part is being dragged: dragPart
        DragMoved = 8,    // the drag is over a screen point: screen
        Dropped = 9,      // dropped at a screen point, or cancelled (no screen)
        RedrawAll = 11,   // the drawing settings changed: recompute and redraw everything
        PartsChanged = 12 // these parts changed within this drawing-unit area
    };

    Kind kind = Kind::General;
    const CExParts* dragPart = nullptr;
    std::optional<ExPoint> screen;
    std::vector<const CExParts*> parts;
    ExRect area; // drawing units, covering the parts before and after the change

    static ExDocUpdate ZoomChanged() { return Of(Kind::ZoomChanged); }
    static ExDocUpdate RedrawAll() { return Of(Kind::RedrawAll); }
    static ExDocUpdate DragStarted(const CExParts* prototype) {
        ExDocUpdate update = Of(Kind::DragStarted);
        update.dragPart = prototype;
        return update;
    }
    static ExDocUpdate DragMoved(ExPoint screen) {
        ExDocUpdate update = Of(Kind::DragMoved);
        update.screen = screen;
        return update;
    }
    static ExDocUpdate Dropped(std::optional<ExPoint> screen) {
        ExDocUpdate update = Of(Kind::Dropped);
        update.screen = screen;
        return update;
    }
    static ExDocUpdate PartsChanged(std::vector<const CExParts*> parts, ExRect area) {
        ExDocUpdate update = Of(Kind::PartsChanged);
        update.parts = std::move(parts);
        update.area = area;
        return update;
    }

private:
    static ExDocUpdate Of(Kind kind) {
        ExDocUpdate update;
        update.kind = kind;
        return update;
    }
};

// Told by the document when something changed; views implement it.
class CExDocObserver {
public:
    virtual ~CExDocObserver() = default;
    virtual void OnDocumentUpdate(CExDocObserver* sender, const ExDocUpdate& update) = 0;
};
