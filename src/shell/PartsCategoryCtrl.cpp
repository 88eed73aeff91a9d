#include "PartsCategoryCtrl.h"

#include "ExPartsLibrary.h"

#include <QDir>

CPartsCategoryCtrl::CPartsCategoryCtrl(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("partsCategoryTree"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setFrameShadow(QFrame::Sunken);
    setIconSize(QSize(20, 20));
    // A closed folder, and an open one for the selected category.
    m_icon.addFile(QStringLiteral(":/icons/category-closed.svg"), QSize(), QIcon::Normal);
    m_icon.addFile(QStringLiteral(":/icons/category-open.svg"), QSize(), QIcon::Selected);
    connect(this, &QTreeWidget::itemSelectionChanged, this,
            &CPartsCategoryCtrl::OnSelectionChanged);
}

bool CPartsCategoryCtrl::Build(const QString& libraryFolder) {
    clear();
    const auto tree = ReadCategoryTree(QDir(libraryFolder).filesystemAbsolutePath());
    if (!tree) {
        return false;
    }
    AddNodes(nullptr, *tree);
    if (QTreeWidgetItem* first = topLevelItem(0)) {
        first->setExpanded(true);
        setCurrentItem(first);
    }
    return true;
}

void CPartsCategoryCtrl::AddNodes(QTreeWidgetItem* parent,
                                  const std::vector<ExCategoryNode>& nodes) {
    for (const ExCategoryNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, QString::fromStdString(node.name));
        item->setIcon(0, m_icon);
        AddNodes(item, node.children);
    }
}

QString CPartsCategoryCtrl::SelectedCategory() const {
    QString folder;
    for (const QTreeWidgetItem* item = currentItem(); item; item = item->parent()) {
        folder.prepend(item->text(0) + QLatin1Char('/'));
    }
    return folder;
}

void CPartsCategoryCtrl::OnSelectionChanged() {
    if (!selectedItems().isEmpty()) {
        emit categorySelected(SelectedCategory());
    }
}
