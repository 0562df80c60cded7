#pragma once
// The program's seams for a benchmark: boxes that answer at once (Yes to every question, a
// preset text to every input box) and count the failures reported, settings kept in memory,
// an end that does nothing, and the change journal the program keeps. The data directory is the
// benchmark's own.
#include "core/Context.h"
#include "core/Prompts.h"
#include "platform/ProgramEnd.h"
#include "platform/Settings.h"
#include "store/ChangeJournal.h"

#include <QHash>
#include <iostream>

namespace cw::bench {

class AnsweringPrompts : public Prompts {
public:
    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon, const QString&) override {
        if (text.startsWith(QLatin1String("An error has occured"))) {
            ++reports;
            std::cerr << "reported: " << text.toStdString() << '\n';
        }
        return buttons == MsgButtons::YesNo ? answer : MsgAnswer::Ok;
    }
    QString input(const QString&, const QString&, const QString&) override { return inputText; }
    MsgAnswer answer = MsgAnswer::Yes;
    QString inputText;
    int reports = 0;
};

class MemorySettings : public Settings {
public:
    QString get(const QString& key, const QString& fallback) const override {
        return values.value(key, fallback);
    }
    void save(const QString& key, const QString& value) override { values[key] = value; }
    void flush() override {}
    QHash<QString, QString> values;
};

class NoEnd : public ProgramEnd {
public:
    void endNow() override {}
};

struct BenchProgram {
    AnsweringPrompts prompts;
    MemorySettings settings;
    NoEnd end;
    ChangeJournal journal;
    Context ctx;
    explicit BenchProgram(const QString& dataDir) {
        ctx.journal = &journal;
        ctx.prompts = &prompts;
        ctx.settings = &settings;
        ctx.programEnd = &end;
        ctx.dataDir = dataDir;
    }
};

} // namespace cw::bench
