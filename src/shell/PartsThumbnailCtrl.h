#pragma once

#include <QListWidget>

#include <functional>
#include <memory>
#include <vector>

class CExParts;
class CKORVANEXDoc;

// The parts of one library category as 64 × 64 pictures with their names. A picture dragged
// onto a drawing places its part there: the drawing's views hear of the drag through their
// document (hint 7 when it starts, 9 when it ends: with the drop point from the view, or
// without one when the drag was cancelled).
class CPartsThumbnailCtrl final : public QListWidget {
    Q_OBJECT

public:
    explicit CPartsThumbnailCtrl(QWidget* parent = nullptr);
    ~CPartsThumbnailCtrl() override;

    void SetLibraryFolder(const QString& folder) { m_strLibraryFolder = folder; }
    // The category folder relative to the library; false when it is the current one already.
    bool SetCategory(const QString& relativeFolder);
    const QString& Category() const { return m_strCategory; }
    // Reads the category's parts again. A category that takes long shows its progress and
    // can be stopped, keeping the parts read so far.
    void Reload();
    const std::vector<std::unique_ptr<CExParts>>& Prototypes() const { return m_prototypes; }

    // The drawing a drag would place into: the active one, or none.
    void SetTargetDocument(std::function<CKORVANEXDoc*()> target) { m_target = std::move(target); }
    // The two halves of a drag around the toolkit's drag loop: the start tells the target
    // drawing which part comes (false when there is none), the end tells it the drag is over.
    CKORVANEXDoc* BeginLibraryDrag(int index);
    void EndLibraryDrag(CKORVANEXDoc* doc, bool dropped);
    bool IsDragging() const { return m_bDragging; }

protected:
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QString m_strLibraryFolder;
    QString m_strCategory;
    std::vector<std::unique_ptr<CExParts>> m_prototypes;
    std::function<CKORVANEXDoc*()> m_target;
    bool m_bDragging = false;
};
