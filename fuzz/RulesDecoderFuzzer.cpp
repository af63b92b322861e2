// Feeds arbitrary bytes to the rule-list and settings decoders. Anything they accept must
// survive a write and a second read unchanged.
#include "rules/DecodingError.h"
#include "rules/RulesFormat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const RuleList rules = RulesFormat::decodeRules(bytes);
        const RuleList again = RulesFormat::decodeRules(RulesFormat::encodeRules(rules));
        if (again != rules) {
            std::fputs("rule list changed in a write and read\n", stderr);
            std::abort();
        }
    } catch (const DecodingError &) {
    }
    try {
        const AppSettings settings = RulesFormat::decodeSettings(bytes);
        if (RulesFormat::decodeSettings(RulesFormat::encodeSettings(settings)) != settings) {
            std::fputs("settings changed in a write and read\n", stderr);
            std::abort();
        }
    } catch (const DecodingError &) {
    }
    return 0;
}
