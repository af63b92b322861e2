#pragma once

#include "platform/EntryAttributeSource.h"

#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

class Logger;

/// Picks the newest immediate entry of a directory: by creation date when the candidates'
/// dates are usable, by name otherwise.
namespace NewestEntryFinder {

using Attributes = EntryAttributeSource::Attributes;
using MatchTest = std::function<bool(const Attributes &)>;

/// Creation dates before 2005-01-01 00:00:00 UTC come from cameras whose clock was never set.
inline constexpr EntryAttributeSource::Clock::time_point bogusDateCutoff { std::chrono::seconds(1104537600) };
/// Candidates created within this span of each other (a card copied in one go) are told
/// apart by name instead.
inline constexpr std::chrono::seconds sameBatchSpan { 60 };

/// The newest entry of `directory` accepted by `isMatch`, as a URL inside `directory`;
/// none when there is none or the directory cannot be listed (logged as
/// `logLabel` + ": could not list " + path). Hidden entries and symbolic links are never
/// candidates. `isMatch` must decide on the type flags alone: the listing's own type
/// information may rule an entry out before its attributes are read.
std::optional<QUrl> find(const QUrl &directory, EntryAttributeSource::Keys keys, const MatchTest &isMatch,
    const QString &logLabel, Logger &log, const EntryAttributeSource &source);

} // namespace NewestEntryFinder
