// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#include "results/ResultsTable.h"

#include <algorithm>

namespace zorvane {

ResultsTable BuildResultsTable(const MatchRecord& record)
{
    ResultsTable table;
    table.HeadingOne = record.PlayerOneName;
    table.HeadingTwo = record.PlayerTwoName;
    const auto rows = static_cast<std::size_t>(std::clamp(record.RoundIndex, 0, RoundsPerMatch));
    for (std::size_t i = 0; i < rows; ++i) {
        table.Rows.push_back(
            {std::to_string(record.RoundScoreOne[i]), std::to_string(record.RoundScoreTwo[i])});
    }
    table.TotalOne = std::to_string(TotalOne(record));
    table.TotalTwo = std::to_string(TotalTwo(record));
    return table;
}

} // namespace zorvane
