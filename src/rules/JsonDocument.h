#pragma once

#include <QByteArray>

#include <nlohmann/json.hpp>

#include <string_view>

/// Untrusted JSON turned into a document: checked by JsonGuard first, then built with every
/// number that is exactly an integer stored as one, however it is spelt ("100.0", "1e2"),
/// so that readers need not care how a hand-edited or foreign file writes its numbers.
namespace JsonDocument {

/// Throws DecodingError.
nlohmann::json parse(const QByteArray &data);

/// What a JSON number's text says about it as an integer.
struct IntegerValue {
    enum class Kind { NotInteger, Fits, TooLarge };
    Kind kind = Kind::NotInteger;
    qint64 value = 0; ///< when it fits a signed 64-bit integer
};

/// Decides from the text alone, so that no rounding to a double can make "100.0000000000000001"
/// look whole.
IntegerValue integerValue(std::string_view number);

} // namespace JsonDocument
