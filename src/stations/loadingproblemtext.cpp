#include "loadingproblemtext.h"

QString LoadingProblemText::proxyUnreachable(int language, const QString &proxy)
{
    static constexpr const char16_t *texts[] = {
        u"Server proxy %1 non raggiungibile: emittenti non caricate",
        u"The proxy server %1 cannot be reached: stations not loaded",
        u"Serveur proxy %1 injoignable : stations non chargées",
        u"No se puede conectar con el servidor proxy %1: emisoras no cargadas",
    };
    const int index = language >= 1 && language <= 4 ? language - 1 : 0;
    return QString::fromUtf16(texts[index]).arg(proxy);
}
