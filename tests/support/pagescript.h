#pragma once

#include "platform/webenginebrowser.h"

#include <QTest>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>

// Whether a script not answered within the wait is a failure. A loop that
// polls a page until it plays may find it busy a while: under load, a page
// starting its sound answers scripts seconds late.
enum class ScriptWait { MustAnswer, MayBeLate };

// Evaluates a script in a page and waits for its answer (an invalid value if none came).
inline QVariant evaluateIn(WebEngineBrowser &browser, const QString &script, ScriptWait wait = ScriptWait::MustAnswer)
{
    // An answer that comes after the wait gave up must not write into a
    // finished call's frame: the state lives as long as the callback.
    struct Answer
    {
        bool given = false;
        QVariant value;
    };
    auto answer = std::make_shared<Answer>();
    browser.runJavaScript(script, [answer](const QVariant &value) {
        answer->value = value;
        answer->given = true;
    });
    if (!QTest::qWaitFor([&] { return answer->given; }, 10000) && wait == ScriptWait::MustAnswer)
        ADD_FAILURE() << "the page did not answer the script";
    return answer->value;
}
