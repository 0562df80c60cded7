// The change journal: every step undone and done again puts both record files back byte for
// byte, lengths included, with one sync per file; a record changed by another program stops
// an undo or a redo before anything is written.
#include "TestContext.h"
#include "store/CategoryStore.h"
#include "store/RecordFile.h"

using namespace cw;
using namespace cw::test;

namespace {

Item item(const char* description, qint32 categoryId) {
    Item i;
    i.description = description;
    i.categoryId = categoryId;
    i.quantity = "2";
    i.cost = "1.50";
    return i;
}

} // namespace

TEST(ChangeJournal, EveryStepUndoesAndRedoesToTheBytesWithOneSyncPerFile) {
    TestContext t;
    writeFile(t.catFile(), categoryRecord("Dairy") + categoryRecord("Bakery"));
    // A zero-filled record (free) between two items, and a torn record at the end: both must
    // come back as they were, not as the blanks they read as.
    writeFile(t.srcFile(),
              itemRecord({"Milk", "1", "1.29", "", 1, "", "Y", "3"}) + QByteArray(235, '\0') +
                  itemRecord({"Bread", "1", "2.49", "", 2, "", "Y", "1"}) + QByteArray(100, 'x'));
    ItemStore items(t.ctx);
    CategoryStore categories(t.ctx);
    const std::vector<std::pair<QString, std::function<void()>>> steps = {
        {"Clear", [&] { items.clearList(); }}, // the zero record written back in a run
        {"Add Butter", [&] { ASSERT_EQ(items.add(item("Butter", 1)), 2); }},
        {"Add Rolls", [&] { ASSERT_EQ(items.add(item("Rolls", 2)), 4); }}, // over the tear
        {"Quantities",
         [&] { // the same record twice, and another
             ASSERT_TRUE(items.select(1, "5") && items.select(3, "7") && items.select(1, "6"));
         }},
        {"Delete Dairy",
         [&] {
             ASSERT_TRUE(categories.remove(1));
             items.removeCategory(1);
         }},
        {"New Cat", [&] { ASSERT_EQ(categories.add("Frozen"), 1); }},
    };
    std::vector<Files> states{filesOf(t)};
    for (const auto& [name, run] : steps) {
        const JournalStep step(t.ctx, name);
        run();
        states.push_back(filesOf(t));
    }
    ASSERT_FALSE(states[1] == states[0]);
    EXPECT_EQ(states[3].second.size(), 4 * 235);

    ObservedDurability durability;
    const int filesOfStep[] = {1, 1, 1, 1, 2, 1};
    for (std::size_t k = steps.size(); k-- > 0;) {
        SCOPED_TRACE(steps[k].first.toStdString());
        ASSERT_EQ(t.journal.undoName(), steps[k].first);
        durability.syncs = 0;
        ASSERT_EQ(t.journal.undo(), ChangeJournal::Outcome::Done);
        EXPECT_EQ(durability.syncs, filesOfStep[k]);
        EXPECT_EQ(filesOf(t), states[k]);
    }
    EXPECT_FALSE(t.journal.canUndo());
    for (std::size_t k = 0; k < steps.size(); ++k) {
        SCOPED_TRACE(steps[k].first.toStdString());
        ASSERT_EQ(t.journal.redoName(), steps[k].first);
        ASSERT_EQ(t.journal.redo(), ChangeJournal::Outcome::Done);
        EXPECT_EQ(filesOf(t), states[k + 1]);
    }
    EXPECT_FALSE(t.journal.canRedo());
    EXPECT_TRUE(t.prompts.boxes.empty());

    // A new step after an undo forgets the steps undone.
    ASSERT_EQ(t.journal.undo(), ChangeJournal::Outcome::Done);
    {
        const JournalStep step(t.ctx, "Rename");
        ASSERT_TRUE(categories.rename(2, "Bread & Rolls"));
    }
    EXPECT_EQ(t.journal.undoName(), "Rename");
    EXPECT_FALSE(t.journal.canRedo());
    // A command that wrote nothing is no step.
    { const JournalStep step(t.ctx, "Nothing"); }
    EXPECT_EQ(t.journal.undoName(), "Rename");
}

TEST(ChangeJournal, ARecordChangedElsewhereStopsUndoAndRedoWithNothingWritten) {
    TestContext t;
    ItemStore items(t.ctx);
    {
        const JournalStep step(t.ctx, "New Item");
        ASSERT_EQ(items.add(item("Milk", 1)), 1);
    }
    {
        const JournalStep step(t.ctx, "Item To List");
        ASSERT_TRUE(items.select(1, "2"));
    }
    // Another program changes the size of the item the last step put on the list: a field the
    // step did not write, in a record it would restore.
    QByteArray changed = readFile(t.srcFile());
    changed.replace(70, 4, "6 pk");
    writeFile(t.srcFile(), changed);
    EXPECT_EQ(t.journal.undo(), ChangeJournal::Outcome::ChangedElsewhere);
    EXPECT_EQ(readFile(t.srcFile()), changed);
    EXPECT_FALSE(t.journal.canUndo() || t.journal.canRedo());

    // Redo meets a file grown by another program.
    {
        const JournalStep step(t.ctx, "Remove Item");
        ASSERT_TRUE(items.unselect(1));
    }
    ASSERT_EQ(t.journal.undo(), ChangeJournal::Outcome::Done);
    writeFile(t.srcFile(), readFile(t.srcFile()) + itemRecord({"Tea", "", "", "", 1, "", "N", ""}));
    const QByteArray grown = readFile(t.srcFile());
    EXPECT_EQ(t.journal.redo(), ChangeJournal::Outcome::ChangedElsewhere);
    EXPECT_EQ(readFile(t.srcFile()), grown);

    // And an undo meets a file that is gone.
    {
        const JournalStep step(t.ctx, "Edit Item");
        ASSERT_TRUE(items.edit(1, item("Oat Milk", 1)));
    }
    ASSERT_TRUE(QFile::remove(t.srcFile()));
    EXPECT_EQ(t.journal.undo(), ChangeJournal::Outcome::ChangedElsewhere);
    EXPECT_FALSE(QFile::exists(t.srcFile()));
}
