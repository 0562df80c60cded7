// A command that writes many records syncs each file once, under the wait cursor, and a sync
// that fails is reported once under the command's name.
#include "MainWindowFixture.h"
#include "core/Busy.h"
#include "store/RecordFile.h"

#include <QGuiApplication>
#include <QScopeGuard>

using namespace cw;
using namespace cw::test;

namespace {

// The wait cursor, and for each time it was shown, the syncs that ran while it was.
class ObservedWaitCursor : public BusyIndicator {
public:
    explicit ObservedWaitCursor(BusyIndicator* shown) : m_shown(shown) {}
    BusyIndicator* shown() const { return m_shown; }
    void begin() override {
        m_shown->begin();
        if (m_depth++ > 0) return;
        m_syncsBefore = ObservedDurability::syncs;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        shapes.push_back(cursor ? cursor->shape() : -1);
    }
    void end() override {
        if (--m_depth == 0) syncsWhileShown.push_back(ObservedDurability::syncs - m_syncsBefore);
        m_shown->end();
    }
    std::vector<int> shapes, syncsWhileShown;

private:
    BusyIndicator* m_shown;
    int m_depth = 0, m_syncsBefore = 0;
};

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
    ObservedDurability durability;
    ObservedWaitCursor waitCursor(t.ctx.busy);
    t.ctx.busy = &waitCursor;
    const auto restoreCursor = qScopeGuard([&] { t.ctx.busy = waitCursor.shown(); });

    choose("lstCat", "Dairy");
    waitCursor.shapes.clear(); // the items shown may have taken a moment too
    waitCursor.syncsWhileShown.clear();
    click("cmdCatToList");
    EXPECT_EQ(waitCursor.shapes, std::vector<int>{Qt::WaitCursor});
    EXPECT_EQ(waitCursor.syncsWhileShown, std::vector<int>{1}); // four records, one sync
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(column(2), (QStringList{"Butter", "Cheese", "Milk", "Yogurt"}));

    durability.syncFails = true;
    choose("lstCat", "Bakery");
    click("cmdCatToList");
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{errorReport("frmMain.AddAllItemsToList", sysError(EIO))});
    EXPECT_EQ(column(2), (QStringList{"Bagels", "Bread", "Butter", "Cheese", "Milk", "Yogurt"}));
    EXPECT_EQ(itemBytes(5).mid(174, 2), "Y2"); // written all the same
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
