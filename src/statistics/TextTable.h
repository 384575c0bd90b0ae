#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Statistics {

// Rows of text in columns as wide as their widest cell: the first column aligned left, the
// others right, as numbers are; a column named in `leftAligned` aligns left too.
class TextTable
{
public:
    explicit TextTable(std::vector<std::string> heading, std::vector<std::size_t> leftAligned = {});
    void AddRow(std::vector<std::string> cells);
    // Each row a line, indented by two spaces, the heading first.
    std::string Render() const;

private:
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::size_t> leftAligned_;
};

} // namespace Statistics
