// Times the store operations that walk the whole item file, side by side with two
// references on the same rows: plainly reading the file into memory, and SQLite answering
// the same question. Data sets of 1,000, 10,000 and 100,000 items in 100 categories, every
// tenth item on the list. A summary of ratios and per-item costs follows the table.
//   store_bench [--smoke] [Google Benchmark flags]
// --smoke runs every benchmark once on the small data set (a quick check that all work).
#include "DataSet.h"
#include "SqliteReference.h"
#include "commands/ImportCommand.h"
#include "core/Context.h"
#include "core/Prompts.h"
#include "store/CategoryStore.h"
#include "store/ItemStore.h"
#include "store/ListOrder.h"
#include "store/RecordFile.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace cw;
using namespace cw::bench;
namespace fs = std::filesystem;

namespace {

bool g_smoke = false;
bool g_failed = false;
fs::path g_root;

// A store failure in a benchmark is a broken run: it is printed and fails the program.
class BenchPrompts : public Prompts {
public:
    MsgAnswer message(const QString& text, MsgButtons, MsgIcon, const QString&) override {
        std::cerr << "store reported: " << text.toStdString() << '\n';
        ++reports;
        return MsgAnswer::Ok;
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
    int reports = 0;
};

// One data set on disk, in SQLite and in memory.
struct Fixture {
    explicit Fixture(int n) : items(n), dir(g_root / std::to_string(n)) {
        fs::create_directories(dir);
        const DataSet data = makeDataSet(n);
        writeRecordFiles(data, dir.string());
        srcPath = (dir / "ctwsrc6.dat").string();
        original = readAll();
        sql = std::make_unique<SqliteReference>((dir / "reference.db").string(), data);
        sqlIndexed = std::make_unique<SqliteReference>((dir / "indexed.db").string(), data, true);
        ctx.prompts = &prompts;
        ctx.dataDir = QString::fromStdString(dir.string());
        buffer.resize(original.size());
    }
    std::string readAll() const {
        std::string out(fs::file_size(srcPath), '\0');
        const int fd = ::open(srcPath.c_str(), O_RDONLY);
        const bool ok = fd >= 0 && ::read(fd, out.data(), out.size()) == ssize_t(out.size());
        if (fd >= 0) ::close(fd);
        if (!ok) throw std::runtime_error("cannot read " + srcPath);
        return out;
    }
    // Puts the item file back as generated, on the disk before timing resumes.
    void restore() const {
        const int fd = ::open(srcPath.c_str(), O_WRONLY);
        const bool ok =
            fd >= 0 &&
            ::pwrite(fd, original.data(), original.size(), 0) == ssize_t(original.size()) &&
            ::fdatasync(fd) == 0;
        if (fd >= 0) ::close(fd);
        if (!ok) throw std::runtime_error("cannot restore " + srcPath);
    }

