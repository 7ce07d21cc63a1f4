#pragma once

#include "HostPrompts.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace cellvex::demo::fakes {

// Prompts with answers given in advance, for tests. Every question is written
// down ("openFileName 图片文件|*.bmp", "showError <text>", ...); an answer
// that was not scripted is a cancel (empty name, no colour, Cancel, Rejected).
class ScriptedPrompts final : public HostPrompts
{
public:
    std::deque<QString> fileNames;       // for openFileName and saveFileName, in order
    std::deque<std::uint32_t> colors;    // for chooseColor
    std::deque<Answer> answers;          // for askYesNoCancel
    std::function<int(QDialog *)> modal; // runs runModal's dialog; unset: Rejected
    QStringList asked;                   // every question, oldest first
    QStringList errors;                  // the texts of showError

    QString openFileName(QWidget *, const QString &filter) override
    {
        asked << QStringLiteral("openFileName ") + filter;
        return next(fileNames, QString());
    }
    QString saveFileName(QWidget *, const QString &filter, const QString &defaultSuffix) override
    {
        asked << QStringLiteral("saveFileName ") + filter + QLatin1Char(' ') + defaultSuffix;
        return next(fileNames, QString());
    }
    std::optional<std::uint32_t> chooseColor(QWidget *) override
    {
        asked << QStringLiteral("chooseColor");
        if (colors.empty())
            return std::nullopt;
        return next(colors, 0u);
    }
    void showMessage(QWidget *, const QString &caption, const QString &text) override
    {
        asked << QStringLiteral("showMessage ") + caption + QLatin1Char(' ') + text;
    }
    void showError(QWidget *, const QString &text) override
    {
        asked << QStringLiteral("showError ") + text;
        errors << text;
    }
    Answer askYesNoCancel(QWidget *, const QString &caption, const QString &text) override
    {
        asked << QStringLiteral("askYesNoCancel ") + caption + QLatin1Char(' ') + text;
        return next(answers, Answer::Cancel);
    }
    int runModal(QDialog *dialog) override
    {
        asked << QStringLiteral("runModal ") + dialog->objectName();
        return modal ? modal(dialog) : int(QDialog::Rejected);
    }

private:
    template <class T, class D> static T next(std::deque<T> &queue, D fallback)
    {
        if (queue.empty())
            return T(fallback);
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace cellvex::demo::fakes
