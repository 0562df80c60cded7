// The version-5 import from old files as damaged as the input makes them. Nothing may crash;
// after it the new files hold whole records only, or the current ones stay as they were.
#include "FuzzInput.h"
#include "FuzzTarget.h"
#include "commands/ImportCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdlib>

using namespace cw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    fuzz::Scene scene;
    scene.put("cat.dat", in.part());
    scene.put("src.dat", in.part());
    const QByteArray current(50, 'C'); // one current category, to be replaced
    scene.put("ctwcat6.dat", current);
    importVersion5Data(scene.ctx);
    const qint64 cat = QFileInfo(scene.ctx.dataPath("ctwcat6.dat")).size();
    const qint64 src = QFileInfo(scene.ctx.dataPath("ctwsrc6.dat")).size();
    if (cat % 50 != 0 || src % 235 != 0) abort();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}
