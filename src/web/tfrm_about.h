#pragma once

#include <QDialog>

class QLabel;
class Shell;
struct Deployment;

// The About window: product, version, maker and translators, with links to
// the maker's site and forum opened in the default browser.
class TFrm_About final : public QDialog
{
    Q_OBJECT
public:
    TFrm_About(const Deployment &deployment, Shell &shell, QWidget *parent = nullptr);

    QLabel *Label5() const { return m_label5; }

private:
    QLabel *link(const QString &text, const QString &address, QRect geometry, const char *name);

    Shell &m_shell;
    QLabel *m_label5 = nullptr;
};
