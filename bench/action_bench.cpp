// What a user waits for: the real main window, offscreen, driven through its controls (mouse
// clicks on list rows, grid rows and buttons, the menu's commands), each action timed from the
// click to its return, on catalogues of 1,000, 100,000 and 1,000,000 items in 100 categories,
// every tenth item on the list. Each size runs in a process of its own, so that its peak
// resident memory (the mapped file's pages included) and its peak heap are its own; the item
// file is put back as generated before every repetition of an action that changes it. The disk
// syncs each action makes are counted. Beside the export stands the writing of its own bytes,
// done bare. Undo and Find Item are timed too: Clear List undone, and a letter typed.
//   action_bench [--smoke] [ITEMS...]
// --smoke times each action once on 1,000 items (a quick check that all of them work).
#include "BenchProgram.h"
#include "DataSet.h"
#include "mainwindow/MainWindow.h"
#include "store/RecordFile.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <iomanip>
#include <iostream>
#include <malloc.h>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace cw;
using namespace cw::bench;

int g_syncs = 0;
double g_syncMs = 0; // the time the disk took to make the action's writes durable
int countingSync(int fd) {
    ++g_syncs;
    QElapsedTimer timer;
    timer.start();
    const int result = ::fdatasync(fd);
    g_syncMs += double(timer.nsecsElapsed()) / 1e6;
    return result;
}

// Copies the file `from` over `to`, on the disk before it returns.
void copyFile(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    bool ok = in >= 0 && out >= 0;
    for (ssize_t n = 1; ok && n > 0;) {
        n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        ok = n >= 0;
    }
    ok = ok && ::fdatasync(out) == 0;
    if (in >= 0) ::close(in);
    if (out >= 0) ::close(out);
    if (!ok) throw std::runtime_error("cannot copy " + from + " to " + to);
}

struct Result {
    double ms;
    int syncs;
    double syncMs;
};

// One size, in its own process: every action, a line "action ms syncs" each on `out`.
class Session {
public:
    Session(const QString& dir, int reps, std::FILE* out)
        : m_program(dir), m_items((dir + "/ctwsrc6.dat").toStdString()),
          m_original((dir + "/original.dat").toStdString()), m_reps(reps), m_out(out) {
        // Kept aside on the disk, not in this process's memory; reading it warms the page cache.
        copyFile(m_items, m_original);
        QDir(dir).mkdir(QStringLiteral("export"));
        m_program.prompts.inputText = dir + QStringLiteral("/export");
        durabilityCalls().sync = countingSync;
    }

    void run() {
        measure("start-up", nullptr, [this] {
            MainWindow w(m_program.ctx);
            w.show();
            w.repaint(); // painted, children included
        });
        m_window = std::make_unique<MainWindow>(m_program.ctx);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get())) throw std::runtime_error("no window");
        int row = 0;
        measure("category click", nullptr, [&] { clickRow("lstCat", row++ % 5); });
        measure(
            "All To List",
            [this] {
                restore();
                clickRow("lstCat", 0);
            },
            [this] { clickButton("cmdCatToList"); });
        measure(
            "keypad press", [this] { clickGridRow(1); }, [this] { clickButton("cmdNum1"); });
        measure(
            "Remove Item",
            [this] {
                restore();
                clickGridRow(1);
            },
            [this] { clickButton("cmdRemoveItem"); });
        measure(
            "Clear List", [this] { restore(); }, [this] { clickButton("cmdClearList"); });
        measure(
            "undo Clear List",
            [this] {
                restore();
                clickButton("cmdClearList");
            },
            [this] { trigger("undoAction"); });
        // Find Item: the first letter typed, which finds the most, and the window painted.
        trigger("findAction");
        auto* find = child<QDialog>("findDialog");
        auto* field = find->findChild<QLineEdit*>(QStringLiteral("findField"));
        measure(
            "find keystroke", [&] { field->clear(); },
            [&] {
                QTest::keyClick(field, Qt::Key_S);
                find->repaint();
            });
        find->close();
        measure(
            "export", [this] { restore(); }, [this] { trigger("mnuExport"); });
        // What the export cannot do without: its own bytes written, synced and renamed into
        // place as the export does it.
        const qint64 records = child<QTableView>("Grid1")->model()->rowCount() + 1;
        measure("export's bytes", nullptr, [&] { writeBytes(records); });
        std::fprintf(m_out, "peak heap (MB)\t%.3f\t0\t0\n", m_peakHeap / 1048576.0);
        m_window.reset();
        if (m_program.prompts.reports != 0) throw std::runtime_error("a failure was reported");
    }

