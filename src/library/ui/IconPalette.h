#pragma once

#include <QColor>

/// The colours every drawn icon shares, so that the toolbar and the dialogs match.
namespace velmora::IconPalette {

inline const QColor Ink(46, 52, 64);
inline const QColor Blue(38, 110, 196);
inline const QColor BlueDark(22, 70, 140);
inline const QColor Green(46, 150, 72);
inline const QColor GreenDark(24, 100, 44);
inline const QColor Red(204, 52, 52);
inline const QColor Gold(240, 188, 48);
inline const QColor GoldLine(160, 112, 16);
inline const QColor FolderFill(238, 196, 92);
inline const QColor FolderLine(170, 122, 30);
inline const QColor Paper(252, 252, 248);

} // namespace velmora::IconPalette
