#pragma once

#include <QByteArray>
#include <QString>

// Writes a page's source into a capture file, replacing what was there.
// Returns false if the file could not be written whole.
bool writeSourceFile(const QString &path, const QByteArray &source);
