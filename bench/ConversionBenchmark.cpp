// How fast a log becomes ADIF: one record decoded and assembled, and whole
// logs converted to a file.

#include "AdifWriter.h"
#include "ConvertCommand.h"
#include "LogRecord.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <variant>

namespace {

const std::string kRecordText = "10/09/03141214 SSBN0CALL    59    57    FN42  Op Peter    SR";

void DecodeAndAssembleRecord(benchmark::State& state)
{
    Conversion::RecordBytes bytes{};
    std::copy(kRecordText.begin(), kRecordText.end(), bytes.begin());
    std::string exportRecord;
    for (auto _ : state) {
        exportRecord.clear();
        const auto decoded = Conversion::DecodeRecord(Conversion::BuildRecordText(bytes));
        for (const auto& field : std::get<Conversion::RecordFields>(decoded))
            Conversion::AppendField(exportRecord, field.name, field.value);
        exportRecord += Conversion::kEndOfRecord;
        benchmark::DoNotOptimize(exportRecord.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DecodeAndAssembleRecord);

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
