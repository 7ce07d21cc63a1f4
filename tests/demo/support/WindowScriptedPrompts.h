#pragma once

#include "HostPrompts.h"

#include <QDialog>
#include <QStringList>

#include <deque>

namespace cellvex::demo::fakes {

// Prompts with answers given in advance, for driving the main window: each
// file, colour or question prompt takes the next answer of its queue (an
// empty file name, no colour or Cancel when the queue is empty) and every
// prompt is written down in `log`.
class WindowScriptedPrompts final : public HostPrompts
{
public:
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<std::uint32_t> colors;
    std::deque<Answer> answers;
    QStringList log;

    QString openFileName(QWidget *, const QString &filter) override
    {
        log << QStringLiteral("open %1").arg(filter);
        return take(openNames, QString());
    }
    QString saveFileName(QWidget *, const QString &filter, const QString &suffix) override
    {
        log << QStringLiteral("save %1 .%2").arg(filter, suffix);
        return take(saveNames, QString());
    }
    std::optional<std::uint32_t> chooseColor(QWidget *) override
    {
        log << QStringLiteral("color");
        if (colors.empty())
            return std::nullopt;
        return take(colors, 0u);
    }
    void showMessage(QWidget *, const QString &caption, const QString &text) override
    {
        log << QStringLiteral("message %1: %2").arg(caption, text);
    }
    void showError(QWidget *, const QString &text) override { log << QStringLiteral("error %1").arg(text); }
    Answer askYesNoCancel(QWidget *, const QString &caption, const QString &text) override
    {
        log << QStringLiteral("ask %1: %2").arg(caption, text);
        return take(answers, Answer::Cancel);
    }
    int runModal(QDialog *dialog) override
    {
        log << QStringLiteral("modal %1").arg(dialog->windowTitle());
        return QDialog::Rejected;
    }

private:
    template <class T> static T take(std::deque<T> &queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace cellvex::demo::fakes
