#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace TestSupport {

// A JSON text read strictly, for tests of what the program writes: anything that is not
// well-formed JSON throws. Numbers are whole and not negative, as the program writes them.
struct JsonValue
{
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    std::uint64_t number = 0;
    std::string string; // UTF-8
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members; // in the order written

    bool operator==(const JsonValue&) const = default;

    // The member `key` of an object; throws where there is none.
    const JsonValue& operator[](const std::string& key) const
    {
        for (const auto& [name, value] : members)
            if (name == key)
                return value;
        throw std::out_of_range("no member " + key);
    }
    std::vector<std::string> Keys() const
    {
        std::vector<std::string> keys(members.size());
        std::transform(members.begin(), members.end(), keys.begin(),
                       [](const auto& member) { return member.first; });
        return keys;
    }
    // An object of numbers as a map.
    std::map<std::string, std::uint64_t> Counts() const
    {
        std::map<std::string, std::uint64_t> counts;
        for (const auto& [name, value] : members)
            counts[name] = value.number;
        return counts;
    }

    static JsonValue Parse(const std::string& text)
    {
        std::size_t at = 0;
        JsonValue value = ParseValue(text, at);
        SkipBlanks(text, at);
        if (at != text.size())
            throw std::invalid_argument("text after the JSON value");
        return value;
    }

private:
    static void SkipBlanks(const std::string& text, std::size_t& at)
    {
        while (at < text.size() &&
               (text[at] == ' ' || text[at] == '\n' || text[at] == '\t' || text[at] == '\r'))
            ++at;
    }
    static void Expect(const std::string& text, std::size_t& at, char c)
    {
        SkipBlanks(text, at);
        if (at >= text.size() || text[at] != c)
            throw std::invalid_argument(std::string("expected ") + c + " at " + std::to_string(at));
        ++at;
    }
    static void AppendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    static std::string ParseString(const std::string& text, std::size_t& at)
    {
        Expect(text, at, '"');
        std::string out;
        while (at < text.size() && text[at] != '"') {
            const auto c = static_cast<unsigned char>(text[at++]);
            if (c < 0x20)
                throw std::invalid_argument("raw control character in a string");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            const char escape = at < text.size() ? text[at++] : '\0';
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                out += escape;
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'u':
                if (at + 4 > text.size())
                    throw std::invalid_argument("short \\u escape");
                AppendUtf8(out, static_cast<unsigned>(std::stoul(text.substr(at, 4), nullptr, 16)));
                at += 4;
                break;
            default:
                throw std::invalid_argument("unknown escape");
            }
        }
        Expect(text, at, '"');
        return out;
    }
    // The items of an array or the members of an object, `parse` reading each, up to `close`.
    template <class Parse>
    static void ParseList(const std::string& text, std::size_t& at, char close, Parse parse)
    {
        SkipBlanks(text, at);
        if (at < text.size() && text[at] == close) {
            ++at;
            return;
        }
        for (;;) {
            parse();
            SkipBlanks(text, at);
            if (at >= text.size() || text[at] != ',')
                break;
            ++at;
        }
        Expect(text, at, close);
    }
    static JsonValue ParseNumber(const std::string& text, std::size_t& at)
    {
        JsonValue value;
        value.type = Type::Number;
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        if (text[start] == '0' && at - start > 1)
            throw std::invalid_argument("leading zero");
        value.number = std::stoull(text.substr(start, at - start));
        return value;
    }
    static JsonValue ParseValue(const std::string& text, std::size_t& at)
    {
        SkipBlanks(text, at);
        JsonValue value;
        if (at >= text.size())
            throw std::invalid_argument("no value");
        const char c = text[at];
        if (c == '{') {
            value.type = Type::Object;
            ++at;
            ParseList(text, at, '}', [&] {
                std::string key = ParseString(text, at);
                Expect(text, at, ':');
                value.members.emplace_back(std::move(key), ParseValue(text, at));
            });
        } else if (c == '[') {
            value.type = Type::Array;
            ++at;
            ParseList(text, at, ']', [&] { value.items.push_back(ParseValue(text, at)); });
        } else if (c == '"') {
            value.type = Type::String;
            value.string = ParseString(text, at);
        } else if (c >= '0' && c <= '9') {
            value = ParseNumber(text, at);
        } else if (text.compare(at, 4, "true") == 0 || text.compare(at, 5, "false") == 0) {
            value.type = Type::Bool;
            value.boolean = c == 't';
            at += value.boolean ? 4 : 5;
        } else if (text.compare(at, 4, "null") == 0) {
            at += 4;
        } else {
            throw std::invalid_argument("not a JSON value at " + std::to_string(at));
        }
        return value;
    }
};

} // namespace TestSupport
