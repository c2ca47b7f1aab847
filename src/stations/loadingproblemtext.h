#pragma once

#include <QString>

// What the panels' loading line says when the stations cannot come, in the
// four interface languages (1 Italian, 2 English, 3 French, 4 Spanish).
class LoadingProblemText final
{
public:
    // The proxy (shown as "host:port") refused or could not be reached.
    static QString proxyUnreachable(int language, const QString &proxy);

    Q_DISABLE_COPY_MOVE(LoadingProblemText)

private:
    LoadingProblemText() = default;
};
