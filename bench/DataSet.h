#pragma once
// A synthetic but plausible catalogue for the benchmarks: 100 categories (departments of a
// few stores) and any number of source items spread over them, every tenth item on the
// shopping list. The same rows are written as the two record files and handed to the SQLite
// reference, so both answer from identical data.
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace cw::bench {

struct ItemRow {
    qint32 id;
    QString item, quantity, cost, size;
    qint32 catId;
    QString isle, selectedYN, selectedQuantity;
};

struct DataSet {
    std::vector<QString> categories; // category i + 1 is categories[i]
    std::vector<ItemRow> items;      // item i + 1 is items[i]
};

constexpr int kCategoryCount = 100;

// The same count always gives the same data.
DataSet makeDataSet(int itemCount);

// Writes ctwcat6.dat and ctwsrc6.dat into `dir` (which must exist), replacing them.
void writeRecordFiles(const DataSet& data, const std::string& dir);

} // namespace cw::bench
