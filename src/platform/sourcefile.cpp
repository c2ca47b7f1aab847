#include "sourcefile.h"

#include <QFile>

bool writeSourceFile(const QString &path, const QByteArray &source)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(source) == source.size()
           && file.flush();
}
