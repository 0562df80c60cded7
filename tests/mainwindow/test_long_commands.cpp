// A command that writes many records syncs each file once, under the wait cursor, and a sync
// that fails is reported once under the command's name.
#include "MainWindowFixture.h"
#include "store/RecordFile.h"

#include <QGuiApplication>
#include <QScopeGuard>
#include <cerrno>
#include <unistd.h>

using namespace cw;
using namespace cw::test;

namespace {

bool g_syncFails = false;
std::vector<int> g_cursors; // the override cursor's shape at each sync, -1 for none

int observedSync(int fd) {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    g_cursors.push_back(cursor ? cursor->shape() : -1);
    if (!g_syncFails) return ::fdatasync(fd);
    errno = EIO;
    return -1;
}

} // namespace

TEST_F(MainWindowTest, AllToListSyncsOnceUnderTheWaitCursorAndReportsAFailedSyncOnce) {
    writeFile(t.catFile(), categoryRecord("Dairy") + categoryRecord("Bakery"));
    QByteArray items;
    for (const char* name : {"Milk", "Butter", "Cheese", "Yogurt"})
        items += itemRecord({name, "1", "1.00", "", 1, "", "N", ""});
    for (const char* name : {"Bagels", "Bread"})
        items += itemRecord({name, "2", "3.00", "", 2, "", "N", ""});
    writeFile(t.srcFile(), items);
    start();
    const DurabilityCalls real = durabilityCalls();
    const auto restore = qScopeGuard([&] {
        durabilityCalls() = real;
        g_syncFails = false;
    });
    durabilityCalls().sync = observedSync;
    g_cursors.clear();

    choose("lstCat", "Dairy");
    click("cmdCatToList");
    EXPECT_EQ(g_cursors, std::vector<int>{Qt::WaitCursor}); // four records, one sync
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(column(2), (QStringList{"Butter", "Cheese", "Milk", "Yogurt"}));

    g_syncFails = true;
    choose("lstCat", "Bakery");
    click("cmdCatToList");
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{errorReport("frmMain.AddAllItemsToList", sysError(EIO))});
    EXPECT_EQ(column(2), (QStringList{"Bagels", "Bread", "Butter", "Cheese", "Milk", "Yogurt"}));
    EXPECT_EQ(itemBytes(5).mid(174, 2), "Y2"); // written all the same
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
