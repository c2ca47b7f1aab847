#include "qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

#include <algorithm>

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
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // The dialog's layout fixes its own size: the width goes to the edit box.
    if (auto *edit = dialog.findChild<QLineEdit *>())
        edit->setMinimumWidth(inputBoxWidth(dialog, caption, prompt) - 2 * dialog.style()->pixelMetric(QStyle::PM_LayoutLeftMargin));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : defaultText;
}

int QtDialogs::inputBoxWidth(const QWidget &box, const QString &caption, const QString &prompt)
{
    // Title bars cut a long caption: leave room for it beside the window
    // buttons (title fonts run larger than the dialog's), and for the prompt.
    const QFontMetrics metrics(box.font());
    const int wanted = std::max(metrics.horizontalAdvance(caption) * 5 / 4 + 140,
                                metrics.horizontalAdvance(prompt) + 60);
    const QScreen *screen = box.screen();
    const int limit = screen ? screen->availableGeometry().width() * 9 / 10 : wanted;
    return std::min(std::max(wanted, 300), limit);
}
