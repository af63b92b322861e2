#pragma once

#include "support/DescribedError.h"

/// A file that could not be read, written, created or moved.
class FileError : public DescribedError {
public:
    using DescribedError::DescribedError;
};
