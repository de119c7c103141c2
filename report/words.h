#pragma once

#include "calc/words.h"

namespace report {

// calc's words in the interface's language, through the translators installed in Qt.
calc::Words words();

} // namespace report
