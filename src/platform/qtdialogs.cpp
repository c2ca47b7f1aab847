#include "qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString applicationTitle()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Sonvela") : name;
}

} // namespace

void QtDialogs::message(const QString &text)
{
    QMessageBox::information(m_parent, applicationTitle(), text, QMessageBox::Ok);
}

void QtDialogs::error(const QString &text)
{
    QMessageBox::critical(m_parent, applicationTitle(), text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString &caption, const QString &text)
{
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

QString QtDialogs::inputBox(const QString &caption, const QString &prompt, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : defaultText;
}
