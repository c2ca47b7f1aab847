#include "reportedread.h"

#include "platform/dialogs.h"
#include "service/linerecords.h"

bool readReported(Dialogs &dialogs, const std::function<void()> &read)
{
    try {
        read();
    } catch (const FileError &error) {
        dialogs.error(error.message());
        return false;
    }
    return true;
}
