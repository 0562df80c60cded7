// Start-up and the refill of the shopping list grid with 10,000 rows on the list out of
// 100,000 items in 100 categories, offscreen, beside the bare file reads the refill must make.
#include "BenchProgram.h"
#include "DataSet.h"
#include "mainwindow/ShoppingGrid.h"
#include "mainwindow/ShoppingListPanel.h"
#include "mainwindow/frmMain.h"
#include "store/Records.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <map>
#include <unistd.h>
#include <vector>

namespace {

using namespace cw;

// 100,000 items in 100 categories, every tenth on the list.
struct Files {
    QTemporaryDir dir;
    explicit Files(int count) {
        bench::writeRecordFiles(bench::makeDataSet(count), dir.path().toStdString());
    }
};

Files& data100k() {
    static Files files(100000);
    return files;
}

void StartUp(benchmark::State& state) {
    bench::BenchProgram p(data100k().dir.path());
    for (auto _ : state) {
        frmMain w(p.ctx);
        benchmark::DoNotOptimize(&w);
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

void GridRefill(benchmark::State& state) {
    bench::BenchProgram p(data100k().dir.path());
    frmMain w(p.ctx);
    QAction* refresh = w.findChild<QAction*>(QStringLiteral("mnuRefreshCL")); // both steps
    for (auto _ : state)
        refresh->trigger();
    state.counters["rows"] = w.findChild<ShoppingGrid*>(QStringLiteral("Grid1"))->rowCount() - 1;
}
BENCHMARK(GridRefill)->Unit(benchmark::kMillisecond);

// The reads a refill cannot avoid: for each of 10,000 rows, open the item file, read its
// record, close; open the category file, read one record, close.
void BareReads(benchmark::State& state) {
    const QByteArray src = (data100k().dir.path() + "/ctwsrc6.dat").toLocal8Bit();
    const QByteArray cat = (data100k().dir.path() + "/ctwcat6.dat").toLocal8Bit();
    char buf[SourceItemLayout::kLength];
    for (auto _ : state) {
        for (int i = 10; i <= 100000; i += 10) {
            int fd = ::open(src.constData(), O_RDWR);
            benchmark::DoNotOptimize(::pread(fd, buf, sizeof buf, off_t(i - 1) * 235));
            ::close(fd);
            fd = ::open(cat.constData(), O_RDWR);
            benchmark::DoNotOptimize(::pread(fd, buf, 50, off_t(i % 100) * 50));
            ::close(fd);
        }
    }
}
BENCHMARK(BareReads)->Unit(benchmark::kMillisecond);

// The other reads a refill makes: the whole item file twice, once for the items on the list
// (the sort list) and once for their total, read plainly into memory.
void BareFileReads(benchmark::State& state) {
    const QByteArray src = (data100k().dir.path() + "/ctwsrc6.dat").toLocal8Bit();
    std::vector<char> buf(100000 * SourceItemLayout::kLength);
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass) {
            const int fd = ::open(src.constData(), O_RDONLY);
            std::size_t got = 0;
            for (ssize_t r;
                 got < buf.size() && (r = ::read(fd, buf.data() + got, buf.size() - got)) > 0;)
                got += std::size_t(r);
            ::close(fd);
            benchmark::DoNotOptimize(buf.data());
        }
    }
}
BENCHMARK(BareFileReads)->Unit(benchmark::kMillisecond);

// The per-row work of a refill apart from the grid: the store's reads of each row, with their
// decoding (the item and its category name, each file opened, read and closed) ...
void RowReads(benchmark::State& state) {
    bench::BenchProgram p(data100k().dir.path());
    cSourceItem item(p.ctx);
    cCategory category(p.ctx);
    for (auto _ : state)
        for (qint32 id = 1; id <= 100000; id += 10) {
            item.blnFindRecord(id);
            benchmark::DoNotOptimize(GetCategoryName(category, item.lngCatID));
        }
}
BENCHMARK(RowReads)->Unit(benchmark::kMillisecond);

// ... and the making of each row's cells from what was read, into an emptied grid.
void RowCells(benchmark::State& state) {
    bench::BenchProgram p(data100k().dir.path());
    std::vector<cSourceItem> items;
    for (qint32 id = 1; id <= 100000; id += 10) {
        items.emplace_back(p.ctx);
        items.back().blnFindRecord(id);
    }
    const QString category = GetCategoryName(p.ctx, 1);
    ShoppingGrid grid;
    grid.setCols(7);
    for (auto _ : state) {
        grid.setRows(1);
        grid.setRedraw(false);
        grid.reserveRows(int(items.size()) + 1);
        for (std::size_t i = 0; i < items.size(); ++i)
            grid.addRow(shoppingRow(qint32(i * 10 + 1), items[i], category));
        grid.setRedraw(true);
    }
}
BENCHMARK(RowCells)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // --smoke: one quick pass, to show the benchmark still builds and runs.
    std::vector<char*> args(argv, argv + argc);
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (std::string(*it) == "--smoke") {
            *it = const_cast<char*>("--benchmark_min_time=0.001");
        }
    }
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
