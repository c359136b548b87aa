#pragma once

#include "core/ViewTexts.h"

// The fixed texts of the Misc Stats frame.

inline const Texts kBiggestWinsHeader = {"#", "Team A", "Team B", "A", "B", "Diff", "Tourn"};
inline const Texts kGeneralStatsLabels = {"Games played", "Goals scored", "Team A wins", "Draws",
                                          "Team B wins",  "Team A goals", "Team B goals"};
inline const Texts kRecordCategories = {"Most games played",
                                        "Best attack avg",
                                        "Best defense avg",
                                        "Worst attack avg",
                                        "Worst defense avg",
                                        "Best Team A attack avg",
                                        "Best Team A defense avg",
                                        "Worst Team A attack avg",
                                        "Worst Team A defense avg",
                                        "Best Team B attack avg",
                                        "Best Team B defense avg",
                                        "Worst Team B attack avg",
                                        "Worst Team B defense avg",
                                        "Most goals scored",
                                        "Most goals conceeded",
                                        "Most wins",
                                        "Most draws",
                                        "Most losses",
                                        "Biggest win %",
                                        "Biggest draw %",
                                        "Biggest loss %",
                                        "Most tournaments won"};
