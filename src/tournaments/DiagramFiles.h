#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileLocations.h"
#include "tournaments/DiagramPhases.h"

// The diagram pictures as bitmap files. A picture the program draws carries after its bitmap the
// signature of what it was drawn from, so that one drawn from another database's games (or by an
// older drawing) is known and drawn afresh, while a picture the program did not draw, a user's
// own, carries none and is shown as it is. Needs a QGuiApplication, as DiagramImage does.

// A digest of all the picture is drawn from: the phase, its games and the drawing's version.
std::string DiagramSignature(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups);
// The signature a picture file's bytes carry; nullopt for a picture the program did not draw.
std::optional<std::string> DrawnSignature(std::string_view bytes);
// The drawing of the phase's games as a signed bitmap file's bytes; empty when it cannot be made.
std::string DiagramFileBytes(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups);

// Writes the nine diagram pictures of the connected database into dir (made when missing) as
// bitmap files; returns their paths. Throws std::runtime_error when a file cannot be written.
std::vector<std::string> WriteDiagramPictures(const std::string& dir);

// The picture file to show for file, one of the nine: a user's own beside the program or in
// places.pictures as it is; else the program's drawing from the connected database, drawn into
// places.pictures when it is missing or was drawn from other games. Empty when it cannot be
// written. Throws DbError when the games cannot be read.
std::string DiagramPicture(const std::string& file, const FileLocations& places);
