#pragma once
// Colour numbers of the interface description: 0x00BBGGRR, or a system
// colour (0x80000000 + index) taken from the application's palette.
#include <QColor>

namespace lumena {

QColor ColorFromNumber(int number);

}  // namespace lumena
