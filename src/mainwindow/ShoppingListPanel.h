#pragma once
// The "Current Shopping List" frame, a view of the shopping list: its grid, the running total
// and the sort order below the frame, the Remove, Clear and Sort buttons and the quantity
// keypad.
#include <QGroupBox>

class QLabel;
class QMenu;

namespace cw {

class Context;
class ShoppingList;
class ShoppingListView;

class ShoppingListPanel : public QGroupBox {
    Q_OBJECT
public:
    // `area` is the window's inner area, where the total and the sort order stand under the
    // frame.
    ShoppingListPanel(Context& ctx, ShoppingList& list, QWidget* area);

private:
    // A command of the list.
    template <class Command> void run(Command&& command);

    Context& m_ctx;
    ShoppingList& m_list;
    ShoppingListView* m_view;
    QMenu* m_sortMenu;
};

} // namespace cw
