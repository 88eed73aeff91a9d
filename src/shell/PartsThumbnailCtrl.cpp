#include "PartsThumbnailCtrl.h"

#include "Cp932.h"
#include "ExParts.h"
#include "ExPartsLibrary.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "Thumbnail.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QMimeData>
#include <QProgressDialog>

namespace {

// A category that takes longer than this to read shows a progress window.
constexpr int kProgressDelayMs = 400;

} // namespace

CPartsThumbnailCtrl::CPartsThumbnailCtrl(QWidget* parent)
    : QListWidget(parent), m_strCategory(QString::fromUtf8(exlibrary::kOuterWallFolder) + '/') {
    setObjectName(QStringLiteral("partsThumbnailList"));
    setViewMode(QListView::IconMode);
    setIconSize(QSize(kThumbnailPixels, kThumbnailPixels));
    setGridSize(QSize(kThumbnailPixels + 56, kThumbnailPixels + 40));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setFrameShadow(QFrame::Sunken);
}

CPartsThumbnailCtrl::~CPartsThumbnailCtrl() = default;

bool CPartsThumbnailCtrl::SetCategory(const QString& relativeFolder) {
    if (relativeFolder == m_strCategory) {
        return false;
    }
    m_strCategory = relativeFolder;
    return true;
}

void CPartsThumbnailCtrl::Reload() {
    clear();
    m_prototypes.clear();
    const QDir folder(QDir(m_strLibraryFolder).filePath(m_strCategory));
    const std::vector<std::filesystem::path> files =
        ListShapeFiles(folder.filesystemAbsolutePath());

    QProgressDialog progress(QStringLiteral("部品を読み込んでいます..."),
                             QStringLiteral("キャンセル"), 0, static_cast<int>(files.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    for (std::size_t i = 0; i < files.size() && !progress.wasCanceled(); ++i) {
        progress.setValue(static_cast<int>(i));
        std::unique_ptr<CExParts> part = LoadLibraryPart(files[i]);
        if (!part) {
            continue;
        }
        auto* item =
            new QListWidgetItem(QIcon(QPixmap::fromImage(RenderThumbnail(*part))),
                                QString::fromStdString(cp932::ToUtf8(part->GetPartsName())));
        // Long names are cut short under their pictures; the tip shows them whole.
        item->setToolTip(item->text());
        item->setData(Qt::UserRole, static_cast<int>(m_prototypes.size()));
        m_prototypes.push_back(std::move(part));
        addItem(item);
    }
    progress.setValue(static_cast<int>(files.size()));
    // The list keeps its scroll position through clearing: another category starts at the top.
    scrollToTop();
}

CKORVANEXDoc* CPartsThumbnailCtrl::BeginLibraryDrag(int index) {
    CKORVANEXDoc* doc = m_target ? m_target() : nullptr;
    if (!doc || index < 0 || index >= static_cast<int>(m_prototypes.size())) {
        return nullptr;
    }
    CExParts* prototype = m_prototypes[static_cast<std::size_t>(index)].get();
    doc->SetDragParts(prototype);
    m_bDragging = true;
    doc->UpdateAllViews(nullptr, ExDocUpdate::DragStarted(prototype));
    return doc;
}

void CPartsThumbnailCtrl::EndLibraryDrag(CKORVANEXDoc* doc, bool dropped) {
    m_bDragging = false;
    if (!doc) {
        return;
    }
    if (!dropped) {
        doc->UpdateAllViews(nullptr, ExDocUpdate::Dropped(std::nullopt));
    }
    doc->SetDragParts(nullptr);
}

void CPartsThumbnailCtrl::startDrag(Qt::DropActions) {
    const QListWidgetItem* item = currentItem();
    if (!item) {
        return;
    }
    CKORVANEXDoc* doc = BeginLibraryDrag(item->data(Qt::UserRole).toInt());
    if (!doc) {
        return;
    }
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(LibraryPartMimeType(), QByteArray());
    drag->setMimeData(data);
    drag->setPixmap(item->icon().pixmap(kThumbnailPixels, kThumbnailPixels));
    drag->setHotSpot(QPoint(kThumbnailPixels / 2, kThumbnailPixels / 2));
    const Qt::DropAction action = drag->exec(Qt::CopyAction);
    // A drawing closed while the drag ran is not told anything more.
    CKORVANEXDoc* stillActive = m_target ? m_target() : nullptr;
    EndLibraryDrag(stillActive == doc ? doc : nullptr, action != Qt::IgnoreAction);
}
