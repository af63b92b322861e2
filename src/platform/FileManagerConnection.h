#pragma once

#include "platform/FileManagerRequest.h"

#include <functional>
#include <variant>

/// The desktop's file manager, asked one request at a time. Used only on the main thread.
class FileManagerConnection {
public:
    using Result = std::variant<FileManagerAnswer, FileManagerFailure>;
    using Answer = std::function<void(const Result &)>;

    virtual ~FileManagerConnection() = default;

    /// Carries out `request` and calls `answer` once, on the main thread, never from inside
    /// perform() itself. The next perform() comes only after the previous one answered.
    virtual void perform(const FileManagerRequest &request, Answer answer) = 0;
    /// Drops the request in flight (its answer never comes) and makes every later one fail
    /// with a time-out without asking. For quitting.
    virtual void cancel() = 0;
};
