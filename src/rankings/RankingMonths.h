#pragma once

#include "core/ViewTexts.h"

// The month combo box cmbRankMonth: one item per ranking column, oldest first, such as "May 2003"
// with item data 503; the most recent month is selected.
ComboList RankingMonthList();

// View "months": cmbRankMonth.
ViewTexts RankingMonthsView();
