#include "filemanager/ScriptAnswers.h"

#include "platform/ScriptErrorNumber.h"

#include <QVariantList>

#include <cstdint>

std::optional<Placement> ScriptAnswers::placementFromBounds(const QVariant &value)
{
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    const QVariantList items = value.toList();
    if (items.size() != 4)
        return std::nullopt;
    qint32 coordinates[4] = {};
    for (int index = 0; index < 4; ++index) {
        bool ok = false;
        const qlonglong number = items.at(index).toLongLong(&ok);
        if (!items.at(index).isValid() || !ok || number < INT32_MIN || number > INT32_MAX)
            return std::nullopt;
        coordinates[index] = qint32(number);
    }
    const auto [x1, y1, x2, y2] = coordinates;
    if (x1 >= x2 || y1 >= y2)
        return std::nullopt;
    return Placement { x1, y1, qint64(x2) - x1, qint64(y2) - y1 };
}

MirvaleError ScriptAnswers::errorFor(
    int number, const QString &message, const std::optional<QString> &folderPath)
{
    switch (number) {
    case ScriptErrorNumber::accessDenied:
        return MirvaleError::fileManagerAccessDenied();
    case ScriptErrorNumber::timedOut:
        return MirvaleError::fileManagerTimeout();
    case ScriptErrorNumber::cannotSetData:
    case ScriptErrorNumber::fileNotFound:
        return MirvaleError::folderMissing(folderPath.value_or(message));
    default:
        return MirvaleError::fileManagerError(message);
    }
}
