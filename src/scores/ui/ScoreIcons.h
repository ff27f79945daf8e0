#pragma once

#include "scores/ScoreBoard.h"

#include <QColor>
#include <QIcon>

/// The score board's row pictures and colours, drawn in code.
namespace velmora::ScoreIcons {

/// The picture of a row role; an empty icon for RowIcon::None.
QIcon Icon(RowIcon role);

/// Colours shared by the row pictures and the progress charts.
QColor WonColour();
QColor LostColour();
QColor PointsColour();
QColor AverageColour();

} // namespace velmora::ScoreIcons
