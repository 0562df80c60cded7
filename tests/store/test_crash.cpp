// A writer killed with SIGKILL at random moments, again and again on the same file: every
// record stays whole, and every write it had reported as done is there afterwards.
#include "TestContext.h"
#include "core/Numbers.h"

#include <QProcess>
#include <array>
#include <csignal>
#include <random>
#include <unistd.h>

using namespace cw;

TEST(CrashConsistency, EveryReportedWriteSurvivesAKillAndNoRecordIsTorn) {
    QTemporaryDir dir;
    // For each record: the operations that wrote its description, cost and selected quantity
    // last, as far as known (an add gives cost 1 and quantity 0).
    std::map<qint32, std::array<long, 3>> known;
    std::mt19937 random(20261206);
    long reported = 0;
    for (int kill = 0; kill < 24; ++kill) {
        QProcess child;
        child.start(CARTWISE_CRASH_CHILD,
                    {dir.path(), QString::number(reported + 100), QString::number(kill)});
        ASSERT_TRUE(child.waitForStarted());
        QByteArray out;
        for (const auto wanted = 1 + random() % 50; out.count('\n') < qsizetype(wanted);) {
            ASSERT_TRUE(child.waitForReadyRead(10000)) << "the writer stopped";
            out += child.readAllStandardOutput();
        }
        ::usleep(random() % 3000); // a random moment, often in the middle of an operation
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished();
        out += child.readAllStandardOutput();
        for (const QByteArray& line : out.split('\n')) { // "<seq> <id> <field>" reported
            const QList<QByteArray> f = line.split(' ');
            if (f.size() < 3) continue; // the last line, cut by the kill
            const long seq = f[0].toLong();
            const int field = f[2].toInt();
            auto& last = known[f[1].toInt()];
            if (field == 0) last = {seq, 1, 0};
            last[field] = seq;
            reported = seq;
        }
        const QByteArray file = test::readFile(dir.filePath("ctwsrc6.dat"));
        ASSERT_EQ(file.size() % 235, 0) << "a torn record after kill " << kill;
        for (qint32 id = 1; id <= file.size() / 235; ++id) {
            const char* rec = file.constData() + (id - 1) * 235;
            const long found[3] = {QByteArray(rec + 1, 49).trimmed().toLong(),
                                   long(leadingNumber(rec + 60, 10)),
                                   long(leadingNumber(rec + 175, 10))};
            // An unknown record was added by the write the kill cut short.
            auto& last = known.try_emplace(id, std::array<long, 3>{0, 1, 0}).first->second;
            for (int field = 0; field < 3; ++field) {
                // The field holds the last reported write to it, or the one cut short.
                EXPECT_TRUE(found[field] == last[field] || found[field] > reported)
                    << "record " << id << " field " << field << " kill " << kill;
                last[field] = found[field];
            }
        }
    }
}
