// Finding items by what is typed: every word must be in the description, letter case and
// accents aside; the matches come in the order of the items lists, cut short when there are
// many, with the count of them all.
#include "TestContext.h"

using namespace cw;
using namespace cw::test;

namespace {

// The first `limit` matches as "description=ID", with the count of them all.
QStringList found(Context& ctx, const QString& text, int limit = 50, qint64* count = nullptr) {
    qint64 matched = 0;
    QStringList out;
    const ListedItems items = ItemStore(ctx).search(ItemQuery(text), limit, matched);
    for (int i = 0; i < items.count(); ++i)
        out << items.text(i, ListedItems::Field::Description) + '=' + QString::number(items.id(i));
    EXPECT_GE(matched, out.size());
    if (count) *count = matched;
    return out;
}

} // namespace

TEST(Search, WordsMatchAnywhereWithoutRegardToCaseOrAccents) {
    TestContext t;
    // Windows-1252: é is 0xE9, É 0xC9, ß 0xDF, Œ 0x8C, œ 0x9C.
    writeFile(t.srcFile(), itemRecord({"Caf\xE9 Noir", "1", "4.99", "250 g", 2, "", "N", ""}) +
                               itemRecord({"Decaf Coffee", "", "", "", 2, "", "Y", "1"}) +
                               kBlankItem + // a free record is never found
                               itemRecord({"CAF\xC9 CR\xC8ME", "", "", "", 3, "", "N", ""}) +
                               itemRecord({"Stra\xDF"
                                           "e Mix",
                                           "", "", "", 0, "", "N", ""}) +
                               itemRecord({"  cafe  ", "", "", "", 1, "", "N", ""}) +
                               itemRecord({"\x8C"
                                           "uf",
                                           "", "", "", 1, "", "N", ""}));
    EXPECT_EQ(found(t.ctx, "cafe"), (QStringList{"cafe=6", "CAFÉ CRÈME=4", "Café Noir=1"}));
    EXPECT_EQ(found(t.ctx, "caf").size(), 4); // Decaf Coffee too
    EXPECT_EQ(found(t.ctx, "CAFÉ"), found(t.ctx, "cafe"));
    EXPECT_EQ(found(t.ctx, "  noir   CAF "), QStringList{"Café Noir=1"}); // every word
    EXPECT_EQ(found(t.ctx, "creme cafe"), QStringList{"CAFÉ CRÈME=4"});
    EXPECT_EQ(found(t.ctx, "strasse"), QStringList{"Straße Mix=5"});
    EXPECT_EQ(found(t.ctx, "STRAßE"), QStringList{"Straße Mix=5"});
    EXPECT_EQ(found(t.ctx, "œ"), QStringList{"Œuf=7"});
    EXPECT_EQ(found(t.ctx, "tea"), QStringList{});
    EXPECT_EQ(found(t.ctx, "   "), QStringList{}); // no words find nothing
}

TEST(Search, ManyMatchesAreCutShortInListOrderAndCountedInFull) {
    TestContext t;
    QByteArray items;
    for (const char* name : {"milk b", "Milk a", "oat milk", "MILK c", "Tea", "milk"})
        items += itemRecord({name, "", "", "", 1, "", "N", ""});
    writeFile(t.srcFile(), items);
    qint64 matched = 0;
    EXPECT_EQ(found(t.ctx, "milk", 3, &matched), (QStringList{"milk=6", "Milk a=2", "milk b=1"}));
    EXPECT_EQ(matched, 5);
    EXPECT_EQ(found(t.ctx, "milk").size(), 5);
}
