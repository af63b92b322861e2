#pragma once

#include "platform/Placement.h"

#include <QString>

#include <optional>

/// One of the scripts that FileManagerClient writes, recognised from its exact text so that
/// the desktop's file manager can carry it out. Anything else is refused, never guessed at.
struct FileManagerScript {
    enum class Kind { PermissionCheck, FrontWindowBounds, Activate, Open };

    Kind kind = Kind::PermissionCheck;
    QString folderPath; ///< Open only
    std::optional<QString> selectFile; ///< Open only
    std::optional<Placement> placement; ///< Open only

    /// The script `source` stands for, or nothing (with the reason in `why`) when it is not
    /// byte for byte one of Mirvale's own.
    static std::optional<FileManagerScript> recognize(const QString &source, QString *why = nullptr);

    /// Reverses the literal escaping of the scripts; nothing for a malformed literal.
    static std::optional<QString> unescapeLiteral(const QString &literal);
};
