#pragma once

#include "app/CommandLine.h"
#include "command/ConversionServices.h"
#include "command/ConvertCommand.h"
#include "support/TestSupport.h"

#include <cstdio>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace TestSupport {

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
        if (whileShowing)
            whileShowing(kind);
    }
    Conversion::Answer AskYesNoCancel(const std::string& text) override
    {
        questions.push_back(text);
        if (whileAsking)
            whileAsking();
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
    // What happens elsewhere while the user thinks about a question.
    std::function<void()> whileAsking;
    // What happens elsewhere while a message is shown, in the midst of a conversion.
    std::function<void(Conversion::MessageKind)> whileShowing;
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
inline const std::string kStandardAdif3Key = "KestrelToADIF/General/StandardAdif3";

inline std::vector<std::string> Concat(const std::vector<std::vector<std::string>>& parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline std::string Records(std::size_t count, const std::string& text = kSampleText)
{
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += Record(text);
    return bytes;
}

// The Convert command with its dialog and boxes answered in advance, a fixed
// clock, and a fresh folder holding test.log and, once written, test.ADI.
class ConvertCommandFixture : public ::testing::Test
{
protected:
    // Chooses `logPath` in the Open dialog and answers the overwrite question
    // with `answers`.
    Conversion::ConversionResult Click(const std::optional<std::string>& logPath,
                                       std::deque<Conversion::Answer> answers = {})
    {
        selector.choices.push_back(logPath);
        messages.answers = std::move(answers);
        return command.ConvertCmd_Click();
    }

    std::vector<std::string> AdifLines() const { return SplitCrLfLines(ReadFile(adif)); }

    FixedClock clock;
    TempErrorLog errorLog;
    TempFolder folder;
    std::string log = folder / "test.log";
    std::string adif = folder / "test.ADI";
    ScriptedFileSelector selector;
    ScriptedMessageBoxes messages;
    MemorySettingsStore settings;
    Conversion::ConvertCommand command{selector, messages, settings};
};

// Runs the command line with its standard streams captured.
struct CliRun
{
    explicit CliRun(const std::vector<std::string>& arguments)
    {
        std::FILE* outStream = std::tmpfile();
        std::FILE* errStream = std::tmpfile();
        status = CommandLine::Run(arguments, outStream, errStream);
        out = Contents(outStream);
        err = Contents(errStream);
    }
    static std::string Contents(std::FILE* stream)
    {
        std::string text;
        std::rewind(stream);
        for (int c; (c = std::fgetc(stream)) != EOF;)
            text += static_cast<char>(c);
        (void)std::fclose(stream);
        return text;
    }
    int status;
    std::string out;
    std::string err;
};

} // namespace TestSupport
