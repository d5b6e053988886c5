#pragma once

// Texts of the program that several parts share.
namespace tivrel {

inline constexpr const char* kApplicationTitle = "Tivrel-7";
inline constexpr const char* kWindowCaption = "PH Controller Tivrel-7 - www.tivrel7.pl";
inline constexpr const char* kStateFileName = "tivrel7.ini";
inline constexpr const char* kConnectHint = "Połącz z Tivrel-7";
inline constexpr const char* kDisconnectHint = "Rozłącz z Tivrel-7";
inline constexpr const char* kSmallScreenWarning =
    "Do poprawnego dzialania program wymaga \r\nrozdzielczosci minimum SVGA 800x600";

} // namespace tivrel
