#include "PartsListDlg.h"

#include "Cp932.h"
#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "Thumbnail.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

CExParts* FirstElementOfCode(CKORVANEXDoc& doc, int code) {
    for (const auto& element : doc.Elements()) {
        if (element->GetPartsCode() == code) {
            return element.get();
        }
    }
    return nullptr;
}

} // namespace

CPartsListDlg::CPartsListDlg(CKORVANEXDoc& doc, ExPartsListKind kind, QWidget* parent)
    : QDialog(parent), m_lstItems(BuildPartsList(doc, kind)), m_pList(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("部品一覧"));
    // Sized freely, but neither minimised nor maximised.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    m_pList->setObjectName(QStringLiteral("partsList"));
    m_pList->setViewMode(QListView::IconMode);
    m_pList->setIconSize(QSize(kThumbnailPixels, kThumbnailPixels));
    m_pList->setGridSize(QSize(kThumbnailPixels + 64, kThumbnailPixels + 48));
    m_pList->setResizeMode(QListView::Adjust);
    m_pList->setMovement(QListView::Static);
    m_pList->setWordWrap(true);
    for (PARTSLISTITEM& item : m_lstItems) {
        QImage picture;
        if (CExParts* first = FirstElementOfCode(doc, item.nPartsCode)) {
            picture = RenderThumbnail(*first);
        }
        m_pList->addItem(
            new QListWidgetItem(QIcon(QPixmap::fromImage(picture)),
                                QStringLiteral("%1\n配置数：%2")
                                    .arg(QString::fromStdString(cp932::ToUtf8(item.strName)))
                                    .arg(item.nCount)));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 8, 6);
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(520, 400);
}
