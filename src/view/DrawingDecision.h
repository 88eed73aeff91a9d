#pragma once

class CExDC;
class CExParts;

// How one element is drawn on a surface.
enum class ExDrawStyle { Skip, Normal, Light };

// Which elements a picture shows and which of them dimmed. The screen, the picture export and
// printing all decide through this one class, so that they never disagree about a kind.
class CExDrawingDecision {
public:
    // The screen: in the layout view the wiring layer is dimmed, in the wiring view everything
    // else; areas and distance rulers only while they are shown.
    static CExDrawingDecision ForView(int viewMode, bool showMeasure, bool showArea);
    // A picture of the whole sheet: dimmed as in the view mode, every area and ruler shown.
    static CExDrawingDecision ForPicture(int viewMode);
    // A print form: 0 everything, 1 everything but the wiring layer, 2 the wiring layer only;
    // nothing dimmed.
    static CExDrawingDecision ForPrintForm(int form);

    ExDrawStyle Decide(const CExParts& part) const;
    // Draws the element as decided; false when it is not drawn.
    bool Draw(CExParts& part, CExDC& dc) const;

private:
    enum class Source { View, Print };
    Source m_source = Source::View;
    int m_nViewMode = 0;
    int m_nPrintForm = 0;
    bool m_bShowMeasure = true;
    bool m_bShowArea = true;
};

// Cables and the other parts of the wiring layer (parts code / 100 is 501 or 502).
bool IsWiringLayerPart(const CExParts& part);
