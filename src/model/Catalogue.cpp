#include "model/Catalogue.h"

#include "core/Busy.h"
#include "core/Prompts.h"
#include "core/ReportPrefixes.h"
#include "core/Text.h"
#include "core/Trap.h"
#include "store/CategoryStore.h"
#include "store/ChangeJournal.h"
#include "store/ItemStore.h"

namespace cw {

Catalogue::Catalogue(Context& ctx, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_categories(this), m_items(this) {}

void Catalogue::fillCategories() {
    std::vector<Category> found;
    CategoryStore(m_ctx).list(found); // what it could read, after its own report
    std::vector<EntryListModel::Entry> entries;
    entries.reserve(found.size());
    for (Category& c : found)
        entries.push_back({c.id, std::move(c.name)});
    m_categories.fill(std::move(entries));
}

void Catalogue::loadCategories() {
    trap(m_ctx, prefix::kLoadCategories, [&] {
        fillCategories();
        if (m_categories.count() > 0) emit categoryToChoose(0);
    });
}

void Catalogue::reload(qint32 categoryId, qint32 itemId) {
    fillCategories();
    const int category = m_categories.rowOf(categoryId);
    if (category < 0) {
        m_items.clear();
        if (m_categories.count() > 0) emit categoryToChoose(0);
        return;
    }
    emit categoryToMark(category);
    showItemsOf(category);
    const int item = m_items.rowOf(itemId);
    if (item >= 0) emit itemToMark(item);
}

void Catalogue::showItem(qint32 categoryId, qint32 itemId) {
    const int category = m_categories.rowOf(categoryId);
    if (category < 0) return;
    emit categoryToChoose(category);
    const int item = m_items.rowOf(itemId);
    if (item >= 0) emit itemToChoose(item);
}

void Catalogue::createCategory() {
    trap(m_ctx, prefix::kNewCategory, [&] {
        const JournalStep step(m_ctx, tr("New Cat"));
        const QString name = InputBox(m_ctx, tr("Enter new category name"), tr("New Category"));
        if (trimSpaces(name).isEmpty()) return;
        const qint32 id = CategoryStore(m_ctx).add(name);
        if (id == 0) return;
        // Listed as typed, blanks and all, until the list is next read from the file.
        emit categoryToChoose(m_categories.insert(id, name));
    });
}

// The category in `row` read from the file, or a message saying why there is none.
bool Catalogue::findChosenCategory(int row, qint32& id, QString& name) {
    if (row < 0) {
        MsgBox(m_ctx, tr("No category selected"));
        return false;
    }
    id = m_categories.idAt(row);
    const std::optional<QString> found = CategoryStore(m_ctx).find(id);
    if (!found) {
        MsgBox(m_ctx, tr("File error. Could not locate record"));
        return false;
    }
    name = trimSpaces(*found);
    return true;
}

void Catalogue::renameCategory(int row) {
    trap(m_ctx, prefix::kEditCategory, [&] {
        const JournalStep step(m_ctx, tr("Edit Cat"));
        qint32 id = 0;
        QString name;
        if (!findChosenCategory(row, id, name)) return;
        if (!AskYesNo(m_ctx, tr("Edit category named %1 ?").arg(name), tr("Edit Category"))) return;
        const QString revised =
            trimSpaces(InputBox(m_ctx, tr("Enter revised category name"), appTitle()));
        if (revised.isEmpty()) return;
        // Renamed in place: the list is put in order again only when it is next read.
        if (CategoryStore(m_ctx).rename(id, revised)) m_categories.rename(row, revised);
    });
}

void Catalogue::deleteCategory(int row) {
    trap(m_ctx, prefix::kDeleteCategory, [&] {
        const JournalStep step(m_ctx, tr("Delete Cat"));
        qint32 id = 0;
        QString name;
        if (!findChosenCategory(row, id, name)) return;
        if (!AskYesNo(m_ctx,
                      tr("Delete category named %1 and all related source items ?").arg(name),
                      tr("Delete Category")))
            return;
        if (!CategoryStore(m_ctx).remove(id)) return;
        ItemStore(m_ctx).removeCategory(id);
        m_categories.remove(row);
        m_items.clear();
        if (m_categories.count() > 0) emit categoryToChoose(0);
        // The deleted items leave the shopping list's rows at once, so that no later refill
        // reads them back.
        emit shoppingListChanged();
    });
}

void Catalogue::showItemsOf(int categoryRow) {
    m_items.clear();
    if (categoryRow < 0) return;
    const Busy busy(m_ctx);
    std::vector<ItemEntry> found = ItemStore(m_ctx).listCategory(m_categories.idAt(categoryRow));
    std::vector<EntryListModel::Entry> entries;
    entries.reserve(found.size());
    for (ItemEntry& e : found)
        entries.push_back({e.id, std::move(e.description)});
    m_items.fill(std::move(entries));
}

void Catalogue::deleteItem(int row) {
    trap(m_ctx, prefix::kDeleteItem, [&] {
        const JournalStep step(m_ctx, tr("Delete Item"));
        if (row < 0) return MsgBox(m_ctx, tr("No item selected"));
        const qint32 id = m_items.idAt(row);
        ItemStore store(m_ctx);
        const Item item = store.find(id);
        if (!AskYesNo(m_ctx, tr("Delete item named %1 ?").arg(trimSpaces(item.description)),
                      tr("Delete Item")))
            return;
        store.remove(id);
        m_items.remove(row);
        if (m_items.count() > 0) emit itemToChoose(0);
        emit shoppingListChanged(); // a deleted item leaves the shopping list's rows at once
    });
}

void Catalogue::putOnList(int row) {
    trap(m_ctx, prefix::kItemToList, [&] {
        if (row < 0) return MsgBox(m_ctx, tr("No item selected"));
        putItemOnList(m_items.idAt(row));
    });
}

void Catalogue::putFoundOnList(qint32 id) {
    trap(m_ctx, prefix::kItemToList, [&] { putItemOnList(id); });
}

void Catalogue::putItemOnList(qint32 id) {
    const JournalStep step(m_ctx, tr("Item To List"));
    ItemStore store(m_ctx);
    const Item item = store.find(id);
    if (trimSpaces(item.listMark.toUpper()) == QLatin1String("Y"))
        return MsgBox(m_ctx, tr("Item already on current list"));
    store.select(id, item.quantity); // reports its own failure; the list is shown anyway
    emit shoppingListChanged();
}

void Catalogue::putAllOnList() {
    trap(m_ctx, prefix::kAllToList, [&] {
        const JournalStep step(m_ctx, tr("All To List"));
        if (m_items.count() == 0)
            return MsgBox(m_ctx, tr("No items are shown in 'Available' list"));
        const Busy busy(m_ctx);
        std::vector<qint32> ids;
        ids.reserve(static_cast<std::size_t>(m_items.count()));
        for (int row = 0; row < m_items.count(); ++row)
            ids.push_back(m_items.idAt(row));
        PendingSync durable = ItemStore(m_ctx).putOnList(ids);
        // The list is read again while the disk makes the writes durable. Should that fail,
        // every item was written all the same, and the list shows them before the report.
        emit shoppingListChanged();
        durable.wait();
    });
}

void Catalogue::addItemEntry(qint32 id, const QString& description) {
    emit itemToChoose(m_items.insert(id, description));
}

void Catalogue::renameItemEntry(int row, qint32 id, const QString& description) {
    if (row >= 0 && row < m_items.count() && m_items.idAt(row) == id)
        m_items.rename(row, description);
}

} // namespace cw
