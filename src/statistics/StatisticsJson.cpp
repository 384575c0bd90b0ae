#include "statistics/StatisticsJson.h"

#include <algorithm>
#include <map>
#include <optional>

namespace Statistics {

namespace {

void CountKey(JsonWriter& json, std::string_view key, std::uint64_t count)
{
    json.Key(key);
    json.Number(count);
}

void DateKey(JsonWriter& json, std::string_view key, const std::string& date)
{
    json.Key(key);
    if (date.empty())
        json.Null();
    else
        json.String(date);
}

void Years(JsonWriter& json, const LogStatistics& counts)
{
    json.Key("years");
    json.BeginObject();
    for (const auto& [year, count] : counts.Years())
        CountKey(json, std::to_string(year), count);
    json.EndObject();
}

void Bands(JsonWriter& json, const LogStatistics& counts)
{
    json.Key("bands");
    json.BeginObject();
    const auto bands = Conversion::AllBands();
    for (std::size_t i = 0; i < bands.size(); ++i)
        if (counts.Bands()[i] != 0)
            CountKey(json, bands[i].name, counts.Bands()[i]);
    json.EndObject();
}

void Modes(JsonWriter& json, const LogStatistics& counts)
{
    json.Key("modes");
    json.BeginObject();
    for (const auto& [mode, count] : counts.Modes().Sorted())
        CountKey(json, mode, count);
    json.EndObject();
}

void Entity(JsonWriter& json, const EntityCount& entity)
{
    json.BeginObject();
    CountKey(json, "dxcc", static_cast<std::uint64_t>(entity.dxcc));
    json.Key("name");
    json.String(entity.name);
    json.Key("continent");
    json.String(entity.continent);
    CountKey(json, "qsos", entity.qsos);
    json.Key("confirmed");
    json.Bool(entity.confirmed);
    json.Key("bands");
    json.BeginArray();
    const auto bands = Conversion::AllBands();
    for (std::size_t i = 0; i < bands.size(); ++i)
        if (entity.worked.test(i))
            json.String(bands[i].name);
    json.EndArray();
    json.EndObject();
}

void Entities(JsonWriter& json, const LogStatistics& counts)
{
    const std::vector<const EntityCount*> entities = counts.Entities();
    json.Key("entities");
    json.BeginObject();
    CountKey(json, "worked", entities.size());
    CountKey(
        json, "confirmed",
        static_cast<std::uint64_t>(std::count_if(
            entities.begin(), entities.end(), [](const EntityCount* e) { return e->confirmed; })));
    json.Key("list");
    json.BeginArray();
    for (const EntityCount* entity : entities)
        Entity(json, *entity);
    json.EndArray();
    json.EndObject();
}

void Grids(JsonWriter& json, const LogStatistics& counts)
{
    json.Key("grids");
    json.BeginObject();
    CountKey(json, "worked", counts.GridsWorked().count());
    CountKey(json, "confirmed", counts.GridsConfirmed().count());
    json.EndObject();
}

void Findings(JsonWriter& json, const LogStatistics& counts)
{
    json.Key("findings");
    json.BeginObject();
    const std::map<std::string, std::uint64_t> sorted(counts.Findings().begin(),
                                                      counts.Findings().end());
    for (const auto& [kind, count] : sorted)
        CountKey(json, kind, count);
    json.EndObject();
}

void GridList(JsonWriter& json, const LogStatistics& counts)
{
    json.Key("gridList");
    json.BeginArray();
    for (std::size_t place = 0; place < kGridSquares; ++place) {
        if (!counts.GridsWorked().test(place))
            continue;
        json.BeginObject();
        json.Key("square");
        json.String(GridSquareName(place));
        json.Key("confirmed");
        json.Bool(counts.GridsConfirmed().test(place));
        json.EndObject();
    }
    json.EndArray();
}

// The object of one log, or of all when it has no name; its closing brace left to the caller.
void OpenCounts(JsonWriter& json, std::optional<std::string_view> name, const LogStatistics& counts)
{
    json.BeginObject();
    if (name) {
        json.Key("log");
        json.String(*name);
    }
    CountKey(json, "records", counts.Records());
    CountKey(json, "qsos", counts.Qsos());
    CountKey(json, "skipped", counts.Skipped());
    DateKey(json, "first", counts.First());
    DateKey(json, "last", counts.Last());
    Years(json, counts);
    Bands(json, counts);
    Modes(json, counts);
    CountKey(json, "calls", counts.Calls());
    Entities(json, counts);
    Grids(json, counts);
    Findings(json, counts);
}

} // namespace

RunJson::RunJson()
{
    writer_.BeginObject();
    writer_.Key("logs");
    writer_.BeginArray();
}

void RunJson::AddLog(std::string_view name, const LogStatistics& counts)
{
    OpenCounts(writer_, name, counts);
    writer_.EndObject();
}

std::string RunJson::Finish(const LogStatistics& all)
{
    writer_.EndArray();
    writer_.Key("all");
    OpenCounts(writer_, std::nullopt, all);
    writer_.EndObject();
    writer_.EndObject();
    return writer_.Text();
}

std::string LogJsonWithGridList(std::string_view name, const LogStatistics& counts)
{
    JsonWriter json;
    OpenCounts(json, name, counts);
    GridList(json, counts);
    json.EndObject();
    return json.Text();
}

} // namespace Statistics
