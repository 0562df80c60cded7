// The writer that the crash test kills: adds, edits and selects items in the data folder given,
// forever, and reports each operation on standard output once it has returned:
// "<seq> <id> <field>", the field 0 for an add, 1 for an edit, 2 for a select.
// An add writes "I<seq>" as the description, an edit <seq> as the cost, a select <seq> as the
// selected quantity, so the file shows which operation wrote each field last.
#include "core/Context.h"
#include "core/Prompts.h"
#include "store/cSourceItem.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {
struct Silent : cw::Prompts { // a failure shows nothing; the parent sees the missing report
    cw::MsgAnswer message(const QString&, cw::MsgButtons, cw::MsgIcon, const QString&) override {
        return cw::MsgAnswer::Ok;
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
};
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Silent silent;
    cw::Context ctx;
    ctx.prompts = &silent;
    ctx.dataDir = QString::fromLocal8Bit(argv[1]);
    std::mt19937 random(std::atoi(argv[3]));
    for (long seq = std::atol(argv[2]);; ++seq) {
        cw::cSourceItem item(ctx);
        const qint32 records = static_cast<qint32>(QFile(item.strFileName).size() / 235);
        qint32 id = records == 0 ? 0 : static_cast<qint32>(random() % records) + 1;
        bool done = false;
        const int field = records == 0 ? 0 : int(random() % 3);
        switch (field) {
        case 0:
            item.strItem = QStringLiteral("I%1").arg(seq);
            item.strCost = item.strQuantity = QStringLiteral("1");
            item.lngCatID = 1;
            id = item.lngAddRecord();
            done = id != 0;
            break;
        case 1:
            item.blnFindRecord(id);
            item.strCost = QString::number(seq);
            done = item.blnEditRecord(id);
            break;
        default:
            done = item.blnSelectRecord(id, QString::number(seq));
        }
        if (done) std::printf("%ld %d %d\n", seq, id, field);
        std::fflush(stdout);
    }
}
