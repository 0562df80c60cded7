// The writer that the crash test kills: adds, edits and selects items in the data folder given,
// forever, and reports each operation on standard output once it has returned:
// "<seq> <id> <field>", the field 0 for an add, 1 for an edit, 2 for a select.
// An add writes "I<seq>" as the description, an edit <seq> as the cost, a select <seq> as the
// selected quantity, so the file shows which operation wrote each field last.
#include "core/Context.h"
#include "core/Prompts.h"
#include "store/ItemStore.h"

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
        cw::ItemStore store(ctx);
        const qint32 records = static_cast<qint32>(QFile(store.path()).size() / 235);
        qint32 id = records == 0 ? 0 : static_cast<qint32>(random() % records) + 1;
        bool done = false;
        const int field = records == 0 ? 0 : int(random() % 3);
        switch (field) {
        case 0: {
            cw::Item item;
            item.description = QStringLiteral("I%1").arg(seq);
            item.cost = item.quantity = QStringLiteral("1");
            item.categoryId = 1;
            id = store.add(item);
            done = id != 0;
            break;
        }
        case 1: {
            cw::Item item = store.find(id);
            item.cost = QString::number(seq);
            done = store.edit(id, item);
            break;
        }
        default:
            done = store.select(id, QString::number(seq));
        }
        if (done) std::printf("%ld %d %d\n", seq, id, field);
        std::fflush(stdout);
    }
}
