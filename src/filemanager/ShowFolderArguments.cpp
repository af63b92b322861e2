#include "filemanager/ShowFolderArguments.h"

#include <QDir>

#include <algorithm>
#include <cmath>

QString ShowFolderArguments::standardizedPath(const QUrl &folder)
{
    // cleanPath resolves "." and "..", folds repeated separators and drops a trailing "/"
    // (keeping the root), which is how the file-system path of a folder URL reads.
    return QDir::cleanPath(folder.toLocalFile());
}

Placement ShowFolderArguments::clamp(const Placement &requested, const ScreenSnapshot &screens)
{
    // First into the ranges validation accepts: a rule loaded from a file was never
    // validated, and nothing below may overflow or lose precision on its values.
    const Placement placement = requested.withinValidRanges();
    if (screens.visibleFramesTopLeft.isEmpty())
        return placement;
    const qint64 width = placement.width;
    const qint64 height = placement.height;
    const QRectF wanted(double(placement.left), double(placement.top), double(width), double(height));
    const bool onSomeScreen
        = std::any_of(screens.visibleFramesTopLeft.cbegin(), screens.visibleFramesTopLeft.cend(),
            [&wanted](const QRectF &frame) { return frame.intersects(wanted); });
    if (onSomeScreen)
        return { placement.left, placement.top, width, height };

    const QRectF &main = screens.mainVisibleTopLeft;
    const auto truncated = [](double value) { return qint64(std::trunc(value)); };
    return {
        truncated(main.x()) + 20,
        truncated(main.y()) + 20,
        std::min(width, std::max<qint64>(truncated(main.width()) - 40, 1)),
        std::min(height, std::max<qint64>(truncated(main.height()) - 40, 1)),
    };
}
