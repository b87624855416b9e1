#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

// Icons drawn at run time from the embedded "Material Icons" font.
namespace Glyph {

// Code points used across the screens.
constexpr ushort Checking = 0xE84F;
constexpr ushort Savings = 0xE2EB;
constexpr ushort CreditCard = 0xE870;
constexpr ushort Cash = 0xE57D;
constexpr ushort Investment = 0xE8E5;
constexpr ushort OtherAccount = 0xE850;
constexpr ushort Wallet = 0xE850;
constexpr ushort Settings = 0xE8B8;
constexpr ushort ViewList = 0xE8EF;
constexpr ushort Sync = 0xE627;
constexpr ushort Info = 0xE88E;
constexpr ushort Shared = 0xE7FB;

// Registers the font with the font database once (start-up does it too).
void ensureFont();
QFont font(int pixelSize);
// A transparent pixmap of size x size with the glyph drawn centred.
QPixmap pixmap(ushort codePoint, const QColor &color, int pixelSize, int size = 0);
QIcon icon(ushort codePoint, const QColor &color, int pixelSize, int size = 0);

} // namespace Glyph
