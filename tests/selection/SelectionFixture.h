#pragma once

#include "ReportHooks.h"

#include "grid/selection/SelectionController.h"
#include "report/Report.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace cellvex::test {

// Records the events in the interface's terms, e.g. "LClick(3,4)",
// "Input(3,4)", "Select(3,4,3,4)", and lets a test run code inside a handler.
class EventLog : public SelectionEvents
{
public:
    QStringList events;
    std::function<void(const QString &event)> onEvent;

    void inputChange(int col, int row) override { add(QStringLiteral("Input(%1,%2)").arg(col).arg(row)); }
    void selectChange(int a, int b, int c, int d) override
    {
        add(QStringLiteral("Select(%1,%2,%3,%4)").arg(a).arg(b).arg(c).arg(d));
    }
    void cellLClick(int col, int row) override { add(QStringLiteral("LClick(%1,%2)").arg(col).arg(row)); }
    void cellRClick(int col, int row, int x, int y) override
    {
        add(QStringLiteral("RClick(%1,%2,%3,%4)").arg(col).arg(row).arg(x).arg(y));
    }
    void cellLDblClick(int col, int row) override
    {
        add(QStringLiteral("DblClick(%1,%2)").arg(col).arg(row));
    }

private:
    void add(const QString &e)
    {
        events << e;
        if (onEvent)
            onEvent(e);
    }
};

// Merges a block by hand, as the structure operations store it.
inline void mergeBlock(Report &r, int left, int top, int right, int bottom)
{
    const BlockBounds b{left, top, right, bottom};
    for (int c = left; c <= right; ++c)
        for (int row = top; row <= bottom; ++row)
            r.cell(c, row)->setMerge(c == left && row == top ? MergeSign::Master : MergeSign::Covered, b);
}

// What the selection core's host answers in a test: each request runs the
// function a test set for it (the fixture records them by name); an unset
// one does nothing.
struct HostAnswers
{
    std::function<void()> commitInput;
    std::function<void(bool dropOnPrepare)> prepareInput;
    std::function<void()> focusInput;
    std::function<void()> openTypingEditor;
    std::function<void()> scrollSelectionIntoView;
    std::function<void(int col)> keepColumnInView;
    std::function<void(int row)> keepRowInView;
    std::function<void()> frameChanged;
    std::function<void()> repaint;
    std::function<PageBands()> pageBands;
    std::function<bool()> dateEditorShown;
    std::function<void()> acceptDateEditor;
    std::function<bool()> dropListOpen;
};

// The host that runs the answers.
class AnsweringHost final : public SelectionHost
{
    template <typename F, typename... A> static auto run(const F &f, A... a)
    {
        if (f)
            return f(a...);
        return decltype(f(a...))();
    }

public:
    explicit AnsweringHost(HostAnswers &a) : m_a(a) {}

    void commitInput() override { run(m_a.commitInput); }
    void prepareInput(bool drop) override { run(m_a.prepareInput, drop); }
    void focusInput() override { run(m_a.focusInput); }
    void openTypingEditor() override { run(m_a.openTypingEditor); }
    void scrollSelectionIntoView() override { run(m_a.scrollSelectionIntoView); }
    void keepColumnInView(int col) override { run(m_a.keepColumnInView, col); }
    void keepRowInView(int row) override { run(m_a.keepRowInView, row); }
    void frameChanged() override { run(m_a.frameChanged); }
    void repaintCells() override { run(m_a.repaint); }
    PageBands pageBands() override { return run(m_a.pageBands); }
    bool dateEditorShown() override { return run(m_a.dateEditorShown); }
    void acceptDateEditor() override { run(m_a.acceptDateEditor); }
    bool dropListOpen() override { return run(m_a.dropListOpen); }

private:
    HostAnswers &m_a;
};

inline QRect rect(int l, int t, int r, int b)
{
    return QRect(QPoint(l, t), QPoint(r, b));
}

// A report, the controller, an event log and a log of the hooks called.
struct SelectionFixture
{
    Report report;
    cellvex::test::ReportHooks listener{report};
    EventLog log;
    QStringList hooks;
    HostAnswers answers;
    AnsweringHost host{answers};
    SelectionController sel{report, &log, &host};

    SelectionFixture()
    {
        HostAnswers &h = answers;
        h.commitInput = [this] { hooks << "commit"; };
        h.prepareInput = [this](bool drop) { hooks << (drop ? "prepare(drop)" : "prepare"); };
        h.focusInput = [this] { hooks << "focus"; };
        h.openTypingEditor = [this] { hooks << "typing"; };
        h.scrollSelectionIntoView = [this] { hooks << "scroll"; };
        h.keepColumnInView = [this](int c) { hooks << QStringLiteral("keepCol(%1)").arg(c); };
        h.keepRowInView = [this](int r) { hooks << QStringLiteral("keepRow(%1)").arg(r); };
        h.frameChanged = [this] { hooks << "frame"; };
    }

    // Selection and input cell as one text: "sel(l,t,r,b) in(c,r)", 0-based.
    QString state() const
    {
        const QRect s = report.selection();
        return QStringLiteral("sel(%1,%2,%3,%4) in(%5,%6)")
            .arg(s.left())
            .arg(s.top())
            .arg(s.right())
            .arg(s.bottom())
            .arg(report.inputCol())
            .arg(report.inputRow());
    }
};

} // namespace cellvex::test
