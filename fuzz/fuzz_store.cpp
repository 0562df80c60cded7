// The two record files, as damaged as the input makes them, through the operations the
// windows use. Nothing may crash, read or write out of bounds, or leave a torn record.
#include "FuzzInput.h"
#include "FuzzTarget.h"
#include "core/Failure.h"
#include "store/CategoryStore.h"
#include "store/ItemStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdlib>

using namespace cw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    fuzz::Scene scene;
    const QByteArray files[2] = {in.part(), in.part()};
    scene.put("ctwcat6.dat", files[0]);
    scene.put("ctwsrc6.dat", files[1]);
    const SortOrder orders[] = {SortOrder::ByItem, SortOrder::ByAisle, SortOrder::ByCategory,
                                SortOrder::None};
    int steps = 0;
    while (!in.done() && ++steps < 64) {
        const unsigned op = in.byte() % 12;
        const qint32 id = qint32(in.byte()) - 2; // 0 and -1 included; a write past the end
                                                 // fills the gap, so no ID far beyond it
        CategoryStore categories(scene.ctx);
        ItemStore items(scene.ctx);
        std::vector<Category> listed;
        ListedItems read;
        std::vector<int> rows;
        std::optional<Money> total;
        const SortOrder order = orders[in.byte() % 4];
        try { // the untrapped operations pass their failures on; anything else is a fault
            switch (op) {
            case 0:
                categories.list(listed);
                break;
            case 1:
                categories.find(id);
                break;
            case 2:
                categories.add(QString::number(id));
                break;
            case 3:
                categories.rename(id, QStringLiteral("Dairy"));
                break;
            case 4:
                categories.remove(id);
                items.removeCategory(id);
                break;
            case 5:
                items.listCategory(id);
                break;
            case 6:
                items.readList(order, read, rows);
                break;
            case 7:
                items.total();
                items.readItems({id, 1, id + 1}, total);
                break;
            case 8:
                items.select(id, QString::number(in.byte()));
                items.putOnList({id, 1}).wait();
                break;
            case 9:
                items.find(id);
                items.unselect(id);
                break;
            case 10:
                items.clearList();
                break;
            default: {
                Item item;
                item.description = QStringLiteral("Milk");
                item.cost = QString::number(id);
                item.categoryId = id;
                in.byte() % 2 ? items.edit(id, item) : items.add(item);
            }
            }
        } catch (const Failure&) {
        }
    }
    // The files never shrink, and every record written is whole: a file ends in a partial
    // record only when it came with one and was not written past it.
    const std::pair<const char*, qint64> layouts[2] = {{"ctwcat6.dat", 50}, {"ctwsrc6.dat", 235}};
    for (int f = 0; f < 2; ++f) {
        const qint64 before = files[f].size();
        const qint64 after = QFileInfo(scene.ctx.dataPath(layouts[f].first)).size();
        if (after < before || (after % layouts[f].second != 0 && after != before)) abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}