private:
    // Times `action` m_reps times (after `prepare`, untimed) and reports the median.
    void measure(const char* name, const std::function<void()>& prepare,
                 const std::function<void()>& action) {
        std::vector<Result> results;
        for (int i = 0; i < m_reps; ++i) {
            if (prepare) prepare();
            g_syncs = 0;
            g_syncMs = 0;
            QElapsedTimer timer;
            timer.start();
            action();
            results.push_back({double(timer.nsecsElapsed()) / 1e6, g_syncs, g_syncMs});
            const struct mallinfo2 heap = ::mallinfo2(); // what is allocated, not the mappings
            m_peakHeap = std::max(m_peakHeap, double(heap.uordblks + heap.hblkhd));
        }
        std::sort(results.begin(), results.end(),
                  [](const Result& a, const Result& b) { return a.ms < b.ms; });
        const Result& median = results[results.size() / 2];
        std::fprintf(m_out, "%s\t%.3f\t%d\t%.3f\n", name, median.ms, median.syncs, median.syncMs);
        std::fflush(m_out);
    }

    // `records` of 300 bytes written in writes of 256, synced, renamed and the folder synced.
    void writeBytes(qint64 records) {
        const std::string dir = m_program.prompts.inputText.toStdString();
        const std::string temp = dir + "/.bytes", path = dir + "/bytes.txt";
        const std::string chunk(256 * 300, ' ');
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (qint64 left = records; left > 0; left -= 256)
            if (::write(fd, chunk.data(), std::size_t(std::min<qint64>(left, 256) * 300)) < 0)
                throw std::runtime_error("cannot write " + temp);
        ::fdatasync(fd);
        ::close(fd);
        ::rename(temp.c_str(), path.c_str());
        const int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
        ::fsync(folder);
        ::close(folder);
    }

    // The item file as generated, and the window showing it.
    void restore() {
        copyFile(m_original, m_items);
        trigger("mnuRefreshCL");
    }
    template <class T> T* child(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no control ") + name);
        return found;
    }
    void clickButton(const char* name) {
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
    }
    void trigger(const char* name) { child<QAction>(name)->trigger(); }
    void clickRow(const char* list, int row) {
        auto* l = child<QListView>(list);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualRect(l->model()->index(row, 0)).center());
    }
    void clickGridRow(int row) {
        auto* g = child<QTableView>("Grid1");
        g->scrollToTop();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualRect(g->model()->index(row, 2)).center());
    }

    BenchProgram m_program;
    std::string m_items, m_original; // the item file, and it as generated
    int m_reps;
    std::FILE* m_out;
    std::unique_ptr<MainWindow> m_window;
    double m_peakHeap = 0;
};

// Runs `body` in a child process; returns its exit status and peak resident memory (MB).
std::pair<int, double> inChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        int status = 1;
        try {
            status = body();
        } catch (const std::exception& e) {
            std::cerr << "action_bench: " << e.what() << '\n';
        }
        std::fflush(nullptr);
        ::_exit(status);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    return {code, double(usage.ru_maxrss) / 1024};
}

} // namespace

int main(int argc, char** argv) {
    bool smoke = false;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else
            sizes.push_back(std::atoi(argv[i]));
    }
    if (sizes.empty())
        sizes = smoke ? std::vector<int>{1000} : std::vector<int>{1000, 100000, 1000000};
    qputenv("QT_QPA_PLATFORM", "offscreen");

    std::map<std::string, std::map<int, Result>> table; // action -> size -> result
    std::vector<std::string> order;
    std::map<int, double> peak;
    int failed = 0;
    for (int n : sizes) {
        QTemporaryDir dir;
        const std::string path = dir.path().toStdString();
        // The data is made in a process of its own, so that the timed one does not carry it.
        const auto made = inChild([&] {
            writeRecordFiles(makeDataSet(n), path);
            return 0;
        });
        if (made.first != 0) return 1;
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) return 1;
        const auto [status, rss] = inChild([&] {
            ::close(pipeFds[0]);
            std::FILE* out = ::fdopen(pipeFds[1], "w");
            int qargc = 1;
            QApplication app(qargc, argv);
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
            Session(dir.path(), smoke ? 1 : (n >= 1000000 ? 3 : 7), out).run();
            std::fclose(out);
            return 0;
        });
        ::close(pipeFds[1]);
        std::FILE* in = ::fdopen(pipeFds[0], "r");
        char name[64];
        Result r{};
        while (std::fscanf(in, " %63[^\t]\t%lf\t%d\t%lf", name, &r.ms, &r.syncs, &r.syncMs) == 4) {
            if (!table.count(name)) order.push_back(name);
            table[name][n] = r;
        }
        std::fclose(in);
        peak[n] = rss;
        if (status != 0) ++failed;
    }

    std::cout << std::fixed << std::setprecision(2) << std::left << std::setw(16) << "action";
    for (int n : sizes)
        std::cout << std::right << std::setw(14) << (std::to_string(n) + " ms") << std::setw(7)
                  << "syncs" << std::setw(10) << "sync ms";
    if (sizes.size() > 1) std::cout << std::setw(22) << "us/item first, last";
    std::cout << '\n';
    for (const std::string& name : order) {
        std::cout << std::left << std::setw(16) << name;
        for (int n : sizes)
            std::cout << std::right << std::setw(14) << table[name][n].ms << std::setw(7)
                      << table[name][n].syncs << std::setw(10) << table[name][n].syncMs;
        if (sizes.size() > 1) {
            const int a = sizes.front(), b = sizes.back();
            std::cout << std::setw(11) << table[name][a].ms * 1000 / a << std::setw(11)
                      << table[name][b].ms * 1000 / b;
        }
        std::cout << '\n';
    }
    std::cout << std::left << std::setw(16) << "peak RSS (MB)";
    for (int n : sizes)
        std::cout << std::right << std::setw(14) << peak[n] << std::setw(17) << "";
    std::cout << '\n';
    return failed == 0 && !order.empty() ? 0 : 1;
}
