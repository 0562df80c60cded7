// The list boxes run their click handler once per choice, with the chosen entry selected,
// however the choice is made.
#include "widgets/SortedListBox.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace cw;

TEST(SortedListBox, EveryWayOfChoosingRunsTheHandlerOnceWithTheEntrySelected) {
    SortedListBox list;
    list.resize(200, 200);
    for (const char* text : {"Dairy", "bakery", "Produce", "apples", "Bakery"})
        list.addEntry(QString::fromLatin1(text), list.count() + 1);
    EXPECT_EQ(list.text(0) + list.text(1) + list.text(2),
              "applesbakeryBakery"); // equal keys: as added
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QStringList seen; // the selected entry each time the handler ran
    QObject::connect(&list, &SortedListBox::indexClicked, [&] {
        seen << (list.selectedIndex() < 0 ? QString("-") : list.text(list.selectedIndex()));
    });
    QSignalSpy doubleClicks(&list, &SortedListBox::entryDoubleClicked);
    const auto row = [&](int i) { return list.visualItemRect(list.item(i)).center(); };

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row(3)); // Dairy
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row(3)); // again
    QTest::keyClick(&list, Qt::Key_Down);                           // Produce
    list.setSelectedIndex(1);                                       // from code: bakery
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row(0)); // a double click on apples
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row(0));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, row(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, row(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, 190)); // below the entries
    EXPECT_EQ(seen, QStringList({"Dairy", "Dairy", "Produce", "bakery", "apples", "apples"}));
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(list.selectedIndex(), 0);
}
