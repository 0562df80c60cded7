#include "mainwindow/QuantityKeypad.h"

#include "core/Numbers.h"
#include "core/Prompts.h"
#include "core/Trap.h"
#include "mainwindow/ShoppingGrid.h"
#include "store/Records.h"
#include "store/cSourceItem.h"
#include "widgets/CaptionLabel.h"
#include "widgets/Guard.h"
#include "widgets/Twips.h"

#include <QPushButton>

namespace cw {

QuantityKeypad::QuantityKeypad(Context& ctx, ShoppingGrid& grid, CaptionLabel& selectedId,
                               CaptionLabel& total, QWidget* frame)
    : QObject(frame), m_ctx(ctx), m_grid(grid), m_selectedId(selectedId), m_total(total) {
    struct Key {
        int index;
        const char* caption;
        int left, top;
    };
    static constexpr Key keys[] = {{0, "1", 7500, 1800}, {1, "2", 7860, 1800}, {2, "3", 8220, 1800},
                                   {3, "4", 8580, 1800}, {4, "5", 7500, 2100}, {5, "6", 7860, 2100},
                                   {6, "7", 8220, 2100}, {7, "8", 8580, 2100}, {8, "9", 8220, 2400},
                                   {15, "?", 8580, 2400}};
    for (const Key& k : keys) {
        auto* b = new QPushButton(QString::fromLatin1(k.caption), frame);
        b->setObjectName(QStringLiteral("cmdNum%1").arg(k.index));
        b->setGeometry(twipsRect(k.left, k.top, 350, 255));
        b->setFocusPolicy(Qt::TabFocus);
        if (k.index == 15) b->setAccessibleName(QStringLiteral("Ask for a quantity"));
        cmdNum[k.index] = b;
        const int index = k.index;
        connect(b, &QPushButton::clicked, this,
                [this, index] { guarded(m_ctx, [&] { cmdNum_Click(index); }); });
    }
}

void QuantityKeypad::cmdNum_Click(int Index) {
    trap(m_ctx, QStringLiteral("frmMain.cmdNum_Click_Error: "), [&] {
        ShoppingGrid* grid = &m_grid;
        const qint32 id = toLong(leadingNumber(m_selectedId.caption()));
        if (id == 0) return;
        const int row = grid->currentGridRow();
        if (leadingNumber(grid->cellText(row, 0)) != id) return;
        QString qty = trimSpaces(cmdNum.at(Index)->text());
        if (qty == QLatin1String("?")) {
            qty = InputBox(m_ctx, QStringLiteral("Enter Quantity"), appTitle());
            if (trimSpaces(qty).isEmpty()) return;
            if (!readsAsNumber(qty)) return;
            if (leadingNumber(qty) > 32768)
                return MsgBox(
                    m_ctx, QStringLiteral("Quantities above 32768 not supported in this function"));
            // The grid, the total and the record must agree: a quantity the record's field
            // cannot hold whole, or so far below zero that its cost leaves the range of the
            // money type, is refused like one above 32768.
            if (leadingNumber(qty) < -32768)
                return MsgBox(m_ctx, QStringLiteral(
                                         "Quantities below -32768 not supported in this function"));
            if (shortestText(leadingNumber(qty)).size() > SourceItemLayout::selectedQuantity.width)
                return MsgBox(m_ctx, QStringLiteral("Quantities of more than 10 characters not "
                                                    "supported in this function"));
        }
        cSourceItem item(m_ctx);
        item.blnFindRecord(id);
        item.blnSelectRecord(id, shortestText(leadingNumber(qty)));
        grid->setCellText(row, 5, formatWhole(qty));
        grid->setCellText(row, 6, formatFixed(leadingNumber(qty) * leadingNumber(item.strCost)));
        m_total.setCaption(item.Calculate().toFixed());
    });
}

} // namespace cw
