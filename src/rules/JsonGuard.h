#pragma once

#include <QByteArray>

/// A streaming pass over untrusted JSON before it is turned into a document: it refuses
/// text that is not JSON (including ill-formed UTF-8), nesting deeper than a limit, and
/// objects that name a member twice, with a description that says where.
namespace JsonGuard {

/// Deep enough for any rules or settings document, shallow enough to keep every later
/// walk over the document cheap.
inline constexpr int kMaxNestingDepth = 64;

/// Throws DecodingError when `data` is not acceptable JSON.
void check(const QByteArray &data, int maxDepth = kMaxNestingDepth);

} // namespace JsonGuard
