#include "cataloguepage.h"

QByteArray cataloguePage()
{
    QByteArray page;
    for (int r = 1; r <= 60; ++r) {
        const int slot = 15 - (r - 1) / 4;
        const QByteArray values[] = {"http://radio.test/m" + QByteArray::number(slot), "m" + QByteArray::number(slot),
                                     "label m" + QByteArray::number(slot), "x"};
        page += values[(r - 1) % 4] + "<BR>";
    }
    for (int r = 61; r <= 120; ++r) {
        const int slot = (r - 61) / 4 + 1;
        // A name with "&", which a menu would take for a shortcut marker.
        const QByteArray name = slot == 2 ? "Rock & Blues Network" : "n" + QByteArray::number(slot);
        const QByteArray values[] = {"http://radio.test/n" + QByteArray::number(slot), name,
                                     "label n" + QByteArray::number(slot), "x"};
        page += values[(r - 1) % 4] + "<BR>";
    }
    return page + "Radio Test<BR>ignored<BR>Classifica<BR>http://radio.test/tab<BR>";
}
