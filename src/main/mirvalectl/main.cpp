#include "main/mirvalectl/ControlTool.h"
#include "platform/linux/PosixFileAccess.h"
#include "platform/linux/StatxEntryAttributeSource.h"
#include "support/Translations.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Human messages in the user's language; --json stays English.
    Translations::install(app, QStringLiteral(MIRVALE_TRANSLATIONS_DIR));
    // The raw bytes: Qt's decoding would turn a name that is not UTF-8 into another name.
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    PosixFileAccess files;
    return ControlTool::run(arguments, files, StatxEntryAttributeSource::instance(), stdout, stderr);
}
