#pragma once

#include <QByteArray>
#include <QStringList>

// The web engine's command-line switches, as its environment variable
// carries them. The engine honours only the last --disable-features switch,
// so features are added to the one already there, never as a second switch.
QByteArray withFeaturesDisabled(const QByteArray &flags, const QStringList &features);

// Adds `model` (a switch such as --process-per-site) unless the flags
// already choose how pages are spread over processes.
QByteArray withProcessModel(const QByteArray &flags, const QByteArray &model);

// Adds `name`=`value` (a switch such as --audio-buffer-size) unless the
// flags already give that switch.
QByteArray withSwitch(const QByteArray &flags, const QByteArray &name, const QByteArray &value);
