// How fast a log becomes ADIF: one record decoded and written, in the
// classic and the standard form, and whole logs converted to a file.

#include "adif/AdifWriter.h"
#include "adif/ClassicAdifWriter.h"
#include "adif/standard/StandardAdifWriter.h"
#include "command/ConvertCommand.h"
#include "common/TextStream.h"
#include "record/LogRecord.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

const std::string kRecordText = "10/09/03141214 SSBN0CALL    59    57    FN42  Op Peter    SR";
const std::string kRecordBytes = kRecordText + std::string(4, '\0');

// Where the benchmarks' text goes: nowhere, as fast as it comes.
class Discarded final : public Common::OutputChannel
{
public:
    void Write(std::string_view bytes) override { benchmark::DoNotOptimize(bytes.data()); }
};

// One record decoded and its line written, as the conversion does it.
void DecodeAndWriteRecord(benchmark::State& state)
{
    Discarded nowhere;
    Common::TextStream output(nowhere);
    Conversion::ClassicAdifWriter writer;
    for (auto _ : state) {
        const auto fields = Conversion::DecodeFields(Conversion::BuildRecordText(kRecordBytes));
        writer.WriteRecord(*fields, 1, output);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DecodeAndWriteRecord);

// Findings counted, as a conversion's tally does, and otherwise dropped.
class CountedFindings final : public Conversion::FindingSink
{
public:
    void Report(const Conversion::Finding& /*finding*/) override { ++count; }
    std::uint64_t count = 0;
};

// One record decoded and its line written by the standard ADIF 3 writer: a
// sound record (range 0), which has no finding, and one with a mode that has
// no standard form and a comment with letters beyond ASCII (range 1).
void StandardRecord(benchmark::State& state)
{
    const std::string text = state.range(0) == 0
                                 ? kRecordText
                                 : "10/09/03141214 DIGN0CALL    59    57    FN42  Gr\xFC\xDF"
                                   "e Hans SR";
    const std::string bytes = text + std::string(4, '\0');
    CountedFindings findings;
    const Conversion::StandardOptions options;
    Conversion::StandardAdifWriter writer(findings, options);
    Discarded nowhere;
    Common::TextStream output(nowhere);
    std::uint64_t recordNumber = 0;
    for (auto _ : state) {
        const auto fields = Conversion::DecodeFields(Conversion::BuildRecordText(bytes));
        if (!fields)
            state.SkipWithError("the record's year cannot be read");
        else
            writer.WriteRecord(*fields, ++recordNumber, output);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["findings per record"] =
        static_cast<double>(findings.count) / static_cast<double>(state.iterations());
}
BENCHMARK(StandardRecord)->Arg(0)->Arg(1);

// Only the field rules: the year read and the fields cut out and trimmed.
void DecodeFields(benchmark::State& state)
{
    for (auto _ : state) {
        const std::string_view text = Conversion::BuildRecordText(kRecordBytes);
        benchmark::DoNotOptimize(Conversion::ConvertYear(text.substr(6, 2)));
        benchmark::DoNotOptimize(Conversion::TrimSpaces(text.substr(18, 10)));
        benchmark::DoNotOptimize(Conversion::TrimSpaces(text.substr(46, 12)));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DecodeFields);

// One field cleaned of "<" and appended: a clean value, and one with brackets.
void AppendOneField(benchmark::State& state)
{
    const std::string value = state.range(0) == 0 ? "Op Peter" : "5W <dipole>";
    std::string exportRecord;
    for (auto _ : state) {
        exportRecord.clear();
        Conversion::AppendField(exportRecord, "Comment", value);
        benchmark::DoNotOptimize(exportRecord.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(AppendOneField)->Arg(0)->Arg(1);

class Silent final : public Conversion::MessageBoxes,
                     public Conversion::FileSelector,
                     public Conversion::SettingsStore
{
public:
    void ShowMessage(Conversion::MessageKind, const std::string&) override {}
    Conversion::Answer AskYesNoCancel(const std::string&) override
    {
        return Conversion::Answer::Yes;
    }
    std::optional<std::string> ShowOpen(const Conversion::OpenDialogOptions&) override
    {
        return std::nullopt;
    }
    std::string GetSetting(const std::string&, const std::string&, const std::string&,
                           const std::string& defaultValue) override
    {
        return defaultValue;
    }
    void SaveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override
    {
    }
};

// A whole log of state.range(0) records converted into a replaced ADIF file.
void ConvertWholeLog(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("kestrel-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::string log = (folder / "big.log").string();
    {
        std::ofstream out(log, std::ios::binary);
        for (std::int64_t i = 0; i < state.range(0); ++i)
            out << kRecordText << std::string(4, '\0');
    }
    Silent silent;
    Conversion::ConvertCommand command(silent, silent, silent);
    for (auto _ : state) {
        const auto result = command.ConvertLog(log, (folder / "big.ADI").string());
        if (result.qsoCount != static_cast<std::uint64_t>(state.range(0)))
            state.SkipWithError("conversion incomplete");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0) * 64);
    std::filesystem::remove_all(folder);
}
BENCHMARK(ConvertWholeLog)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