    int items;
    fs::path dir;
    std::string srcPath;
    std::string original;
    std::vector<char> buffer;
    std::unique_ptr<SqliteReference> sql, sqlIndexed;
    BenchPrompts prompts;
    Context ctx;
};

Fixture& fixture(int n) {
    static std::map<int, std::unique_ptr<Fixture>> all;
    auto& f = all[n];
    if (!f) f = std::make_unique<Fixture>(n);
    return *f;
}

const SortOrder kOrders[] = {SortOrder::ByItem, SortOrder::ByAisle, SortOrder::ByCategory};
const char* const kModeNames[] = {"Item", "Isle", "Category"};
constexpr qint32 kListedCategory = 50;

void checkNoReports(benchmark::State& state, Fixture& f) {
    if (f.prompts.reports == 0) return;
    g_failed = true;
    state.SkipWithError("the store reported a failure");
}

void plainRead(benchmark::State& state, int n) {
    Fixture& f = fixture(n);
    for (auto _ : state) {
        const int fd = ::open(f.srcPath.c_str(), O_RDONLY);
        std::size_t got = 0;
        while (got < f.buffer.size()) {
            const ssize_t r = ::read(fd, f.buffer.data() + got, f.buffer.size() - got);
            if (r <= 0) break;
            got += std::size_t(r);
        }
        ::close(fd);
        benchmark::DoNotOptimize(f.buffer.data());
        if (got != f.buffer.size()) state.SkipWithError("short read");
    }
}

void storeSortList(benchmark::State& state, int n, int mode) {
    Fixture& f = fixture(n);
    for (auto _ : state) {
        ListedItems items;
        std::vector<int> rows;
        benchmark::DoNotOptimize(ItemStore(f.ctx).readList(kOrders[mode], items, rows));
    }
    checkNoReports(state, f);
}

SqliteReference& reference(Fixture& f, bool indexed) {
    return indexed ? *f.sqlIndexed : *f.sql;
}

void sqliteSortList(benchmark::State& state, int n, int mode, bool indexed) {
    SqliteReference& sql = reference(fixture(n), indexed);
    for (auto _ : state)
        benchmark::DoNotOptimize(sql.sortList(SqliteReference::Order(mode)));
}

void storeCalculate(benchmark::State& state, int n) {
    Fixture& f = fixture(n);
    for (auto _ : state)
        benchmark::DoNotOptimize(ItemStore(f.ctx).total());
}

void sqliteCalculate(benchmark::State& state, int n, bool indexed) {
    SqliteReference& sql = reference(fixture(n), indexed);
    for (auto _ : state)
        benchmark::DoNotOptimize(sql.calculate());
}

void storeRefreshList(benchmark::State& state, int n) {
    Fixture& f = fixture(n);
    for (auto _ : state)
        benchmark::DoNotOptimize(ItemStore(f.ctx).listCategory(kListedCategory));
}

void sqliteRefreshList(benchmark::State& state, int n, bool indexed) {
    SqliteReference& sql = reference(fixture(n), indexed);
    for (auto _ : state)
        benchmark::DoNotOptimize(sql.refreshList(kListedCategory));
}

void storeClearSelections(benchmark::State& state, int n) {
    Fixture& f = fixture(n);
    for (auto _ : state) {
        state.PauseTiming();
        f.restore();
        state.ResumeTiming();
        ItemStore(f.ctx).clearList();
    }
    f.restore();
}

void sqliteClearSelections(benchmark::State& state, int n) {
    Fixture& f = fixture(n);
    for (auto _ : state) {
        state.PauseTiming();
        f.sql->resetSelections();
        state.ResumeTiming();
        f.sql->clearSelections();
    }
    f.sql->resetSelections();
}

int g_syncs = 0;
int countingSync(int fd) {
    ++g_syncs;
    return ::fdatasync(fd);
}

// What All To List does to the file for 2,000 items, none of them on the list yet: each read
// and put on the list, in one opening of the file.
void storeAllToList(benchmark::State& state, int n) {
    Fixture& f = fixture(n);
    std::vector<qint32> ids;
    for (qint32 id = 1; ids.size() < 2000; ++id)
        if (id % 10 != 1) ids.push_back(id); // every tenth item is on the list already
    durabilityCalls().sync = countingSync;
    for (auto _ : state) {
        state.PauseTiming();
        f.restore();
        g_syncs = 0;
        state.ResumeTiming();
        ItemStore(f.ctx).putOnList(ids).wait();
    }
    durabilityCalls().sync = ::fdatasync;
    state.counters["syncs"] = g_syncs;
    f.restore();
    checkNoReports(state, f);
}

// Old version-5 files of the data set: 15-byte category names, 61-byte items.
void writeOldFiles(const DataSet& data, const fs::path& dir) {
    std::string cats, items;
    for (const QString& name : data.categories)
        cats += name.leftJustified(15, ' ', true).toStdString();
    for (const ItemRow& r : data.items) {
        std::string rec = r.item.leftJustified(25, ' ', true).toStdString() +
                          r.quantity.leftJustified(5, ' ', true).toStdString() +
                          r.cost.leftJustified(8, ' ', true).toStdString() +
                          r.size.leftJustified(15, ' ', true).toStdString();
        rec += char(r.catId & 0xFF);
        rec += char(r.catId >> 8);
        rec += r.selectedYN.toStdString() +
               r.selectedQuantity.leftJustified(5, ' ', true).toStdString();
        items += rec;
    }
    std::ofstream(dir / "cat.dat", std::ios::binary) << cats;
    std::ofstream(dir / "src.dat", std::ios::binary) << items;
}

// The version-5 import of 10,000 items into empty files, as the import builds them aside:
// both steps and the one sync of each new file, without the final renames.
void storeImport(benchmark::State& state) {
    const fs::path dir = g_root / "import";
    fs::create_directories(dir / "new");
    writeOldFiles(makeDataSet(10000), dir);
    BenchPrompts prompts;
    Context ctx;
    ctx.prompts = &prompts;
    ctx.dataDir = QString::fromStdString((dir / "new").string());
    durabilityCalls().sync = countingSync;
    int leftOut = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(dir / "new" / "ctwcat6.dat");
        fs::remove(dir / "new" / "ctwsrc6.dat");
        g_syncs = 0;
        state.ResumeTiming();
        CategoryIds ids;
        const QString old = QString::fromStdString(dir.string());
        if (!importCategories(ctx, old + "/cat.dat", ids) ||
            !importItems(ctx, old + "/src.dat", ids, leftOut))
            state.SkipWithError("the import failed");
    }
    durabilityCalls().sync = ::fdatasync;
    state.counters["syncs"] = g_syncs;
    if (prompts.reports != 0 || leftOut != 0) g_failed = true;
}

// Both sides must answer the same question before their times mean anything.
bool answersAgree(int n) {
    Fixture& f = fixture(n);
    ItemStore s(f.ctx);
    const double store = double(s.total().units()) / 10000.0;
    bool ok = std::abs(store - f.sql->calculate()) < 0.005 &&
              std::abs(store - f.sqlIndexed->calculate()) < 0.005;
    std::map<qint32, QString> names;
    std::vector<Category> categories;
    CategoryStore(f.ctx).list(categories);
    for (const Category& c : categories)
        names[c.id] = c.name;
    for (int mode = 0; mode < 3; ++mode) {
        ListedItems items;
        std::vector<int> rows;
        s.readList(kOrders[mode], items, rows);
        // The same keys in the same order (SQLite may order equal keys either way).
        std::map<int, QString> keyOf;
        std::vector<QString> storeKeys, sqlKeys;
        for (const int i : rows) {
            using F = ListedItems::Field;
            const QString description = items.text(i, F::Description);
            const QString key = mode == 0   ? description
                                : mode == 1 ? items.text(i, F::Aisle) + '.' + description
                                            : names[items.categoryId(i)] + '.' + description;
            keyOf[items.id(i)] = listSortKey(key);
            storeKeys.push_back(keyOf[items.id(i)]);
        }
        for (SqliteReference* sql : {f.sql.get(), f.sqlIndexed.get()}) {
            sqlKeys.clear();
            for (int id : sql->sortList(SqliteReference::Order(mode)))
                sqlKeys.push_back(keyOf[id]);
            ok = ok && !storeKeys.empty() && storeKeys == sqlKeys;
            if (storeKeys != sqlKeys) {
                std::cerr << "mode " << mode << " differs";
                for (std::size_t i = 0; i < storeKeys.size() && i < sqlKeys.size(); ++i)
                    if (storeKeys[i] != sqlKeys[i]) {
                        std::cerr << " at " << i << ": " << storeKeys[i].toStdString() << " | "
                                  << sqlKeys[i].toStdString();
                        break;
                    }
                std::cerr << '\n';
            }
        }
    }
    const std::size_t listed = s.listCategory(kListedCategory).size();
    ok = ok && listed == f.sql->refreshList(kListedCategory).size();
    ok = ok && listed == f.sqlIndexed->refreshList(kListedCategory).size();
    ok = ok && listed > 0 && f.prompts.reports == 0;
    if (!ok) std::cerr << "store and SQLite disagree on the data set of " << n << " items\n";
    return ok;
}

// The console table, and afterwards a summary of the ratios the targets are about.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter() : ConsoleReporter(::isatty(1) ? OO_ColorTabular : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (!r.error_occurred && r.run_type == Run::RT_Iteration)
                m_micros[r.run_name.function_name] = r.GetAdjustedRealTime();
    }

    void printSummary(const std::vector<int>& sizes, std::ostream& out) const {
        out << std::fixed << std::setprecision(2) << "\nRatios (real time)"
            << (g_smoke ? ", one run each: no verdict\n" : "\n");
        for (int n : sizes) {
            out << "  " << n << " items:\n";
            ratio(out, "Calculate / plain read", "Calculate/store", "ReadFile/plain", n, 2);
            ratio(out, "RefreshList / plain read", "RefreshList/store", "ReadFile/plain", n, 2);
            for (const char* mode : kModeNames) {
                const std::string m = std::string("SortListBy") + mode;
                ratio(out, m + " / plain read", m + "/store", "ReadFile/plain", n, 2);
                ratio(out, m + " store / SQLite", m + "/store", m + "/sqlite", n, 1);
                ratio(out, m + " store / indexed", m + "/store", m + "/sqlite-indexed", n, 1);
            }
            ratio(out, "Calculate store / SQLite", "Calculate/store", "Calculate/sqlite", n, 1);
            ratio(out, "Calculate store / indexed", "Calculate/store", "Calculate/sqlite-indexed",
                  n, 1);
            ratio(out, "RefreshList store / SQLite", "RefreshList/store", "RefreshList/sqlite", n,
                  1);
            ratio(out, "RefreshList store / indexed", "RefreshList/store",
                  "RefreshList/sqlite-indexed", n, 1);
            ratio(out, "ClearSelections store / SQLite", "ClearSelections/store",
                  "ClearSelections/sqlite", n, 0);
        }
        if (sizes.size() < 2) return;
        out << "\nCost per item (ns), " << sizes.front() << " -> " << sizes.back()
            << " items, and its growth\n";
        for (const auto& [name, micros] : m_micros) {
            const auto slash = name.rfind('/');
            if (name.substr(slash + 1) != std::to_string(sizes.front())) continue;
            const std::string base = name.substr(0, slash);
            const auto last = m_micros.find(base + '/' + std::to_string(sizes.back()));
            if (last == m_micros.end()) continue;
            const double a = micros * 1000 / sizes.front(), b = last->second * 1000 / sizes.back();
            out << "  " << std::left << std::setw(32) << base << std::right << std::setw(10) << a
                << std::setw(10) << b << std::setw(8) << b / a << "x\n";
        }
    }

