#pragma once
// The quantity buttons beside the shopping list grid: set the quantity to buy of the selected
// list entry, or ask for any quantity with "?".
#include <QObject>
#include <map>

class QPushButton;

namespace cw {

class Context;
class ShoppingListPanel;

class QuantityKeypad : public QObject {
    Q_OBJECT
public:
    QuantityKeypad(Context& ctx, ShoppingListPanel& panel);

    // The buttons by index: 0-8 are "1" to "9", 15 is "?".
    std::map<int, QPushButton*> cmdNum;
    void cmdNum_Click(int Index);

private:
    Context& m_ctx;
    ShoppingListPanel& m_panel;
};

} // namespace cw
