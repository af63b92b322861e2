#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <variant>

/// Carries out the scripts that FileManagerClient writes. The text handed in is exactly the
/// script text; the answer is the script's result or an error number with a message, as the
/// file manager reported it. Used only from the controller's execution queue.
class ScriptRunner {
public:
    /// A script that was understood and is ready to run.
    class Compiled {
    public:
        virtual ~Compiled() = default;
    };

    /// What went wrong; either part may be missing when the platform did not say.
    struct Failure {
        std::optional<int> number;
        std::optional<QString> message;
    };

    /// The script's result (a list for bounds, a number for counts and ids) or its failure.
    /// Reading bounds with no readable window answers an empty value; activating answers
    /// false when the file manager answered but no window was raised.
    using Result = std::variant<QVariant, Failure>;

    virtual ~ScriptRunner() = default;

    /// Null when the text cannot be run at all.
    virtual std::unique_ptr<Compiled> compile(const QString &source) = 0;
    /// Runs a script from compile(); blocks until it answers or cancel() is called.
    /// `takesFocus`: whether a window an open shows may take the focus (the caller brings
    /// the file manager to front next); the other scripts ignore it.
    virtual Result execute(const Compiled &script, bool takesFocus) = 0;
    /// Makes a running execute() give up at once with a time-out failure, and every later
    /// one fail the same way without running. For quitting; callable from any thread.
    virtual void cancel() = 0;
};
