#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Statistics {

// `bytes` as a JSON string, quotes included. UTF-8 stays as it is; a byte that is not part of
// well-formed UTF-8 is read as Windows-1252, the logs' own code page (names of files can hold
// any bytes); control characters, '"' and '\' are escaped.
std::string JsonString(std::string_view bytes);

// JSON written in one line, in order: the writer puts the commas and colons.
class JsonWriter
{
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next value of an object.
    void Key(std::string_view key);
    void String(std::string_view bytes);
    void Number(std::uint64_t value);
    void Bool(bool value);
    void Null();

    const std::string& Text() const { return text_; }

private:
    void StartValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string text_;
    // For each object or array open: whether a value is in it yet.
    std::vector<bool> filled_;
    bool afterKey_ = false;
};

} // namespace Statistics
