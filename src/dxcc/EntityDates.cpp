#include "dxcc/EntityDates.h"

#include "common/UTC.h"

#include <algorithm>
#include <array>

namespace Dxcc {

namespace {

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

int DaysInMonth(int month, int year)
{
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && UTC::IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Where `moment` stands to the minute `date` `time`: before, at or after it;
// unknown where only the time would tell.
enum class Order { Before, NotBefore, Unknown };

Order Compare(QsoMoment moment, std::uint32_t date, int time)
{
    if (moment.date != date)
        return moment.date < date ? Order::Before : Order::NotBefore;
    if (moment.time < 0)
        return time == 0 ? Order::NotBefore : Order::Unknown;
    return moment.time < time ? Order::Before : Order::NotBefore;
}

} // namespace

std::optional<QsoMoment> ReadQsoMoment(std::string_view date, std::string_view time)
{
    if (date.size() != 8 || !AllDigits(date))
        return std::nullopt;
    const int year = Number(date.substr(0, 4));
    const int month = Number(date.substr(4, 2));
    const int day = Number(date.substr(6, 2));
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year))
        return std::nullopt;
    QsoMoment moment{static_cast<std::uint32_t>(Number(date)), -1};
    if ((time.size() == 4 || time.size() == 6) && AllDigits(time)) {
        const int hours = Number(time.substr(0, 2));
        const int minutes = Number(time.substr(2, 2));
        if (hours < 24 && minutes < 60)
            moment.time = hours * 100 + minutes;
    }
    return moment;
}

Existence ExistenceAt(const Table::EntityRow& entity, QsoMoment moment)
{
    const Order sinceStart = Compare(moment, entity.fromDate, entity.fromTime);
    const Order sinceEnd =
        entity.untilDate == 0 ? Order::Before : Compare(moment, entity.untilDate, entity.untilTime);
    if (sinceStart == Order::Before || sinceEnd == Order::NotBefore)
        return Existence::DidNotExist;
    if (sinceStart == Order::Unknown || sinceEnd == Order::Unknown)
        return Existence::Unknown;
    return Existence::Existed;
}

} // namespace Dxcc
