#include "platform/platform.h"

#include "data/datamodule.h"
#include "platform/msgbox.h"
#include "platform/xlsreader.h"

void initPlatform()
{
    setErrorReporter([](const QString& message) { msgDbError(message); });
    setWorkbookReader(readWorkbookSheet);
}
