#pragma once

#include "core/ViewTexts.h"

// The month combo box cmbRankMonth: one item per ranking column, oldest first, such as "May 2003"
// with item data 503; the current period is selected (the most recent month when it has none).
ComboList RankingMonthList();

// View "months": cmbRankMonth.
ViewTexts RankingMonthsView();
