#pragma once
// The "Categories" frame: the category list and its New, Edit and Delete buttons.
#include <QGroupBox>

class QPushButton;

namespace cw {

class Context;
class cCategory;
class SortedListBox;
class frmMain;

class CategoryPanel : public QGroupBox {
    Q_OBJECT
public:
    CategoryPanel(Context& ctx, frmMain& main, QWidget* parent);

    SortedListBox* lstCat;
    QPushButton* cmdNewCat;
    QPushButton* cmdEditCat;
    QPushButton* cmdDeleteCat;

    void CreateNewCategory();
    void EditSelectedCategory();
    void DeleteSelectedCategory();
    void RefreshCategoryList();
    void lstCat_Click();

private:
    bool readSelected(cCategory& cat, int& index, qint32& id);
    Context& m_ctx;
    frmMain& m_main;
};

} // namespace cw
