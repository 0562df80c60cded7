// The fast paths through the item file: scans that read the file where it is mapped, and lists
// ordered on bytes. Each must give what the plain way gives.
#include "TestContext.h"
#include "core/CodePage.h"
#include "store/RecordFile.h"
#include "store/RecordLayout.h"

#include <QRandomGenerator>
#include <algorithm>
#include <unistd.h>

using namespace cw;
using namespace cw::test;

namespace {

// The order a list must have, as "text=ID, ...": by the keys' folded forms, equal ones in the
// order given. Each entry: its key, its text, its ID.
QString inOrder(std::vector<std::tuple<QString, QString, qint32>> entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return listSortKey(std::get<0>(a)) < listSortKey(std::get<0>(b));
    });
    QStringList out;
    for (const auto& [key, text, id] : entries)
        out << text + '=' + QString::number(id);
    return out.join(", ");
}

} // namespace

// Items with texts that tell the orders apart: letter case, accented and other Windows-1252
// letters, texts that are prefixes of others, equal texts, leading spaces, empty aisles.
TEST(Scans, ListsStandInTheOrderOfTheirTextsWithoutRegardToCase) {
    TestContext t;
    const QByteArray letters = "aAbBzZ .-0\x8a\x9a\xc0\xe0\xdf\xff\xd6\xf6\x80\x9f";
    QRandomGenerator rng(7);
    auto text = [&](int max) {
        QByteArray out;
        for (int n = rng.bounded(max + 1); n > 0; --n)
            out += letters[rng.bounded(letters.size())];
        return out;
    };
    QStringList names;
    for (const char* name : {"dairy", "Bakery", "\xc9picerie", "bakery"})
        names << fromCp1252(QByteArray(name));
    CategoryStore(t.ctx).addAll(names);
    QByteArray file;
    for (int i = 0; i < 400; ++i) {
        // Half of them past a long common start, where the first 32 bytes do not decide.
        const QByteArray item = (rng.bounded(2) ? "Store brand extra virgin oil, " : "") + text(6);
        file += itemRecord(
            {item, "1", "1.00", "", 1 + rng.bounded(5), text(3), rng.bounded(3) ? "Y" : "N", "1"});
    }
    writeFile(t.srcFile(), file);

    // The key of every listed record, in record order; the expected order sorts them anew.
    const SortOrder orders[] = {SortOrder::ByItem, SortOrder::ByAisle, SortOrder::ByCategory};
    for (int mode = 0; mode < 3; ++mode) {
        std::vector<std::tuple<QString, QString, qint32>> keys;
        for (int n = 1; n <= 400; ++n) {
            const char* rec = file.constData() + (n - 1) * 235;
            if (!ItemLayout::isListed(rec)) continue;
            const QString item = ItemLayout::description.read(rec);
            const QString before = mode == 1 ? ItemLayout::aisle.read(rec)
                                             : names.value(ItemLayout::categoryId(rec) - 1);
            keys.emplace_back(mode == 0 ? item : before + '.' + item, item, n);
        }
        ASSERT_GT(keys.size(), 200u);
        EXPECT_EQ(sortList(t.ctx, orders[mode]), inOrder(keys)) << mode;
    }
    std::vector<std::tuple<QString, QString, qint32>> three;
    for (int n = 1; n <= 400; ++n) {
        const char* rec = file.constData() + (n - 1) * 235;
        if (ItemLayout::categoryId(rec) == 3 && !ItemLayout::description.isBlank(rec))
            three.emplace_back(ItemLayout::description.read(rec), ItemLayout::description.read(rec),
                               n);
    }
    QStringList listed;
    for (const ItemEntry& e : ItemStore(t.ctx).listCategory(3))
        listed << e.description + '=' + QString::number(e.id);
    EXPECT_EQ(listed.join(", "), inOrder(three));
}

// Another program cuts the file short while a scan reads it where it is mapped: the records
// that are gone read as unused ones instead of ending the program.
TEST(Scans, AFileCutShortDuringAScanReadsAsBlankRecords) {
    TestContext t;
    QByteArray file;
    for (int i = 0; i < 2000; ++i) // 470,000 bytes, one mapped window
        file += itemRecord({"Milk", "1", "1.00", "", 1, "", "Y", "1"});
    writeFile(t.srcFile(), file);
    RecordFile f(t.srcFile(), 235, ItemLayout::blank(), RecordFile::Access::Read);
    int listed = 0, blank = 0;
    f.forEachRecord(ItemLayout::blank(), [&](qint64 n, const char* rec) {
        if (n == 10) {
            EXPECT_EQ(::truncate(t.srcFile().toLocal8Bit().constData(), 40 * 235), 0);
        }
        listed += ItemLayout::isListed(rec);
        blank += std::memcmp(rec, ItemLayout::blank(), 235) == 0;
        return true;
    });
    f.close();
    EXPECT_EQ(listed, 40); // the records left in the file
    EXPECT_EQ(blank, 1960);
}
