#pragma once
// Byte-level helpers for Windows-1252 text as it travels in queries and replies.
#include <string>
#include <string_view>

namespace foodserver {

// The reply's record and field terminators and the file-format terminator.
inline constexpr char kRecordEnd = '\xBC';
inline constexpr char kFieldEnd = '\xBD';
inline constexpr char kEntryEnd = '\xBE';

bool isSeparator(char byte);
bool containsSeparator(std::string_view text);

// Lower-case letter for an upper-case Windows-1252 letter, any other byte unchanged.
unsigned char foldByte(unsigned char byte);
std::string foldCase(std::string_view text);

// Removes the separators, control bytes and the five bytes Windows-1252 leaves undefined, then
// trims blanks at both ends. What is left can be a field of a reply record.
std::string cleanField(std::string_view text);

// The first line of text without its line end (LF or CR LF); text keeps what follows it.
std::string_view takeLine(std::string_view& text);

// Windows-1252 bytes <-> UTF-8 (the database and the bundled tables hold UTF-8).
std::string toUtf8(std::string_view cp1252Bytes);
// False when the text holds a character Windows-1252 cannot represent.
bool fromUtf8(std::string_view utf8, std::string& cp1252Bytes);

} // namespace foodserver
