// Where this run keeps its files, and the desktop entry its window belongs to.
#pragma once
#include "settings/file_places.h"

namespace yukora::window {

// The desktop file's name without ".desktop", which is also the icon's name.
const char* デスクトップID();

// The run folder when the help page lies beside the executable, else the installed layout
// with the desktop's documents folder for records; the settings folder is made ready.
置き場 起動時の置き場();

}  // namespace yukora::window
