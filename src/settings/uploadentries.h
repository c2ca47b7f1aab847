#pragma once

#include <QStringList>

// The values waiting to be sent to the server: entry k (1-based) is element
// k - 1, line k of "OpzSV.txt" cut to its first 200 characters.
using UploadEntries = QStringList;
