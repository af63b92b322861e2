#include "platform/DiskDescription.h"

QString diskBusName(DiskBus bus)
{
    switch (bus) {
    case DiskBus::Mmc:
        return QStringLiteral("mmc");
    case DiskBus::Usb:
        return QStringLiteral("usb");
    case DiskBus::Loop:
        return QStringLiteral("loop");
    case DiskBus::Other:
        break;
    }
    return QStringLiteral("other");
}
