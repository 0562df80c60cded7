// Start-up and the refills of the shopping list with 10,000 rows on the list out of 100,000
// items in 100 categories, offscreen, beside the bare file read a refill cannot avoid.
#include "BenchProgram.h"
#include "DataSet.h"
#include "mainwindow/MainWindow.h"
#include "model/ShoppingList.h"
#include "store/RecordLayout.h"

#include <QAction>
#include <QApplication>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
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
        MainWindow w(p.ctx);
        benchmark::DoNotOptimize(&w);
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

// The menu's Refresh: the list's order rebuilt, then its rows refilled from that pass.
void GridRefill(benchmark::State& state) {
    bench::BenchProgram p(data100k().dir.path());
    MainWindow w(p.ctx);
    QAction* refresh = w.findChild<QAction*>(QStringLiteral("mnuRefreshCL"));
    for (auto _ : state)
        refresh->trigger();
    state.counters["rows"] = w.findChild<QTableView*>(QStringLiteral("Grid1"))->model()->rowCount();
}
BENCHMARK(GridRefill)->Unit(benchmark::kMillisecond);

// The rows alone refilled, every one read afresh (as after the item editor saved).
void RowRefill(benchmark::State& state) {
    bench::BenchProgram p(data100k().dir.path());
    ShoppingList list(p.ctx);
    list.setSortCaption(QStringLiteral("Sorted by Item"));
    list.refresh();
    for (auto _ : state)
        list.refillRows();
    state.counters["rows"] = list.model().rowCount();
}
BENCHMARK(RowRefill)->Unit(benchmark::kMillisecond);

// The read a refill cannot avoid: the whole item file, read plainly into memory.
void BareFileRead(benchmark::State& state) {
    const QByteArray src = (data100k().dir.path() + "/ctwsrc6.dat").toLocal8Bit();
    std::vector<char> buf(100000 * ItemLayout::kLength);
    for (auto _ : state) {
        const int fd = ::open(src.constData(), O_RDONLY);
        std::size_t got = 0;
        for (ssize_t r;
             got < buf.size() && (r = ::read(fd, buf.data() + got, buf.size() - got)) > 0;)
            got += std::size_t(r);
        ::close(fd);
        benchmark::DoNotOptimize(buf.data());
    }
}
BENCHMARK(BareFileRead)->Unit(benchmark::kMillisecond);

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
