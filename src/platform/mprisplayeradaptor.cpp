#include "mprisplayeradaptor.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject *parent) : QDBusAbstractAdaptor(parent) {}

QVariantMap MprisPlayerAdaptor::show(const QString &status, const QVariantMap &metadata)
{
    QVariantMap changed;
    if (status != m_status) {
        m_status = status;
        changed.insert(QStringLiteral("PlaybackStatus"), m_status);
    }
    if (metadata != m_metadata) {
        m_metadata = metadata;
        changed.insert(QStringLiteral("Metadata"), m_metadata);
    }
    return changed;
}
