#include "app/ControlTool.h"
#include "platform/linux/StatxEntryAttributeSource.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return ControlTool::run(arguments, stdout, stderr, StatxEntryAttributeSource::instance());
}
