#pragma once
// A printer that records its pages of lines and its other calls in order ("font <name>",
// "size <n>", "lines" for a run of lines, "page", "end", "choose"). A line containing failOn
// fails, and so does endDoc when endFails is set.
#include "core/Failure.h"
#include "platform/LinePrinter.h"

#include <QStringList>
#include <vector>

namespace cw::test {

class RecordingPrinter : public LinePrinter {
public:
    void setFontName(const QString& name) override { calls << "font " + name; }
    void setFontSize(int points) override { calls << QStringLiteral("size %1").arg(points); }
    void printLine(const QString& text) override {
        if (!failOn.isEmpty() && text.contains(failOn)) throw Failure("Out of paper");
        if (pages.empty()) pages.emplace_back();
        pages.back() << text;
        if (calls.isEmpty() || calls.back() != "lines") calls << "lines";
    }
    void newPage() override {
        pages.resize(pages.size() + (pages.empty() ? 2 : 1));
        calls << "page";
    }
    void endDoc() override {
        calls << "end";
        if (endFails) throw Failure("Printer offline");
    }
    bool choosePrinter() override {
        calls << "choose";
        return chooseAnswer;
    }
    int lineCount() const {
        int n = 0;
        for (const QStringList& p : pages)
            n += p.size();
        return n;
    }

    std::vector<QStringList> pages;
    QStringList calls;
    QString failOn;
    bool endFails = false;
    bool chooseAnswer = true;
};

} // namespace cw::test
