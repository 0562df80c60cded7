// The two record files, as damaged as the input makes them, through the operations the
// windows use. Nothing may crash, read or write out of bounds, or leave a torn record.
#include "FuzzInput.h"
#include "core/Failure.h"
#include "store/SortedList.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

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
    const char* sorts[] = {"Sorted by Item", "Sorted by Isle", "Sorted by Category", "x"};
    int steps = 0;
    while (!in.done() && ++steps < 64) {
        const unsigned op = in.byte() % 12;
        const qint32 id = qint32(in.byte()) - 2; // 0 and -1 included; a write past the end
                                                 // fills the gap, so no ID far beyond it
        cCategory cat(scene.ctx);
        cSourceItem item(scene.ctx);
        SortedList list;
        QString sort = QString::fromLatin1(sorts[in.byte() % 4]);
        try { // the untrapped operations pass their failures on; anything else is a fault
            switch (op) {
            case 0:
                cat.blnRefreshList(list);
                break;
            case 1:
                cat.blnFindRecord(id);
                break;
            case 2:
                cat.strCategory = QString::number(id);
                cat.lngAddRecord();
                break;
            case 3:
                cat.strCategory = QStringLiteral("Dairy");
                cat.blnEditRecord(id);
                break;
            case 4:
                cat.blnDeleteRecord(id);
                item.blnDeleteCategory(id);
                break;
            case 5:
                item.blnRefreshList(list, id);
                break;
            case 6:
                item.blnRefreshSortList(list, sort);
                break;
            case 7:
                item.Calculate();
                break;
            case 8:
                item.blnSelectRecord(id, QString::number(in.byte()));
                break;
            case 9:
                item.blnFindRecord(id);
                item.blnUnselectRecord(id);
                break;
            case 10:
                item.blnClearSelections();
                break;
            default:
                item.strItem = QStringLiteral("Milk");
                item.strCost = QString::number(id);
                item.lngCatID = id;
                in.byte() % 2 ? item.blnEditRecord(id) : item.lngAddRecord();
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
