#include "options/proxydialogue.h"

#include "platform/dialogs.h"
#include "service/linerecords.h"
#include "settings/proxyfile.h"
#include "settings/proxysettings.h"

namespace {

// Interface texts of the dialogue.
constexpr int AddressSetQuestion = 69;
constexpr int AddressSetCaption = 70;
constexpr int AddressCaption = 72;
constexpr int AddressPrompt = 73;
constexpr int PortSetQuestion = 75;
constexpr int PortSetCaption = 76;
constexpr int PortCaption = 78;
constexpr int PortPrompt = 79;
constexpr int NoProxyQuestion = 81;
constexpr int NoProxyCaption = 82;
constexpr int RouteRefusedText = 131;

} // namespace

ProxyDialogue::ProxyDialogue(ProxySettings &settings, Dialogs &dialogs, Text text, QString settingsFolder,
                             ProxySession *session)
    : m_settings(settings)
    , m_dialogs(dialogs)
    , m_text(std::move(text))
    , m_settingsFolder(std::move(settingsFolder))
    , m_session(session)
{
}

void ProxyDialogue::askValue(QString &value, int question, int caption, int inputCaption, int prompt)
{
    if (!value.isEmpty() && m_dialogs.askYesNo(m_text(caption), m_text(question))) {
        value.clear();
        return;
    }
    const QString answer = m_dialogs.inputBox(m_text(inputCaption), m_text(prompt) + QLatin1Char(':'), value);
    if (!answer.isEmpty())
        value = answer;
}

void ProxyDialogue::Gestioneproxy1Click()
{
    askValue(m_settings.address, AddressSetQuestion, AddressSetCaption, AddressCaption, AddressPrompt);
    askValue(m_settings.port, PortSetQuestion, PortSetCaption, PortCaption, PortPrompt);
    if (m_settings.address.isEmpty() && m_settings.port.isEmpty())
        m_settings.useBrowserDefaults = m_dialogs.askYesNo(m_text(NoProxyCaption), m_text(NoProxyQuestion));
    try {
        ProxyFile::write(m_settingsFolder, m_settings);
    } catch (const FileError &error) {
        m_dialogs.error(error.message());
        return;
    }
    // The file keeps what was typed; a route the session refuses leaves the
    // connection as it was, and the user is told.
    if (!m_session || !ProxyFile::needsApplying(m_settings) || ProxyFile::apply(m_settings, *m_session))
        return;
    const QString typed = m_settings.port.isEmpty() ? m_settings.address
                                                    : m_settings.address + QLatin1Char(':') + m_settings.port;
    m_dialogs.message(m_text(RouteRefusedText).arg(typed));
}
