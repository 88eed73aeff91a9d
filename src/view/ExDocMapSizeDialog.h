#pragma once

#include "ExEdit.h"
#include "ExViewSettings.h"
#include "MapSizeChange.h"

#include <QDialog>

#include <memory>

class CKORVANEXDoc;
class CRangeSpinBox;

// "図面サイズ変更": the sheet's height and width in whole metres, 1 to 1000. OK applies the size
// to the document (asking before parts are deleted) and closes, whatever was answered.
class CExDocMapSizeDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinMetres = kMinMapMetres;
    static constexpr int kMaxMetres = kMaxMapMetres;

    CExDocMapSizeDialog(CKORVANEXDoc& doc, ExMapSize current, int viewScale,
                        QWidget* parent = nullptr);

    CRangeSpinBox* HeightField() const { return m_pHeight; }
    CRangeSpinBox* WidthField() const { return m_pWidth; }
    // The size in force after OK: the new one, or the old one when the question was cancelled.
    ExMapSize Result() const { return m_result; }
    // The parts OK deleted beyond the new sheet, as a step of the drawing's history.
    std::unique_ptr<CExEdit> TakeEdit() { return m_recorder.Finish(); }

public slots:
    void accept() override;

private:
    CExEditRecorder m_recorder;
    int m_nViewScale;
    ExMapSize m_result;
    CRangeSpinBox* m_pHeight;
    CRangeSpinBox* m_pWidth;
};
