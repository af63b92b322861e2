#include "support/DescribedError.h"

DescribedError::DescribedError(QString description)
    : DescribedError(UserText::verbatim(description))
{
}

DescribedError::DescribedError(UserText description)
    : m_description(std::move(description))
    , m_utf8(m_description.english().toUtf8())
{
}
