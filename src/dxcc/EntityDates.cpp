#include "dxcc/EntityDates.h"

#include "common/UTC.h"

namespace Dxcc {

namespace {

// The value of `digits`, or -1 where any is not a digit.
int Number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
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
    const int whole = date.size() == 8 ? Number(date) : -1;
    const int year = whole / 10000;
    const int month = whole / 100 % 100;
    const int day = whole % 100;
    if (whole < 0 || month < 1 || month > 12 || day < 1 || day > UTC::DaysInMonth(month, year))
        return std::nullopt;
    QsoMoment moment{static_cast<std::uint32_t>(whole), -1};
    const bool digits = (time.size() == 4 || time.size() == 6) && Number(time) >= 0;
    const int hhmm = digits ? Number(time.substr(0, 4)) : -1;
    if (hhmm >= 0 && hhmm / 100 < 24 && hhmm % 100 < 60)
        moment.time = hhmm;
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
