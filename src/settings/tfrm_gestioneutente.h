#pragma once

#include <QDialog>

#include <functional>

class AccountHost;
class Browser;
class Dialogs;
class QLineEdit;
class QPushButton;
class QTabWidget;
struct UserAccount;

// The account window "Opzioni utente": log in with an e-mail address and a
// password, and the service's privacy page for the logged-in user. The
// service answers a login in the title of the page it shows in WB_LogIn;
// the answer is taken whenever it arrives, also after the window has closed.
class TFrm_GestioneUtente final : public QDialog
{
    Q_OBJECT
public:
    using BrowserFactory = std::function<Browser *(QWidget *parent)>;
    enum class LoginMode { CheckOnly, Save };
    enum Page { LogInPage = 0, PrivacyPage = 1 };

    TFrm_GestioneUtente(
        const BrowserFactory &createBrowser, Dialogs &dialogs, AccountHost &host, QWidget *parent = nullptr);

    // Open account window without showing it: check-only mode, the stored
    // user's login and privacy pages (or blank pages), the fields, the tab.
    void prepare(int page);
    // prepare, then modal; the dialog's result code.
    int openModal(int page);

    LoginMode loginMode() const { return m_mode; }
    Browser &loginBrowser() { return *m_login; }
    Browser &privacyBrowser() { return *m_privacy; }

public Q_SLOTS:
    // Clears both fields.
    void SpeedButton1Click();
    // Checks the typed credentials.
    void SpeedButton2Click();
    // "Salva ed esci": closes at once; the answer may store the user later.
    void BitBtn2Click();
    // Only the login page's title can be a login answer: the privacy page's
    // title never reaches this handler.
    void WB_LogInTitleChange(const QString &title);

private:
    void sendLogin(const QString &name, const QString &password);
    void showPrivacy(const QString &userId, const QString &name);
    void storeEmptyUser();
    bool isStored(const UserAccount &user) const;
    // Writes "UsrSV.txt", then logs in and loads the user's preferences.
    bool storeLogin(const UserAccount &user);

    Dialogs &m_dialogs;
    AccountHost &m_host;
    Browser *m_login = nullptr;
    Browser *m_privacy = nullptr;
    QTabWidget *m_pages = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    LoginMode m_mode = LoginMode::CheckOnly;
    // The credentials of the last login sent: the id in its answer belongs to
    // them, even when the fields were edited while the answer was on its way.
    QString m_sentName;
    QString m_sentPassword;
};
