#pragma once
// The item editor opened over a stand-in for the main window, active and with the focus in the
// description, so that key presses and focus changes reach it as they do for a user.
#include "TestContext.h"
#include "editor/frmItem.h"
#include "widgets/SortedListBox.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace cw::test {

class EditorTest : public ::testing::Test {
protected:
    frmItem& open(const QString& id = QStringLiteral("0")) {
        if (!editor) {
            editor = new frmItem(t.ctx, &main);
            QObject::connect(editor, &frmItem::saved, [this] { ++refreshes; });
            QObject::connect(editor, &frmItem::itemAdded,
                             [this](qint32 id, const QString& text) { list.addEntry(text, id); });
        }
        editor->show();
        QApplication::setActiveWindow(editor);
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
        editor->lblCatID->setCaption(QStringLiteral("7"));
        editor->lblID->setCaption(id);
        field(0)->setFocus();
        return *editor;
    }
    QLineEdit* field(int i) { return editor->txtGen(i); }
    // Types into a field and leaves it with Tab.
    void typeAndLeave(int i, const QString& text) {
        field(i)->setFocus();
        QTest::keyClicks(field(i), text);
        QTest::keyClick(field(i), Qt::Key_Tab);
    }
    QStringList texts() {
        QStringList out;
        for (int i = 0; i < frmItem::kFieldCount; ++i)
            out << field(i)->text();
        return out;
    }
    // The checked entries of the Options menu, "x" for checked: "x--" is Proper.
    QString checkedOptions() {
        QString out;
        for (QAction* a :
             {editor->mnuConvertProper, editor->mnuConvertUpper, editor->mnuConvertNone})
            out += a->isChecked() ? 'x' : '-';
        return out;
    }

    TestContext t;
    QWidget main;
    SortedListBox list{&main};
    int refreshes = 0;
    QPointer<frmItem> editor; // a child of main, gone with it
};

} // namespace cw::test
