// How fast a log becomes ADIF: one record decoded and assembled, and whole
// logs converted to a file.

#include "AdifWriter.h"
#include "ConvertCommand.h"
#include "LogRecord.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

const std::string kRecordText = "10/09/03141214 SSBN0CALL    59    57    FN42  Op Peter    SR";
const std::string kRecordBytes = kRecordText + std::string(4, '\0');

// One record decoded and its line assembled, as the conversion does it.
void DecodeAndAssembleRecord(benchmark::State& state)
{
    std::string line(Conversion::kLongestFieldsText + Conversion::kEndOfRecord.size(), '\0');
    for (auto _ : state) {
        char* const end =
            Conversion::DecodeRecord(Conversion::BuildRecordText(kRecordBytes), line.data());
        std::copy(Conversion::kEndOfRecord.begin(), Conversion::kEndOfRecord.end(), end);
        benchmark::DoNotOptimize(line.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DecodeAndAssembleRecord);

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
