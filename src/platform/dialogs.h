#pragma once

#include <QString>

// Modal questions and messages; tests script the answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Plain message box with one OK button.
    virtual void message(const QString &text) = 0;
    // Error box with one OK button.
    virtual void error(const QString &text) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &caption, const QString &text) = 0;
    // Input box; cancelling returns the default text.
    virtual QString inputBox(const QString &caption, const QString &prompt, const QString &defaultText) = 0;
};
