#pragma once

#include "KORVANEXView.h"

#include <QTest>

#include <memory>

// A document shown in an 800 × 600 view that is the active one.
struct Shown {
    CKORVANEXDoc doc;
    std::unique_ptr<CKORVANEXView> view;

    void Show() {
        view = std::make_unique<CKORVANEXView>(doc);
        view->resize(800, 600);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->Activate(true);
    }
};
