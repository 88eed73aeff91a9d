#include "PartsListDlg.h"

#include "Cp932.h"
#include "ExAppServices.h"
#include "ExFileIO.h"
#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "SaveFileName.h"
#include "Thumbnail.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kCsvFilter = "CSVファイル (*.csv)";
constexpr const char* kCsvFailed = "CSVファイルの保存に失敗しました";

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
    : QDialog(parent), m_doc(doc), m_lstItems(BuildPartsList(doc, kind)),
      m_pList(new QListWidget(this)),
      m_pSaveCsv(new QPushButton(QStringLiteral("CSV保存..."), this)) {
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
    buttons->addButton(m_pSaveCsv, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pSaveCsv, &QPushButton::clicked, this, &CPartsListDlg::OnSaveCsv);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 8, 6);
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(520, 400);
}

void CPartsListDlg::OnSaveCsv() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(kCsvFilter));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString fileName = dialog.selectedFiles().constFirst();
    // Another extension typed by the user is kept and ".csv" added.
    if (QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0) {
        fileName = NameWithSuffix(fileName, "csv");
    }
    if (!fileName.isEmpty()) {
        SaveCsv(fileName);
    }
}

bool CPartsListDlg::SaveCsv(const QString& fileName) {
    std::error_code error;
    if (exfile::WriteFileSafely(std::filesystem::path(fileName.toStdString()),
                                PartsTallyCsv(TallyParts(m_doc)), error)) {
        return true;
    }
    AppServices().MessageBox(std::string(kCsvFailed) + "\n" + fileName.toStdString() + "（" +
                                 exfile::ReasonText(error) + "）",
                             ExMessageIcon::Stop, ExMessageButtons::Ok);
    return false;
}
