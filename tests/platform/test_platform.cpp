// The real message and input boxes, answered through their buttons from inside the modal
// box's own event loop. (The settings file is proven across real restarts end to end.)
#include "TestContext.h"
#include "platform/QtPrompts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace cw;

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
