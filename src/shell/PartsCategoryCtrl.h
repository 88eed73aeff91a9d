#pragma once

#include <QTreeWidget>

struct ExCategoryNode;

// The category tree of the parts library: one item per category and group folder, the outer
// walls' category left out. Selecting an item names its folder to the thumbnail list.
class CPartsCategoryCtrl final : public QTreeWidget {
    Q_OBJECT

public:
    explicit CPartsCategoryCtrl(QWidget* parent = nullptr);

    // Builds the tree from a library folder, selecting the first category. False, with the
    // tree left empty, when the folder or its outer walls' category is missing.
    bool Build(const QString& libraryFolder);
    // The selected folder relative to the library, each level followed by "/"; empty without
    // a selection.
    QString SelectedCategory() const;

signals:
    void categorySelected(const QString& relativeFolder);

private:
    void AddNodes(QTreeWidgetItem* parent, const std::vector<ExCategoryNode>& nodes);
    void OnSelectionChanged();

    QIcon m_icon;
};
