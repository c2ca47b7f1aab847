#include "settings/tfrm_gestioneutente.h"

#include "platform/browser.h"
#include "platform/dialogs.h"
#include "service/linerecords.h"
#include "settings/accountfile.h"
#include "settings/accounthost.h"
#include "settings/accountrequests.h"
#include "settings/loginanswer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 355;
constexpr int ClientHeight = 386;
constexpr int LoginBrowserHeight = 145;

Browser *adopt(Browser *browser, QObject *owner, const QString &name)
{
    if (!browser->parent())
        browser->setParent(owner);
    browser->setObjectName(name);
    return browser;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

TFrm_GestioneUtente::TFrm_GestioneUtente(
    const BrowserFactory &createBrowser, Dialogs &dialogs, AccountHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_dialogs(dialogs)
    , m_host(host)
{
    setObjectName(QStringLiteral("Frm_GestioneUtente"));
    setWindowTitle(QStringLiteral("Opzioni utente"));
    setFixedSize(ClientWidth, ClientHeight);

    auto *loginPage = new QWidget(this);
    loginPage->setObjectName(QStringLiteral("Tab_LogIn"));
    m_user = new QLineEdit(loginPage);
    m_user->setObjectName(QStringLiteral("Edt_User"));
    m_password = new QLineEdit(loginPage);
    m_password->setObjectName(QStringLiteral("Edt_Psw"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    QPushButton *clear = makeButton(loginPage, QStringLiteral("SpeedButton1"), QStringLiteral("Cancella"));
    QPushButton *check = makeButton(loginPage, QStringLiteral("SpeedButton2"), QStringLiteral("Verifica"));
    m_login = adopt(createBrowser(loginPage), this, QStringLiteral("WB_LogIn"));

    auto *loginLayout = new QVBoxLayout(loginPage);
    auto *userCaption = new QLabel(QStringLiteral("User name (mail)"), loginPage);
    auto *passwordCaption = new QLabel(QStringLiteral("Password"), loginPage);
    // The captions name their fields for screen readers.
    userCaption->setBuddy(m_user);
    passwordCaption->setBuddy(m_password);
    loginLayout->addWidget(userCaption);
    loginLayout->addWidget(m_user);
    loginLayout->addWidget(passwordCaption);
    loginLayout->addWidget(m_password);
    auto *actions = new QHBoxLayout;
    actions->addWidget(clear);
    actions->addWidget(check);
    actions->addStretch();
    loginLayout->addLayout(actions);
    if (QWidget *view = m_login->widget()) {
        view->setFixedHeight(LoginBrowserHeight);
        loginLayout->addWidget(view);
    }
    loginLayout->addStretch();

    auto *privacyPage = new QWidget(this);
    privacyPage->setObjectName(QStringLiteral("Tab_Privacy"));
    m_privacy = adopt(createBrowser(privacyPage), this, QStringLiteral("Wb_Privacy"));
    auto *privacyLayout = new QVBoxLayout(privacyPage);
    privacyLayout->setContentsMargins(0, 0, 0, 0);
    if (QWidget *view = m_privacy->widget())
        privacyLayout->addWidget(view);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(loginPage, QStringLiteral("LogIn Information"));
    m_pages->addTab(privacyPage, QStringLiteral("Privacy"));

    QPushButton *leave = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Esci senza salvare"));
    QPushButton *save = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Salva ed esci"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(leave);
    bottom->addStretch();
    bottom->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(bottom);

    connect(clear, &QPushButton::clicked, this, &TFrm_GestioneUtente::SpeedButton1Click);
    connect(check, &QPushButton::clicked, this, &TFrm_GestioneUtente::SpeedButton2Click);
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &TFrm_GestioneUtente::BitBtn2Click);
    connect(m_login, &Browser::titleChange, this, &TFrm_GestioneUtente::WB_LogInTitleChange);
}

void TFrm_GestioneUtente::prepare(int page)
{
    m_mode = LoginMode::CheckOnly;
    const UserAccount user = m_host.account();
    if (!user.id.isEmpty()) {
        sendLogin(user.name, user.password);
        m_privacy->navigate(AccountRequests::privacy(m_host.serverBase(), user.id, user.name));
        m_pages->setTabEnabled(PrivacyPage, true);
    } else {
        m_login->navigate(AccountRequests::blankPage());
        m_privacy->navigate(AccountRequests::blankPage());
        m_pages->setTabEnabled(PrivacyPage, false);
    }
    m_user->setText(user.name);
    m_password->setText(user.password);
    m_pages->setCurrentIndex(page);
}

int TFrm_GestioneUtente::openModal(int page)
{
    prepare(page);
    return exec();
}

void TFrm_GestioneUtente::SpeedButton1Click()
{
    m_user->clear();
    m_password->clear();
}

void TFrm_GestioneUtente::SpeedButton2Click()
{
    if (!m_user->text().contains(QLatin1Char('@'))) {
        m_dialogs.message(QStringLiteral("Inserire un indirizzo email valido"));
        return;
    }
    sendLogin(m_user->text(), m_password->text());
}

void TFrm_GestioneUtente::sendLogin(const QString &name, const QString &password)
{
    m_sentName = name;
    m_sentPassword = password;
    m_login->navigate(AccountRequests::login(m_host.serverBase(), name, password));
}

void TFrm_GestioneUtente::BitBtn2Click()
{
    accept();
    m_mode = LoginMode::Save;
    const UserAccount user = m_host.account();
    const QString name = m_user->text();
    if (name == user.name && m_password->text() == user.password) {
        // An accepted check logs in for the run only; saving it keeps it.
        if (!user.id.isEmpty() && !isStored(user))
            storeLogin(user);
        return;
    }
    if (name.contains(QLatin1Char('@')))
        sendLogin(name, m_password->text());
    else if (name.isEmpty())
        storeEmptyUser();
}

// Without a name there is no user: the id goes empty too, so nothing is
// uploaded under the previous user's id and no privacy page is offered.
void TFrm_GestioneUtente::storeEmptyUser()
{
    const UserAccount user { QString(), m_password->text(), QString() };
    try {
        AccountFile::write(m_host.settingsFolder(), user);
    } catch (const FileError &error) {
        m_dialogs.error(error.message());
        return;
    }
    m_host.setAccount(user);
}

void TFrm_GestioneUtente::WB_LogInTitleChange(const QString &title)
{
    const LoginAnswer answer = LoginAnswer::fromTitle(title);
    if (answer.kind() != LoginAnswer::Kind::Accepted)
        return;
    const UserAccount user { m_sentName, m_sentPassword, answer.userId() };
    if (m_mode == LoginMode::Save) {
        if (!storeLogin(user))
            return;
    } else {
        m_host.setAccount(user);
    }
    if (answer.hasPrivacyPage())
        showPrivacy(user.id, user.name);
}

bool TFrm_GestioneUtente::isStored(const UserAccount &user) const
{
    try {
        return AccountFile::read(m_host.settingsFolder()) == std::optional<UserAccount>(user);
    } catch (const FileError &) {
        return false; // the write that follows reports it
    }
}

bool TFrm_GestioneUtente::storeLogin(const UserAccount &user)
{
    try {
        AccountFile::write(m_host.settingsFolder(), user);
    } catch (const FileError &error) {
        m_dialogs.error(error.message());
        return false;
    }
    m_host.setAccount(user);
    m_host.requestPreferences();
    return true;
}

void TFrm_GestioneUtente::showPrivacy(const QString &userId, const QString &name)
{
    m_privacy->navigate(AccountRequests::privacy(m_host.serverBase(), userId, name));
    m_pages->setTabEnabled(PrivacyPage, true);
}
