#pragma once

#include <QStringList>

#include <cstdio>

class EntryAttributeSource;

/// mirvalectl: checks rules files and previews what a card would open, using the same
/// decoding, validation, matching and resolution as the application.
namespace ControlTool {

enum ExitCode { Success = 0, HasErrors = 1, Usage = 2, Unreadable = 2, NoMatchingRule = 3 };

/// `arguments` excludes the program name. Results go to `out`, diagnostics to `err`; cards
/// are read through `files`.
int run(const QStringList &arguments, std::FILE *out, std::FILE *err, const EntryAttributeSource &files);

} // namespace ControlTool
