// The settings file: what one run writes, the next reads, in one section that a person can
// also write by hand.
#include "TestContext.h"
#include "platform/QtSettings.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cw::test;

TEST(Settings, OneRunReadsWhatTheLastWroteInOneSection) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Cartwise.conf"));
    writeFile(file, "[general]\nsort=Sorted by Isle\nfontsize=9\n"); // written by hand
    {
        QtSettings run(file);
        EXPECT_EQ(run.get("sort", "Sorted by Item"), "Sorted by Isle");
        EXPECT_EQ(run.get("maxlines", "50"), "50");
        run.save("sort", "Sorted by Category");
        run.save("exportdirectory", "/home/pat/My Lists");
    }
    for (int restart = 0; restart < 2; ++restart) {
        QtSettings run(file);
        EXPECT_EQ(run.get("sort", ""), "Sorted by Category");
        EXPECT_EQ(run.get("fontsize", ""), "9");
        run.save("convert", "Upper");
    }
    EXPECT_EQ(readFile(file), "[General]\nconvert=Upper\nexportdirectory=/home/pat/My Lists\n"
                              "fontsize=9\nsort=Sorted by Category\n");
}
