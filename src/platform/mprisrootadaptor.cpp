#include "mprisrootadaptor.h"

MprisRootAdaptor::MprisRootAdaptor(QObject *parent) : QDBusAbstractAdaptor(parent) {}
