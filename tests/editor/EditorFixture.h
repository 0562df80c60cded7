#pragma once
// A stand-in for the main window as the item editor sees it, and a fixture that opens the
// editor the way the main window does.
#include "TestContext.h"
#include "app/SortedListBox.h"
#include "editor/ItemEditorHost.h"
#include "editor/frmItem.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace cw::test {

class FakeHost : public ItemEditorHost {
public:
    explicit FakeHost(Context& ctx) : m_ctx(ctx) {
        main.setGeometry(200, 150, 800, 600);
        // Like the main window: a click in the list while the editor is open hands it the
        // category and the item.
        QObject::connect(&list, &SortedListBox::indexClicked, [this] {
            const int i = list.selectedIndex();
            if (i < 0 || !m_ctx.blnItemFormLoaded || !editor) return;
            editor->lblCatID->setCaption(QString::number(categoryId));
            editor->lblID->setCaption(QString::number(list.itemData(i)));
        });
    }
    QWidget* hostWindow() override { return &main; }
    SortedListBox& availableList() override { return list; }
    void RefreshMainList() override { ++refreshes; }

    QWidget main;
    SortedListBox list{&main};
    int refreshes = 0;
    qint32 categoryId = 7;
    QPointer<frmItem> editor;

private:
    Context& m_ctx;
};

class EditorTest : public ::testing::Test {
protected:
    // Opens the editor on an item ("0": a new one) and puts the focus in the description.
    frmItem& open(const QString& id = QStringLiteral("0")) {
        if (!host.editor) host.editor = new frmItem(t.ctx, host);
        frmItem& w = *host.editor;
        w.show();
        QApplication::setActiveWindow(&w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        w.lblCatID->setCaption(QString::number(host.categoryId));
        w.lblCategoryDesc->setCaption(QStringLiteral("Category: Dairy"));
        w.lblID->setCaption(QString());
        w.lblID->setCaption(id);
        w.txtGen(0)->setFocus();
        return w;
    }
    // Writes the source item file and lists its items the way the category panel does.
    void seed(const std::vector<ItemBytes>& items) {
        QByteArray bytes;
        for (const ItemBytes& b : items)
            bytes += itemRecord(b);
        writeFile(t.srcFile(), bytes);
        for (int i = 0; i < int(items.size()); ++i)
            host.list.addEntry(QString::fromLatin1(items[i].item), i + 1);
    }
    static void deleteClosed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void TearDown() override { delete host.editor.data(); }
    QLineEdit* field(int i) { return host.editor->txtGen(i); }

    TestContext t;
    FakeHost host{t.ctx};
};

} // namespace cw::test
