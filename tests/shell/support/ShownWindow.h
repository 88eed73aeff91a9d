#pragma once

#include "ChildFrame.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "MainFrame.h"

#include <QAction>
#include <QTest>

// A main window with one drawing, shown as the user has it.
struct ShownWindow {
    CMainFrame frame;
    CChildFrame* child = nullptr;

    void Open() {
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        child = frame.NewDocument();
        QTest::qWait(20);
    }
    CKORVANEXView& View() const { return child->View(); }
    CKORVANEXDoc& Doc() const { return child->Document(); }
    QAction* Action(const char* name) const { return frame.Action(QLatin1String(name)); }
};
