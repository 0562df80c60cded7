// Start-up and the refill of the shopping list grid with 10,000 rows on the list out of
// 100,000 items in 100 categories, offscreen, beside the bare file reads the refill must make.
#include "DataSet.h"
#include "core/Context.h"
#include "core/Prompts.h"
#include "mainwindow/ShoppingGrid.h"
#include "mainwindow/frmMain.h"
#include "platform/ProgramEnd.h"
#include "platform/Settings.h"
#include "store/Records.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace {

using namespace cw;

class QuietPrompts : public Prompts {
public:
    MsgAnswer message(const QString&, MsgButtons, MsgIcon, const QString&) override {
        return MsgAnswer::No;
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
};
class MapSettings : public Settings {
public:
    QString get(const QString&, const QString& d) const override { return d; }
    void save(const QString&, const QString&) override {}
    void flush() override {}
};
class NoEnd : public ProgramEnd {
public:
    void endNow() override {}
};

// 100,000 items in 100 categories, every tenth on the list.
struct Files {
    QTemporaryDir dir;
    explicit Files(int count) {
        bench::writeRecordFiles(bench::makeDataSet(count), dir.path().toStdString());
    }
};

struct Program {
    QuietPrompts prompts;
    MapSettings settings;
    NoEnd end;
    Context ctx;
    explicit Program(const Files& data) {
        ctx.prompts = &prompts;
        ctx.settings = &settings;
        ctx.programEnd = &end;
        ctx.dataDir = data.dir.path();
    }
};

Files& data100k() {
    static Files files(100000);
    return files;
}

void StartUp(benchmark::State& state) {
    Program p(data100k());
    for (auto _ : state) {
        frmMain w(p.ctx);
        benchmark::DoNotOptimize(&w);
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

void GridRefill(benchmark::State& state) {
    Program p(data100k());
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
