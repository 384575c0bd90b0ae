#include "statistics/TextTable.h"

#include <algorithm>

namespace Statistics {

TextTable::TextTable(std::vector<std::string> heading, std::vector<std::size_t> leftAligned)
    : leftAligned_(std::move(leftAligned))
{
    leftAligned_.push_back(0);
    rows_.push_back(std::move(heading));
}

void TextTable::AddRow(std::vector<std::string> cells)
{
    rows_.push_back(std::move(cells));
}

std::string TextTable::Render() const
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows_) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    std::string text;
    for (const auto& row : rows_) {
        std::string line = "  ";
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string padding(widths[i] - row[i].size(), ' ');
            const bool left =
                std::find(leftAligned_.begin(), leftAligned_.end(), i) != leftAligned_.end();
            if (i != 0)
                line += "  ";
            line += left ? row[i] + padding : padding + row[i];
        }
        // No blanks at the end of a line.
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + '\n';
    }
    return text;
}

} // namespace Statistics
