#include "platform/platform.h"

#include "data/datamodule.h"
#include "platform/xlsreader.h"

#include <QMessageBox>

void initPlatform()
{
    setErrorReporter([](const QString& message) {
        QMessageBox::critical(nullptr, QStringLiteral("系统提示"), message);
    });
    setWorkbookReader(readWorkbookSheet);
}
