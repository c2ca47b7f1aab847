#include "chromiumflags.h"

namespace {

const QByteArray Switch = "--disable-features=";

} // namespace

QByteArray withFeaturesDisabled(const QByteArray &flags, const QStringList &features)
{
    QList<QByteArray> words = flags.simplified().split(' ');
    words.removeAll(QByteArray());
    QList<QByteArray> disabled;
    for (auto it = words.begin(); it != words.end();) {
        if (it->startsWith(Switch)) {
            disabled += it->mid(Switch.size()).split(',');
            it = words.erase(it);
        } else {
            ++it;
        }
    }
    for (const QString &feature : features)
        disabled.append(feature.toLatin1());
    disabled.removeAll(QByteArray());
    QList<QByteArray> unique;
    for (const QByteArray &feature : std::as_const(disabled)) {
        if (!unique.contains(feature))
            unique.append(feature);
    }
    words.append(Switch + unique.join(','));
    return words.join(' ');
}
