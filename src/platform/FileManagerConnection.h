#pragma once

#include "platform/FileManagerRequest.h"

#include <variant>

/// The desktop's file manager, asked one request at a time. Used only from the file manager
/// client's execution queue.
class FileManagerConnection {
public:
    using Result = std::variant<FileManagerAnswer, FileManagerFailure>;

    virtual ~FileManagerConnection() = default;

    /// Carries out `request`; blocks until it is answered or cancel() is called.
    virtual Result perform(const FileManagerRequest &request) = 0;
    /// Makes a running perform() give up at once with a time-out failure, and every later one
    /// fail the same way without asking. For quitting; callable from any thread.
    virtual void cancel() = 0;
};
