#include "statistics/StatisticsText.h"

#include "statistics/TextTable.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace Statistics {

namespace {

std::string Number(std::uint64_t value)
{
    return std::to_string(value);
}

// "1998-03-04" for "19980304"; "none" where no QSO has a date.
std::string Date(const std::string& date)
{
    if (date.empty())
        return "none";
    return date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2);
}

std::string Counts(std::size_t worked, std::size_t confirmed)
{
    return Number(worked) + " worked, " + Number(confirmed) + " confirmed";
}

// The QSOs that no row of a table counts, as its last row.
void AddRest(TextTable& table, const std::string& label, std::uint64_t qsos, std::uint64_t counted)
{
    if (qsos > counted)
        table.AddRow({label, Number(qsos - counted)});
}

template <class Rows> std::uint64_t Sum(const Rows& rows)
{
    return std::accumulate(rows.begin(), rows.end(), std::uint64_t{0},
                           [](std::uint64_t sum, const auto& row) { return sum + row.second; });
}

std::string Summary(const LogStatistics& counts, const std::vector<const EntityCount*>& entities)
{
    const auto confirmed = static_cast<std::size_t>(std::count_if(
        entities.begin(), entities.end(), [](const EntityCount* e) { return e->confirmed; }));
    TextTable table({"records", Number(counts.Records())}, {1});
    table.AddRow({"QSOs", Number(counts.Qsos())});
    table.AddRow({"skipped", Number(counts.Skipped())});
    table.AddRow({"first QSO", Date(counts.First())});
    table.AddRow({"last QSO", Date(counts.Last())});
    table.AddRow({"callsigns", Number(counts.Calls())});
    table.AddRow({"DXCC entities", Counts(entities.size(), confirmed)});
    table.AddRow(
        {"grid squares", Counts(counts.GridsWorked().count(), counts.GridsConfirmed().count())});
    return table.Render();
}

std::string Years(const LogStatistics& counts)
{
    TextTable table({"year", "QSOs"});
    const auto years = counts.Years();
    for (const auto& [year, count] : years)
        table.AddRow({Number(static_cast<std::uint64_t>(year)), Number(count)});
    AddRest(table, "no date", counts.Qsos(), Sum(years));
    return table.Render();
}

std::string Bands(const LogStatistics& counts, const std::vector<const EntityCount*>& entities)
{
    TextTable table({"band", "QSOs", "entities", "confirmed"});
    const auto bands = Conversion::AllBands();
    std::uint64_t counted = 0;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const std::uint64_t qsos = counts.Bands()[i];
        if (qsos == 0)
            continue;
        counted += qsos;
        const auto on = [i, &entities](const BandSet EntityCount::*bandsOf) {
            return Number(static_cast<std::uint64_t>(
                std::count_if(entities.begin(), entities.end(),
                              [&](const EntityCount* e) { return (e->*bandsOf).test(i); })));
        };
        table.AddRow({std::string(bands[i].name), Number(qsos), on(&EntityCount::worked),
                      on(&EntityCount::confirmedOn)});
    }
    AddRest(table, "no band", counts.Qsos(), counted);
    return table.Render();
}

std::string Named(const std::string& heading, const NameCounts& names, const std::string& rest,
                  std::uint64_t qsos)
{
    TextTable table({heading, "QSOs"});
    const auto sorted = names.Sorted();
    for (const auto& [name, count] : sorted)
        table.AddRow({std::string(name), Number(count)});
    AddRest(table, rest, qsos, Sum(sorted));
    return table.Render();
}

std::string EntityList(const std::vector<const EntityCount*>& entities)
{
    TextTable table({"DXCC", "entity", "continent", "QSOs", "confirmed", "bands"}, {1, 2, 4, 5});
    const auto bands = Conversion::AllBands();
    for (const EntityCount* entity : entities) {
        std::string worked;
        for (std::size_t i = 0; i < bands.size(); ++i)
            if (entity->worked.test(i))
                worked += (worked.empty() ? "" : " ") + std::string(bands[i].name);
        table.AddRow({Number(static_cast<std::uint64_t>(entity->dxcc)), std::string(entity->name),
                      std::string(entity->continent), Number(entity->qsos),
                      entity->confirmed ? "yes" : "no", worked});
    }
    return table.Render();
}

std::string Findings(const LogStatistics& counts)
{
    if (counts.Findings().empty())
        return "  no findings\n";
    TextTable table({"finding", "count"});
    const std::map<std::string, std::uint64_t> sorted(counts.Findings().begin(),
                                                      counts.Findings().end());
    for (const auto& [kind, count] : sorted)
        table.AddRow({kind, Number(count)});
    return table.Render();
}

} // namespace

std::string StatisticsText(std::string_view heading, const LogStatistics& counts)
{
    const std::vector<const EntityCount*> entities = counts.Entities();
    std::string text(heading);
    text += '\n';
    text += Summary(counts, entities) + '\n';
    text += Years(counts) + '\n';
    text += Bands(counts, entities) + '\n';
    text += Named("mode", counts.Modes(), "no mode", counts.Qsos()) + '\n';
    text += Named("continent", counts.Continents(), "no entity", counts.Qsos()) + '\n';
    if (!entities.empty())
        text += EntityList(entities) + '\n';
    text += Findings(counts);
    return text;
}

} // namespace Statistics
