#pragma once

#include <QColor>

// Colours as the windows' designs write them, &H00BBGGRR: red + 256 × green + 65536 × blue.
namespace WindowsColour {

inline constexpr quint32 Red = 0x000000FF;
inline constexpr quint32 Yellow = 0x0000FFFF;
inline constexpr quint32 White = 0x00FFFFFF;
inline constexpr quint32 Teal = 0x00808000;       // the main window's back colour
inline constexpr quint32 NoticeBlue = 0x00D8AD6E; // the maker's notice

} // namespace WindowsColour

QColor fromWindowsColour(quint32 bgr);
// The same colour written back as &H00BBGGRR; transparency is dropped.
quint32 toWindowsColour(const QColor &colour);
