// The real message and input boxes, answered through their buttons from inside the modal
// box's own event loop, and the one-copy lock. (The settings file is proven across real
// restarts end to end.)
#include "TestContext.h"
#include "platform/QtPrompts.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace cw;
using namespace cw::test;

TEST(QtPrompts, BoxesShowWhatTheyAreGivenAndReturnTheAnswerClicked) {
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box); // the checks below do not return early: the box is always answered
        EXPECT_TRUE(box->icon() == QMessageBox::Question &&
                    box->standardButtons() == (QMessageBox::Yes | QMessageBox::No) &&
                    box->defaultButton() == box->button(QMessageBox::Yes));
        EXPECT_EQ(box->windowTitle() + '|' + box->text(), "Ask|Sure?\nReally.");
        box->button(QMessageBox::No)->click();
    });
    QtPrompts prompts;
    EXPECT_EQ(prompts.message("Sure?\r\nReally.", MsgButtons::YesNo, MsgIcon::Question, "Ask"),
              MsgAnswer::No);
    // The input box: typed text on OK, nothing on Cancel.
    for (const auto button : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            EXPECT_EQ(box->windowTitle() + '|' + box->labelText() + '|' + box->textValue(),
                      "New Item|Item name:|Milk");
            QTest::keyClicks(box->findChild<QLineEdit*>(), "Oat milk"); // over the selected text
            box->findChild<QDialogButtonBox*>()->button(button)->click();
        });
        EXPECT_EQ(prompts.input("Item name:", "New Item", "Milk"),
                  QString(button == QDialogButtonBox::Ok ? "Oat milk" : ""));
    }
}

// One copy per data folder, however long the first has run and wherever it runs; a lock from
// another machine that nobody holds any longer is taken over.
TEST(SingleInstance, ALiveLockHoldsHoweverOldAndAForeignOneOnlyWhileItsOwnerHoldsIt) {
    TestContext t;
    const QString lockPath = t.path(SingleInstance::kLockName);
    // This process's own lock, a day old, on a filesystem where file locks do not hold: its
    // owner is alive, so it stands.
    QByteArray ours;
    {
        QLockFile lock(lockPath);
        ASSERT_TRUE(lock.tryLock(0));
        ours = readFile(lockPath);
    }
    writeFile(lockPath, ours);
    QFile file(lockPath);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
    EXPECT_FALSE(SingleInstance(t.dir.path()).acquire());

    // Written by a copy on another machine: pid, program, host.
    writeFile(lockPath, "4242\ncartwise\nanother-machine\n");
    const int held = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0); // as its running owner does
    EXPECT_FALSE(SingleInstance(t.dir.path()).acquire());
    ::close(held);
    SingleInstance after(t.dir.path()); // its owner is gone
    EXPECT_TRUE(after.acquire());
    EXPECT_EQ(readFile(lockPath), ours);
}
