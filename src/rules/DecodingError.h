#pragma once

#include "support/DescribedError.h"

/// A rules or settings document that cannot be read: not JSON, or not the expected shape.
/// `codingPath` names the faulty member ("[2].match.kind"); empty for the document itself.
class DecodingError : public DescribedError {
public:
    DecodingError(QString description, QString codingPath)
        : DescribedError(std::move(description))
        , m_codingPath(std::move(codingPath))
    {
    }
    DecodingError(UserText description, QString codingPath)
        : DescribedError(std::move(description))
        , m_codingPath(std::move(codingPath))
    {
    }

    const QString &codingPath() const { return m_codingPath; }

private:
    QString m_codingPath;
};
