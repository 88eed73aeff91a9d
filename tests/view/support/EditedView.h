#pragma once

#include "ShownView.h"

#include <QEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QUndoStack>

// A document shown with a history, as the drawing's window gives it.
struct Edited : Shown {
    QUndoStack history;

    void Start() {
        Show();
        view->SetUndoStack(&history);
        QTest::qWait(20);
    }
    QPoint At(ExPoint drawing) const { return view->Geometry().DrawingToPixel(drawing); }
    QWidget* Surface() const { return view->viewport(); }
};

// What the window paints again, event by event.
struct PaintedRegion : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};
