#pragma once
// The "Categories" frame: the categories and the New, Edit and Delete buttons, a view of the
// catalogue's categories. It tells its window when a category is chosen.
#include <QGroupBox>

namespace cw {

class Catalogue;
class ChoiceListView;
class Context;

class CategoryPanel : public QGroupBox {
    Q_OBJECT
public:
    CategoryPanel(Context& ctx, Catalogue& catalogue, QWidget* parent);

    // The chosen category's row, -1 when none is chosen.
    int chosenRow() const;

signals:
    // A category was chosen: by a click, the keyboard, or from code.
    void categoryChosen(int row);

private:
    Context& m_ctx;
    Catalogue& m_catalogue;
    ChoiceListView* m_list;
};

} // namespace cw
