#pragma once
// The quantity buttons beside the shopping list grid: set the quantity to buy of the selected
// list entry, or ask for any quantity with "?". They work on the grid, the selected entry and
// the running total of the shopping list frame they stand in.
#include <QObject>
#include <map>

class QPushButton;
class QWidget;

namespace cw {

class CaptionLabel;
class Context;
class ShoppingGrid;

class QuantityKeypad : public QObject {
    Q_OBJECT
public:
    QuantityKeypad(Context& ctx, ShoppingGrid& grid, CaptionLabel& selectedId, CaptionLabel& total,
                   QWidget* frame);

    void cmdNum_Click(int Index);

private:
    Context& m_ctx;
    ShoppingGrid& m_grid;
    CaptionLabel& m_selectedId;
    CaptionLabel& m_total;
    // The buttons by index: 0-8 are "1" to "9", 15 is "?".
    std::map<int, QPushButton*> cmdNum;
};

} // namespace cw
