#include "mprisrootadaptor.h"

MprisRootAdaptor::MprisRootAdaptor(QObject *parent)
    : QDBusAbstractAdaptor(parent)
{
}

void MprisRootAdaptor::Raise()
{
    if (m_commands)
        m_commands->raise();
}
