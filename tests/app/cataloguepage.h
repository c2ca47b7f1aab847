#pragma once

#include <QByteArray>

// A catalogue answer with every slot filled: "m<slot>" and "n<slot>", but
// new-stations slot 2, "Rock & Blues Network".
QByteArray cataloguePage();
