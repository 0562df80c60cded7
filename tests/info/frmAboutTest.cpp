// The about box driven through its widgets.
#include "info/frmAbout.h"
#include "FakeRegistry.h"
#include "TestContext.h"
#include "info/SupportContact.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

class frmAboutTest : public ::testing::Test {
protected:
    frmAboutTest() {
        t.ctx.registry = &reg;
        t.ctx.launcher = &launcher;
    }
    QString label(const char* name) { return form.findChild<QLabel*>(name)->text(); }
    TestContext t;
    FakeRegistry reg;
    FakeLauncher launcher;
    frmAbout form{t.ctx, nullptr};
};

TEST_F(frmAboutTest, Captions) {
    EXPECT_EQ(form.windowTitle(), "About Cartwise");
    EXPECT_EQ(label("lblTitle"), "Cartwise");
    EXPECT_NEAR(form.findChild<QLabel*>("lblTitle")->font().pointSizeF(), 13.5, 0.01);
    EXPECT_EQ(label("lblVersion"), "Version 6.0.0");
    EXPECT_EQ(frmAbout::VersionLine(12, 3, 405), "Version 12.3.405");
    EXPECT_EQ(label("lblDescription"), "Cartwise is a program that helps you to budget your "
                                       "shopping activities and make them more efficient.");
    EXPECT_TRUE(label("lblDisclaimer").contains(support::kCompany));
    EXPECT_EQ(form.findChild<QPushButton*>("cmdSysInfo")->text(), "&System Info...");
    EXPECT_FALSE(form.findChild<QLabel*>("picIcon")->pixmap().isNull());
    EXPECT_EQ(form.minimumSize(), QSize(twips(5730), twips(3555)));
    EXPECT_EQ(form.maximumSize(), form.minimumSize());
}

TEST_F(frmAboutTest, EtchedSeparatorIsGreyOverWhite) {
    const QImage image = form.grab().toImage();
    const int x = twips(3000);
    EXPECT_EQ(image.pixelColor(x, twips(2445)), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(x, twips(2460)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(x, twips(2460) + 1), QColor(Qt::white));
}

TEST_F(frmAboutTest, EnterAndEscapeClose) {
    form.show();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(frmAboutTest, SystemInfoButtonStartsTheProgramOrSaysItIsUnavailable) {
    form.show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier); // the access key presses the button...
    // ...a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.prompts.boxes.empty(); }, 2000));
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(form.isVisible());

    reg.putText("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "/usr/bin/sysinfo");
    QTest::mouseClick(form.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(launcher.started, QStringList{"/usr/bin/sysinfo"});
    EXPECT_EQ(t.prompts.boxes.size(), 1u);
}

} // namespace
} // namespace cw::test
