#pragma once
// The reference the store is measured against: the same rows in an SQLite table, asked the
// same questions in SQL. Statements are prepared once; each call only runs one.
#include "DataSet.h"

#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace cw::bench {

class SqliteReference {
public:
    enum class Order { Item, Isle, Category };

    // Creates (replacing) the database file and loads the rows; `indexed` adds the best index
    // for each question.
    SqliteReference(const std::string& path, const DataSet& data, bool indexed = false);
    ~SqliteReference();
    SqliteReference(const SqliteReference&) = delete;
    SqliteReference& operator=(const SqliteReference&) = delete;

    // IDs of the listed items in sort list order.
    std::vector<int> sortList(Order order);
    // The total of the listed items, each product rounded to four decimals.
    double calculate();
    // IDs of one category's items in list order.
    std::vector<int> refreshList(int catId);
    // Takes every item off the list, and puts every tenth back on.
    void clearSelections();
    void resetSelections();

private:
    void exec(const char* sql);
    sqlite3_stmt* prepare(const char* sql);
    std::vector<int> ids(sqlite3_stmt* stmt);
    sqlite3* m_db = nullptr;
    std::vector<sqlite3_stmt*> m_statements;
    sqlite3_stmt* m_sort[3] = {};
    sqlite3_stmt* m_total = nullptr;
    sqlite3_stmt* m_list = nullptr;
    sqlite3_stmt* m_clear = nullptr;
    sqlite3_stmt* m_reset = nullptr;
};

} // namespace cw::bench
