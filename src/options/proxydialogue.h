#pragma once

#include <QString>

#include <functional>

class Dialogs;
class ProxySession;
struct ProxySettings;

// "Gestione proxy": asks for the proxy's address and port in the interface
// language, keeps "PrxSV.txt" and applies the choice to the session at once.
class ProxyDialogue final
{
public:
    using Text = std::function<QString(int)>;

    // `session` may be null: nothing is ever applied then.
    ProxyDialogue(ProxySettings &settings, Dialogs &dialogs, Text text, QString settingsFolder,
                  ProxySession *session);

    void Gestioneproxy1Click();

private:
    // One value: cleared on Yes to "already set", else replaced by a
    // non-empty answer of the input box.
    void askValue(QString &value, int question, int caption, int inputCaption, int prompt);

    ProxySettings &m_settings;
    Dialogs &m_dialogs;
    Text m_text;
    QString m_settingsFolder;
    ProxySession *m_session;
};
