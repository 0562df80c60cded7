#include "SqliteReference.h"

#include <cstdio>
#include <sqlite3.h>
#include <stdexcept>

namespace cw::bench {
namespace {

const char* const kSchema = R"(
CREATE TABLE categories (id INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE items (id INTEGER PRIMARY KEY, item TEXT NOT NULL, qty TEXT NOT NULL,
                    cost REAL NOT NULL, size TEXT NOT NULL, catid INTEGER NOT NULL,
                    isle TEXT NOT NULL, sel TEXT NOT NULL, selqty REAL NOT NULL);
)";

const char* const kListed = " FROM items i WHERE i.item <> '' AND i.sel = 'Y' ";

// The best index for each question (checked with EXPLAIN QUERY PLAN): the sort by item and by
// isle read their index in order, the total and the category order read a covering index of
// the listed rows, the category list reads its category's rows in name order.
const char* const kIndexes = R"(
CREATE INDEX items_by_item ON items(sel, item COLLATE NOCASE);
CREATE INDEX items_by_isle ON items(sel, (isle || '.' || item) COLLATE NOCASE);
CREATE INDEX items_listed ON items(sel, item, catid, cost, selqty);
CREATE INDEX items_by_category ON items(catid, item COLLATE NOCASE);
ANALYZE;
)";

} // namespace

SqliteReference::SqliteReference(const std::string& path, const DataSet& data, bool indexed) {
    std::remove(path.c_str());
    if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK)
        throw std::runtime_error("sqlite: cannot open " + path);
    exec(kSchema);
    exec("BEGIN");
    sqlite3_stmt* cat = prepare("INSERT INTO categories VALUES (?1, ?2)");
    for (std::size_t i = 0; i < data.categories.size(); ++i) {
        const std::string name = data.categories[i].toStdString();
        sqlite3_bind_int(cat, 1, static_cast<int>(i + 1));
        sqlite3_bind_text(cat, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(cat);
        sqlite3_reset(cat);
    }
    sqlite3_stmt* item = prepare("INSERT INTO items VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    for (const ItemRow& r : data.items) {
        sqlite3_bind_int(item, 1, r.id);
        int col = 2;
        for (const QString* s : {&r.item, &r.quantity}) {
            const std::string v = s->toStdString();
            sqlite3_bind_text(item, col++, v.c_str(), -1, SQLITE_TRANSIENT);
        }
        sqlite3_bind_double(item, col++, r.cost.toDouble());
        const std::string size = r.size.toStdString(), isle = r.isle.toStdString(),
                          sel = r.selectedYN.toStdString();
        sqlite3_bind_text(item, col++, size.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(item, col++, r.catId);
        sqlite3_bind_text(item, col++, isle.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(item, col++, sel.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(item, col++, r.selectedQuantity.toDouble());
        if (sqlite3_step(item) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(m_db));
        sqlite3_reset(item);
    }
    exec("COMMIT");
    if (indexed) exec(kIndexes);

    const std::string listed = kListed;
    m_sort[0] = prepare(("SELECT i.id" + listed + "ORDER BY i.item COLLATE NOCASE").c_str());
    m_sort[1] = prepare(
        ("SELECT i.id" + listed + "ORDER BY (i.isle || '.' || i.item) COLLATE NOCASE").c_str());
    m_sort[2] = prepare("SELECT i.id FROM items i LEFT JOIN categories c ON c.id = i.catid "
                        "WHERE i.item <> '' AND i.sel = 'Y' "
                        "ORDER BY (coalesce(c.name, '') || '.' || i.item) COLLATE NOCASE");
    m_total = prepare(("SELECT total(round(i.cost * i.selqty, 4))" + listed).c_str());
    m_list = prepare("SELECT id FROM items WHERE catid = ?1 AND item <> '' "
                     "ORDER BY item COLLATE NOCASE");
    m_clear = prepare("UPDATE items SET sel = 'N' WHERE sel <> 'N'");
    m_reset = prepare("UPDATE items SET sel = 'Y' WHERE id % 10 = 1");
}

SqliteReference::~SqliteReference() {
    for (sqlite3_stmt* s : m_statements)
        sqlite3_finalize(s);
    sqlite3_close(m_db);
}

void SqliteReference::exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "sqlite error";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

sqlite3_stmt* SqliteReference::prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(m_db));
    m_statements.push_back(stmt);
    return stmt;
}

std::vector<int> SqliteReference::ids(sqlite3_stmt* stmt) {
    std::vector<int> out;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        out.push_back(sqlite3_column_int(stmt, 0));
    sqlite3_reset(stmt);
    return out;
}

std::vector<int> SqliteReference::sortList(Order order) {
    return ids(m_sort[static_cast<int>(order)]);
}

double SqliteReference::calculate() {
    double total = 0;
    if (sqlite3_step(m_total) == SQLITE_ROW) total = sqlite3_column_double(m_total, 0);
    sqlite3_reset(m_total);
    return total;
}

std::vector<int> SqliteReference::refreshList(int catId) {
    sqlite3_bind_int(m_list, 1, catId);
    return ids(m_list);
}

void SqliteReference::clearSelections() {
    if (sqlite3_step(m_clear) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(m_db));
    sqlite3_reset(m_clear);
}

void SqliteReference::resetSelections() {
    if (sqlite3_step(m_reset) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(m_db));
    sqlite3_reset(m_reset);
}

} // namespace cw::bench
