#pragma once

#include "ExAppServices.h"
#include "ExCableInfo.h"

#include <QDialog>

#include <vector>

class CAutoSaveSetting;
class CBitmapSetting;
class CExDrawCableTab;
class CExDrawGridUnitTab;
class CExDrawLayoutTab;
class CExDrawSettingPage;
class QTabWidget;

// "作図環境設定": the application-wide drawing defaults, cable pens, grid and bitmap export size,
// on four tabs. The tabs edit copies; OK checks every tab before anything is taken, and Cancel
// leaves the values as they came in.
class CDrawSettingDialog final : public QDialog {
    Q_OBJECT

public:
    CDrawSettingDialog(const ExDrawingDefaults& defaults,
                       const std::vector<tagCABLEINFO>& cableKinds, QWidget* parent = nullptr);

    // The values to keep once the dialog was accepted; before that, those it was opened with.
    const ExDrawingDefaults& Defaults() const { return m_defaults; }
    const std::vector<tagCABLEINFO>& CableKinds() const { return m_arCableInfo; }

public slots:
    void accept() override;

private:
    void StoreValues();

    ExDrawingDefaults m_defaults;
    std::vector<tagCABLEINFO> m_arCableInfo;
    QTabWidget* m_pTabs;
    CExDrawLayoutTab* m_pLayout;
    CExDrawCableTab* m_pCable;
    CExDrawGridUnitTab* m_pGrid;
    CBitmapSetting* m_pBitmap;
    CAutoSaveSetting* m_pAutoSave;
};
