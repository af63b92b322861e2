#pragma once

#include <QByteArrayList>

#include <cstdio>

class EntryAttributeSource;
class FileAccess;

/// mirvalectl: checks rules files and previews what a card would open, using the same
/// decoding, validation, matching and resolution as the application.
namespace ControlTool {

enum ExitCode { Success = 0, HasErrors = 1, Usage = 2, Unreadable = 2, NoMatchingRule = 3 };

/// `arguments` are the raw command-line arguments without the program name; they must be
/// UTF-8. Files are read through `files`, cards through `cards`. Results go to `out`,
/// diagnostics to `err`, with control characters from the files and the arguments escaped so
/// that no line is forged.
int run(const QByteArrayList &arguments, FileAccess &files, const EntryAttributeSource &cards, std::FILE *out,
    std::FILE *err);

} // namespace ControlTool
