#pragma once

#include <QString>

#include <optional>

/// What the system says about a mounted volume. A value that is not reported is absent.
struct VolumeValues {
    std::optional<bool> isRemovable;
    std::optional<bool> isEjectable;
    std::optional<bool> isLocal;
    QString name; ///< the volume's label; empty when it has none
    std::optional<qint64> availableBytes; ///< free space for an unprivileged writer
};
