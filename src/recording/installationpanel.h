#pragma once

#include <QWidget>

// `Pnl_InizializzaRecording`: covers the recorder page while the recording
// module is missing; a click anywhere on its texts or pictures asks for it.
class InstallationPanel final : public QWidget
{
    Q_OBJECT
public:
    InstallationPanel(const QString &installerLink, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
