// A fuzz target's main without libFuzzer: runs the target once on each file named, or on each
// file of a folder named, and fails when there was none to run.
#include "FuzzTarget.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString named = QString::fromLocal8Bit(argv[i]);
        QStringList paths{named};
        if (QFileInfo(named).isDir()) {
            const QDir folder(named);
            paths.clear();
            for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
                paths << folder.filePath(name);
        }
        for (const QString& path : paths) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   size_t(bytes.size()));
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