private:
    void ratio(std::ostream& out, const std::string& label, const std::string& a,
               const std::string& b, int n, double target) const {
        const auto x = m_micros.find(a + '/' + std::to_string(n));
        const auto y = m_micros.find(b + '/' + std::to_string(n));
        if (x == m_micros.end() || y == m_micros.end()) return;
        const double r = x->second / y->second;
        out << "    " << std::left << std::setw(34) << label << std::right << std::setw(8) << r;
        if (target > 0 && !g_smoke)
            out << "   target <= " << target << (r <= target ? "  met" : "  MISSED");
        out << '\n';
    }
    std::map<std::string, double> m_micros; // benchmark name -> microseconds per iteration
};

// A catalogue whose two files are 2 GB of zero bytes each, sparse: what opening the main window
// reads from them (categories, the first category's items, the sort list by category and the
// total), and the most memory the process has taken.
void zeroFilledStartUp(benchmark::State& state) {
    const fs::path dir = g_root / "zero-filled";
    fs::create_directories(dir);
    for (const char* name : {"ctwcat6.dat", "ctwsrc6.dat"}) {
        std::ofstream(dir / name).close();
        fs::resize_file(dir / name, std::uintmax_t(2) << 30);
    }
    BenchPrompts prompts;
    Context ctx;
    ctx.prompts = &prompts;
    ctx.dataDir = QString::fromStdString(dir.string());
    for (auto _ : state) {
        std::vector<Category> categories;
        CategoryStore(ctx).list(categories);
        const std::vector<ItemEntry> items = ItemStore(ctx).listCategory(1);
        ListedItems listed;
        std::vector<int> rows;
        ItemStore(ctx).readList(SortOrder::ByCategory, listed, rows);
        benchmark::DoNotOptimize(ItemStore(ctx).total());
        if (categories.size() + items.size() + rows.size() != 0) g_failed = true;
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024;
    if (prompts.reports != 0) g_failed = true;
}

void registerAll(const std::vector<int>& sizes) {
    benchmark::RegisterBenchmark("OpenZeroFilled2GB", zeroFilledStartUp)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(g_smoke ? 1 : 20);
    benchmark::RegisterBenchmark("Import10000/store", storeImport)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(g_smoke ? 1 : 10);
    using Fn = std::function<void(benchmark::State&)>;
    for (int n : sizes) {
        std::vector<std::pair<std::string, Fn>> list = {
            {"ReadFile/plain", [n](auto& s) { plainRead(s, n); }},
            {"Calculate/store", [n](auto& s) { storeCalculate(s, n); }},
            {"Calculate/sqlite", [n](auto& s) { sqliteCalculate(s, n, false); }},
            {"Calculate/sqlite-indexed", [n](auto& s) { sqliteCalculate(s, n, true); }},
            {"RefreshList/store", [n](auto& s) { storeRefreshList(s, n); }},
            {"RefreshList/sqlite", [n](auto& s) { sqliteRefreshList(s, n, false); }},
            {"RefreshList/sqlite-indexed", [n](auto& s) { sqliteRefreshList(s, n, true); }},
        };
        for (int mode = 0; mode < 3; ++mode) {
            const std::string m = std::string("SortListBy") + kModeNames[mode];
            list.push_back({m + "/store", [n, mode](auto& s) { storeSortList(s, n, mode); }});
            list.push_back(
                {m + "/sqlite", [n, mode](auto& s) { sqliteSortList(s, n, mode, false); }});
            list.push_back(
                {m + "/sqlite-indexed", [n, mode](auto& s) { sqliteSortList(s, n, mode, true); }});
        }
        if (n >= 10000)
            list.push_back({"AllToList2000/store", [n](auto& s) { storeAllToList(s, n); }});
        list.push_back({"ClearSelections/store", [n](auto& s) { storeClearSelections(s, n); }});
        list.push_back({"ClearSelections/sqlite", [n](auto& s) { sqliteClearSelections(s, n); }});
        for (auto& [name, fn] : list) {
            auto* b = benchmark::RegisterBenchmark((name + '/' + std::to_string(n)).c_str(),
                                                   [fn = fn](benchmark::State& s) { fn(s); });
            b->Unit(benchmark::kMicrosecond)->UseRealTime();
            if (g_smoke) b->Iterations(1);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            g_smoke = true;
        else
            args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;

    g_root = fs::temp_directory_path() / ("cartwise-bench-" + std::to_string(::getpid()));
    const std::vector<int> sizes =
        g_smoke ? std::vector<int>{1000} : std::vector<int>{1000, 10000, 100000};
    int status = 0;
    try {
        for (int n : sizes)
            if (!answersAgree(n)) status = 1;
        registerAll(sizes);
        SummaryReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        reporter.printSummary(sizes, std::cout);
    } catch (const std::exception& e) {
        std::cerr << "store_bench: " << e.what() << '\n';
        status = 1;
    }
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(g_root, ignored);
    return status != 0 || g_failed ? 1 : 0;
}
