#pragma once

#include "platform/dialogs.h"
#include "platform/shell.h"

#include <QStringList>

#include <deque>

// Records every dialog shown and answers from scripted queues.
class FakeDialogs final : public Dialogs
{
public:
    QStringList messages;
    QStringList errors;
    QStringList questions;
    std::deque<bool> yesNoAnswers;    // empty: answers No
    std::deque<QString> inputAnswers; // empty: cancels (returns the default)

    void message(const QString &text) override { messages << text; }
    void error(const QString &text) override { errors << text; }
    bool askYesNo(const QString &caption, const QString &text) override
    {
        questions << caption + QLatin1Char('|') + text;
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    QString inputBox(const QString &caption, const QString &prompt, const QString &defaultText) override
    {
        questions << caption + QLatin1Char('|') + prompt;
        if (inputAnswers.empty())
            return defaultText;
        QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
};

class FakeShell final : public Shell
{
public:
    QStringList opened;
    bool opens = true; // false: as where no browser or file manager is installed
    bool open(const QString &addressOrFolder) override
    {
        opened << addressOrFolder;
        return opens;
    }
};
