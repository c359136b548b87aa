#pragma once

#include <QIcon>

// The small picture beside the caption of navigation button i (0 to 7), drawn in code.
QIcon NavPicture(int frame);
