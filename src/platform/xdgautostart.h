#pragma once

#include "autostart.h"

// An XDG autostart entry "Sonvela.desktop" in $XDG_CONFIG_HOME/autostart/.
class XdgAutostart final : public Autostart
{
public:
    explicit XdgAutostart(QString autostartFolder);
    static QString defaultFolder();

    std::optional<QString> set(const QString &executablePath) override;
    std::optional<QString> remove() override;
    bool isSet() const override;
    QString entryPath() const;

private:
    QString m_folder;
};
