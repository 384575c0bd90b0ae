#pragma once

#include "ConversionServices.h"
#include "LogRecord.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace TestSupport {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder
{
public:
    TempFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("kestrel-test-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

    // Names of the entries of the folder, to show that nothing was left behind.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

// One 64-byte log record: 60 characters of fields and four unread bytes.
inline std::string Record(const std::string& text60)
{
    EXPECT_EQ(text60.size(), Conversion::kRecordTextLength) << text60;
    return text60 + std::string("\xFF\xFE\0\x01", 4);
}

inline const std::string kSampleText =
    "10/09/03141214 SSBN0CALL    59    57    FN42  ------------  ";
inline const std::string kSampleLine = "<QSO_DATE:8>20030910 <TIME_ON:4>1412 <FREQ:3>14  "
                                       "<MODE:3>SSB <CALL:6>N0CALL <RST_SENT:2>59 "
                                       "<RST_RCVD:2>57 <GRIDSQUARE:4>FN42 <EOR>";
// Date, time, frequency, mode, callsign, RSTs, grid, comment, QSL flags.
inline const std::string kIllegalYearText = std::string("01/02/AB") + "0930" + "7  " + "CW " +
                                            "DL1ABC    " + "599   " + "599   " + "JO62QM" +
                                            "TNX QSO     " + "S" + "R";

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.flush()) << path;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::string> SplitCrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        lines.push_back(text.substr(start)); // an unterminated tail shows up as a line
    return lines;
}

// The Open dialog answered in advance: each ShowOpen takes the next choice
// (nothing = Cancel) and records what it was shown.
class ScriptedFileSelector : public Conversion::FileSelector
{
public:
    std::optional<std::string> ShowOpen(const Conversion::OpenDialogOptions& options) override
    {
        shown.push_back(options);
        EXPECT_FALSE(choices.empty()) << "unexpected Open dialog";
        if (choices.empty())
            return std::nullopt;
        std::optional<std::string> choice = choices.front();
        choices.pop_front();
        return choice;
    }
    std::deque<std::optional<std::string>> choices;
    std::vector<Conversion::OpenDialogOptions> shown;
};

// Message boxes answered in advance; every message shown is kept.
class ScriptedMessageBoxes : public Conversion::MessageBoxes
{
public:
    struct Shown
    {
        Conversion::MessageKind kind;
        std::string text;
    };
    void ShowMessage(Conversion::MessageKind kind, const std::string& text) override
    {
        messages.push_back({kind, text});
    }
    Conversion::Answer AskYesNoCancel(const std::string& text) override
    {
        questions.push_back(text);
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text;
        if (answers.empty())
            return Conversion::Answer::Cancel;
        const Conversion::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Texts(Conversion::MessageKind kind) const
    {
        std::vector<std::string> texts;
        for (const Shown& shown : messages)
            if (shown.kind == kind)
                texts.push_back(shown.text);
        return texts;
    }
    std::deque<Conversion::Answer> answers;
    std::vector<Shown> messages;
    std::vector<std::string> questions;
};

class MemorySettingsStore : public Conversion::SettingsStore
{
public:
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override
    {
        const auto found = values.find(application + "/" + section + "/" + key);
        return found == values.end() ? defaultValue : found->second;
    }
    void SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override
    {
        values[application + "/" + section + "/" + key] = value;
    }
    std::map<std::string, std::string> values;
};

inline const std::string kLogDirectoryKey = "KestrelToADIF/General/LogDirectory";

} // namespace TestSupport
