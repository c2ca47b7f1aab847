#pragma once

#include <QByteArray>
#include <QString>

// Service pages are UTF-8; older pages and hand-edited files may be
// Windows-1252. Text that is not valid UTF-8 is read as Windows-1252, so any
// byte sequence decodes to something displayable.
QString decodePageText(const QByteArray &bytes);

// The text of the first <title> element, entities decoded and white space
// folded as a browser shows it; empty when the page has none.
QString extractTitle(const QByteArray &html);
