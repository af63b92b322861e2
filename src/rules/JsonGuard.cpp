#include "rules/JsonGuard.h"

#include "rules/DecodingError.h"
#include "support/UserText.h"

#include <nlohmann/json.hpp>

#include <string>
#include <unordered_set>
#include <vector>

namespace {

using Json = nlohmann::json;

QString jsonErrorText(const std::exception &error)
{
    // nlohmann prefixes its messages with "[json.exception.kind.N] ", which means nothing
    // to the user.
    QString text = QString::fromUtf8(error.what());
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype end = text.indexOf(QLatin1String("] "));
        if (end > 0)
            text.remove(0, end + 2);
    }
    return text;
}

class GuardHandler {
public:
    explicit GuardHandler(int maxDepth)
        : m_maxDepth(maxDepth)
    {
    }

    bool null() { return value(); }
    bool boolean(bool) { return value(); }
    bool number_integer(Json::number_integer_t) { return value(); }
    bool number_unsigned(Json::number_unsigned_t) { return value(); }
    bool number_float(Json::number_float_t, const Json::string_t &) { return value(); }
    bool string(Json::string_t &) { return value(); }
    bool binary(Json::binary_t &) { return value(); }

    bool start_object(std::size_t) { return open(true); }
    bool start_array(std::size_t) { return open(false); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(Json::string_t &key)
    {
        Frame &frame = m_frames.back();
        if (!frame.keys.insert(key).second) {
            //: %1 is the member's name, %2 where the object is (" at rules[2]"), or empty.
            m_error = UserText::translate("JsonGuard", "The member %1 appears twice in the same object%2.")
                          .arg(UserText::verbatim(quoted(key)), where(m_frames.size() - 1));
            m_errorPath = path(m_frames.size() - 1);
            return false;
        }
        frame.key = key;
        return true;
    }

    bool parse_error(std::size_t position, const std::string &, const nlohmann::detail::exception &error)
    {
        m_parseErrorPosition = position;
        //: %1 is the JSON parser's own message.
        m_error
            = UserText::translate("JsonGuard", "The data is not valid JSON: %1").arg(jsonErrorText(error));
        return false;
    }

    const UserText &error() const { return m_error; }
    const QString &errorPath() const { return m_errorPath; }
    /// How many bytes had been read when the text stopped being JSON; 0 for other errors.
    std::size_t parseErrorPosition() const { return m_parseErrorPosition; }

private:
    struct Frame {
        bool isObject = false;
        std::size_t nextIndex = 0;
        std::size_t index = 0;
        std::string key;
        std::unordered_set<std::string> keys;
    };

    bool value()
    {
        if (!m_frames.empty() && !m_frames.back().isObject)
            m_frames.back().index = m_frames.back().nextIndex++;
        return true;
    }

    bool open(bool isObject)
    {
        value();
        if (static_cast<int>(m_frames.size()) >= m_maxDepth) {
            //: %1 is a number of levels, %2 where the data is (" at rules[2]"), or empty.
            m_error = UserText::translate("JsonGuard", "The data is nested more than %1 levels deep%2.")
                          .arg(UserText::verbatim(QString::number(m_maxDepth)), where(m_frames.size()));
            m_errorPath = path(m_frames.size());
            return false;
        }
        m_frames.push_back(Frame { isObject, 0, 0, {}, {} });
        return true;
    }

    bool close()
    {
        m_frames.pop_back();
        return true;
    }

    static QString quoted(const std::string &key)
    {
        // Escaped as JSON, so control characters and quotes in a hostile key stay visible.
        constexpr std::size_t kShown = 80;
        std::string shown = key.size() > kShown ? key.substr(0, kShown) + "..." : key;
        return QString::fromStdString(Json(shown).dump(-1, ' ', false, Json::error_handler_t::replace));
    }

    static bool isPlainName(const std::string &key)
    {
        if (key.empty() || key.size() > 64)
            return false;
        for (char c : key) {
            const bool plain
                = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
            if (!plain)
                return false;
        }
        return true;
    }

    /// The path of the value being read in the first `count` frames.
    QString path(std::size_t count) const
    {
        QString rendered;
        for (std::size_t i = 0; i < count; ++i) {
            const Frame &frame = m_frames[i];
            if (frame.isObject && isPlainName(frame.key))
                rendered += (rendered.isEmpty() ? QString() : QStringLiteral("."))
                    + QString::fromStdString(frame.key);
            else if (frame.isObject)
                rendered += QStringLiteral("[%1]").arg(quoted(frame.key));
            else
                rendered += QStringLiteral("[%1]").arg(frame.index);
        }
        return rendered;
    }

    /// " at rules[2]", with its leading space, or nothing at the top level.
    UserText where(std::size_t count) const
    {
        const QString rendered = path(count);
        return rendered.isEmpty() ? UserText() : UserText::translate("JsonGuard", " at %1").arg(rendered);
    }

    int m_maxDepth;
    std::vector<Frame> m_frames;
    UserText m_error;
    QString m_errorPath;
    std::size_t m_parseErrorPosition = 0;
};

} // namespace

void JsonGuard::check(const QByteArray &data, int maxDepth)
{
    GuardHandler handler(maxDepth);
    const char *begin = data.constData();
    bool accepted = false;
    try {
        accepted = Json::sax_parse(
            begin, begin + data.size(), &handler, nlohmann::detail::input_format_t::json, true);
    } catch (const std::exception &error) {
        throw DecodingError(
            UserText::translate("JsonGuard", "The data is not valid JSON: %1").arg(jsonErrorText(error)),
            QString());
    }
    // The parser takes a NUL byte for the end of the text and would accept "[]" followed by
    // a NUL and anything at all. A NUL is an error where it stands, unless the text went
    // wrong before it.
    const qsizetype nul = data.indexOf('\0');
    if (nul >= 0 && (accepted || handler.parseErrorPosition() > std::size_t(nul))) {
        throw DecodingError(
            UserText::translate("JsonGuard", "The data is not valid JSON: a NUL byte at offset %1.").arg(nul),
            QString());
    }
    if (!accepted) {
        UserText description = handler.error();
        if (description.isEmpty())
            description = UserText::translate("JsonGuard", "The data is not valid JSON.");
        throw DecodingError(description, handler.errorPath());
    }
}
