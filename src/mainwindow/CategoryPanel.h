#pragma once
// The "Categories" frame: the category list and its New, Edit and Delete buttons. It tells
// its window through signals when a category is chosen and when one is deleted.
#include <QGroupBox>

class QPushButton;

namespace cw {

class Context;
class cCategory;
class SortedListBox;

class CategoryPanel : public QGroupBox {
    Q_OBJECT
public:
    CategoryPanel(Context& ctx, QWidget* parent);

    // Fills the list from the category file and chooses its first entry (the load step).
    void RefreshCategoryList();
    // The chosen category: its ID (0 when none is chosen) and its name as listed.
    qint32 chosenId() const;
    QString chosenName() const;

signals:
    // A category was chosen: by a click, the keyboard, or from code (lstCat_Click).
    void categoryChosen(qint32 id);
    // A category and its items were deleted; no category is chosen for the moment.
    void categoryDeleted();
    // Items left the shopping list.
    void listChanged();

private:
    void CreateNewCategory();
    void EditSelectedCategory();
    void DeleteSelectedCategory();
    bool readSelected(cCategory& cat, int& index, qint32& id);

    Context& m_ctx;
    SortedListBox* lstCat;
    QPushButton* cmdNewCat;
    QPushButton* cmdEditCat;
    QPushButton* cmdDeleteCat;
};

} // namespace cw
