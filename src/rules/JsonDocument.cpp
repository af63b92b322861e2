#include "rules/JsonDocument.h"

#include "rules/DecodingError.h"
#include "rules/JsonGuard.h"
#include "support/UserText.h"

#include <limits>
#include <string>

namespace {

using Json = nlohmann::json;

/// The library's own document builder, except that whole numbers written with a fraction or
/// an exponent become integers.
class DocumentBuilder : public nlohmann::detail::json_sax_dom_parser<Json> {
public:
    explicit DocumentBuilder(Json &root)
        : json_sax_dom_parser(root, true)
    {
    }

    bool number_float(number_float_t value, const string_t &text)
    {
        const JsonDocument::IntegerValue integer = JsonDocument::integerValue(text);
        if (integer.kind == JsonDocument::IntegerValue::Kind::Fits)
            return number_integer(integer.value);
        return json_sax_dom_parser::number_float(value, text);
    }
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

JsonDocument::IntegerValue JsonDocument::integerValue(std::string_view number)
{
    using Kind = IntegerValue::Kind;
    std::size_t at = 0;
    const bool negative = at < number.size() && number[at] == '-';
    if (negative)
        ++at;
    std::string digits;
    while (at < number.size() && isDigit(number[at]))
        digits += number[at++];
    // The position of the decimal point, counted in digits from the left.
    qint64 point = qint64(digits.size());
    if (at < number.size() && number[at] == '.') {
        ++at;
        while (at < number.size() && isDigit(number[at]))
            digits += number[at++];
    }
    if (at < number.size() && (number[at] == 'e' || number[at] == 'E')) {
        ++at;
        const bool negativeExponent = at < number.size() && number[at] == '-';
        if (at < number.size() && (number[at] == '-' || number[at] == '+'))
            ++at;
        // Capped far beyond any digit count a document can hold, so it cannot overflow.
        constexpr qint64 kExponentCap = qint64(1) << 40;
        qint64 exponent = 0;
        while (at < number.size() && isDigit(number[at]))
            exponent = std::min(exponent * 10 + (number[at++] - '0'), kExponentCap);
        point += negativeExponent ? -exponent : exponent;
    }
    if (digits.empty() || at != number.size())
        return {};

    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos)
        return { Kind::Fits, 0 };
    point -= qint64(firstSignificant);
    const qint64 significant = qint64(digits.find_last_not_of('0') + 1 - firstSignificant);
    if (point < significant)
        return {}; // a digit other than zero after the point
    if (point > 19)
        return { Kind::TooLarge, 0 }; // at least 10^19, beyond 2^63

    std::uint64_t magnitude = 0;
    for (qint64 i = 0; i < point; ++i) {
        const int digit = i < significant ? digits[std::size_t(firstSignificant + std::size_t(i))] - '0' : 0;
        if (__builtin_mul_overflow(magnitude, 10u, &magnitude)
            || __builtin_add_overflow(magnitude, unsigned(digit), &magnitude))
            return { Kind::TooLarge, 0 };
    }
    const std::uint64_t limit = std::uint64_t(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    if (magnitude > limit)
        return { Kind::TooLarge, 0 };
    if (negative)
        return { Kind::Fits, magnitude == limit ? std::numeric_limits<qint64>::min() : -qint64(magnitude) };
    return { Kind::Fits, qint64(magnitude) };
}

Json JsonDocument::parse(const QByteArray &data)
{
    JsonGuard::check(data);
    Json document;
    DocumentBuilder builder(document);
    try {
        const char *begin = data.constData();
        Json::sax_parse(begin, begin + data.size(), &builder, nlohmann::detail::input_format_t::json, true);
    } catch (const std::exception &error) {
        // The guard has seen the same text; only a resource failure gets here.
        throw DecodingError(UserText::translate("JsonDocument", "The data could not be read as JSON: %1")
                                .arg(QString::fromUtf8(error.what())),
            QString());
    }
    return document;
}
