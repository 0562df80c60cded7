#include "model/ShoppingList.h"

#include "core/Busy.h"
#include "core/Failure.h"
#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "store/CategoryNames.h"
#include "store/ChangeJournal.h"
#include "store/ItemStore.h"
#include "store/RecordLayout.h"

#include <algorithm>

namespace cw {
namespace {

Money orOverflow(const std::optional<Money>& amount) {
    if (!amount) throw Failure::overflow();
    return *amount;
}

// A sort order's name: stored in the settings as it stands, shown translated.
const char* sortName(SortOrder order) {
    switch (order) {
    case SortOrder::ByItem:
        return QT_TRANSLATE_NOOP("cw::ShoppingList", "Sorted by Item");
    case SortOrder::ByAisle:
        return QT_TRANSLATE_NOOP("cw::ShoppingList", "Sorted by Isle");
    case SortOrder::ByCategory:
        return QT_TRANSLATE_NOOP("cw::ShoppingList", "Sorted by Category");
    case SortOrder::None:
        break;
    }
    return nullptr;
}

} // namespace

ShoppingList::ShoppingList(Context& ctx, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_model(this) {}

QString ShoppingList::captionOf(SortOrder order) {
    const char* name = sortName(order);
    return name ? QString::fromLatin1(name) : QString();
}

QString ShoppingList::labelOf(SortOrder order) {
    const char* name = sortName(order);
    return name ? tr(name) : QString();
}

QString ShoppingList::sortLabel() const {
    const SortOrder order = orderOf(m_sortCaption);
    return order == SortOrder::None ? m_sortCaption : labelOf(order);
}

SortOrder ShoppingList::orderOf(const QString& caption) {
    const QString mode = trimSpaces(caption).toUpper();
    for (const SortOrder order : {SortOrder::ByItem, SortOrder::ByAisle, SortOrder::ByCategory})
        if (mode == captionOf(order).toUpper()) return order;
    return SortOrder::None;
}

void ShoppingList::setSortCaption(const QString& caption) {
    m_sortCaption = caption;
    emit sortLabelChanged(sortLabel());
}

void ShoppingList::refresh() {
    refillRows(rebuildOrder());
}

void ShoppingList::refillRows() {
    refillRows(std::nullopt);
}

// The order of the rows from the item file; what the pass read is handed to the refill that
// follows it in the same command.
std::optional<ShoppingList::ReadList> ShoppingList::rebuildOrder() {
    std::optional<ReadList> fresh;
    trap(m_ctx, prefix::kRebuildOrder, [&] {
        const Busy busy(m_ctx);
        ReadList read;
        m_order.clear();
        // The store reports its own failure; the order is then empty.
        const bool whole = ItemStore(m_ctx).readList(orderOf(m_sortCaption), read.items, read.rows);
        m_order.reserve(read.rows.size());
        for (const int item : read.rows)
            m_order.push_back(read.items.id(item));
        if (whole) fresh = std::move(read);
    });
    return fresh;
}

void ShoppingList::refillRows(std::optional<ReadList> fresh) {
    trap(m_ctx, prefix::kRefillRows, [&] {
        const Busy busy(m_ctx);
        m_model.clearRows();
        if (m_order.empty()) {
            m_chosenId = 0;
            m_model.setTotalText(
                (fresh ? orOverflow(fresh->items.total()) : ItemStore(m_ctx).total()).toFixed());
            return;
        }
        ReadList read;
        std::optional<Money> total; // nothing when past the money range
        if (fresh) {
            read = std::move(*fresh);
            total = read.items.total();
        } else {
            read.items = ItemStore(m_ctx).readItems(m_order, total);
            read.rows.resize(m_order.size());
            for (std::size_t i = 0; i < read.rows.size(); ++i)
                read.rows[i] = static_cast<int>(i);
        }
        QHash<qint32, QString> names = categoryNames(read.items, read.rows);
        m_model.showRows(std::move(read.items), std::move(read.rows), std::move(names));
        m_model.setTotalText(orOverflow(total).toFixed()); // after the rows, as they stand
        m_chosenId = m_model.idAt(0);
        emit refilled();
    });
}

QHash<qint32, QString> ShoppingList::categoryNames(const ListedItems& items,
                                                   const std::vector<int>& rows) {
    CategoryNames names(m_ctx); // the category file read once; a failure reported once
    QHash<qint32, QString> out;
    for (const int item : rows) {
        const qint32 id = items.categoryId(item);
        if (!out.contains(id)) out.insert(id, names.name(id));
    }
    return out;
}

void ShoppingList::sortBy(SortOrder order) {
    setSortCaption(captionOf(order));
    refresh();
}

void ShoppingList::choose(int row) {
    try {
        m_chosenId = m_model.idAt(row);
    } catch (...) {
        m_chosenId = 0; // no row there: none is chosen
    }
}

void ShoppingList::setQuantity(int currentRow, const QString& caption) {
    trap(m_ctx, prefix::kQuantity, [&] {
        const JournalStep step(m_ctx, tr("Change Quantity"));
        const qint32 id = m_chosenId;
        // Only on the chosen row, and only while it is the grid's current row.
        if (id == 0 || currentRow < 0 || m_model.idAt(currentRow) != id) return;
        QString quantity = trimSpaces(caption);
        if (quantity == QLatin1String("?")) {
            quantity = InputBox(m_ctx, tr("Enter Quantity"), appTitle());
            if (trimSpaces(quantity).isEmpty() || !readsAsNumber(quantity)) return;
            const double asked = leadingNumber(quantity);
            if (asked > 32768)
                return MsgBox(m_ctx, tr("Quantities above 32768 not supported in this function"));
            // The grid, the total and the record must agree: a quantity the record's field
            // cannot hold whole, or so far below zero that its cost leaves the range of the
            // money type, is refused like one above 32768.
            if (asked < -32768)
                return MsgBox(m_ctx, tr("Quantities below -32768 not supported in this function"));
            if (shortestText(asked).size() > ItemLayout::listQuantity.width)
                return MsgBox(m_ctx, tr("Quantities of more than 10 characters not supported in "
                                        "this function"));
        }
        ItemStore store(m_ctx);
        const Item item = store.find(id);
        // Stored in its shortest form (2.50 as 2.5); the result is not looked at.
        store.select(id, shortestText(leadingNumber(quantity)));
        m_model.setQuantityCells(currentRow, formatWhole(quantity),
                                 formatFixed(leadingNumber(quantity) * leadingNumber(item.cost)));
        m_model.setTotalText(store.total().toFixed());
    });
}

void ShoppingList::removeChosen() {
    trap(m_ctx, prefix::kRemoveItem, [&] {
        const JournalStep step(m_ctx, tr("Remove Item"));
        const qint32 id = m_chosenId;
        if (id == 0) return MsgBox(m_ctx, tr("No entry selected in current shopping list"));
        // The other rows keep their order.
        const auto at = std::find(m_order.begin(), m_order.end(), id);
        if (at != m_order.end()) m_order.erase(at);
        ItemStore(m_ctx).unselect(id);
        refillRows();
    });
}

void ShoppingList::clear() {
    trap(m_ctx, prefix::kClearListCommand, [&] {
        const JournalStep step(m_ctx, tr("Clear List"));
        if (!AskYesNo(m_ctx, tr("Clear current shopping list. Are you sure ?"),
                      tr("Clear Current Shopping List")))
            return;
        clearAll();
        m_model.setTotalText(QStringLiteral("0.00"));
    });
}

void ShoppingList::clearAll() {
    trap(m_ctx, prefix::kClearList, [&] {
        const Busy busy(m_ctx);
        ItemStore(m_ctx).clearList();
        m_order.clear();
        m_model.clearRows();
    });
}

} // namespace cw
