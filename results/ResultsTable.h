// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Zorvane developers
#pragma once

#include "match/MatchRecord.h"

#include <string>
#include <vector>

namespace zorvane {

// What the results dialog shows, computed from the record alone.
struct ResultsTable {
    struct Row {
        std::string PointsOne;
        std::string PointsTwo;
    };
    std::string HeadingOne;
    std::string HeadingTwo;
    std::vector<Row> Rows; // one per scored round
    std::string TotalOne;
    std::string TotalTwo;
};

// The first round's row; each next one a step below the one above.
inline constexpr int FirstRowTop = 56;
inline constexpr int RowStep = 24; // 360 twips at 96 dpi

[[nodiscard]] ResultsTable BuildResultsTable(const MatchRecord& record);

} // namespace zorvane
