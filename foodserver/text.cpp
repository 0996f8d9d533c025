#include "foodserver/text.h"

#include <array>

namespace foodserver {

namespace {

const std::array<unsigned char, 256> kFold = [] {
    std::array<unsigned char, 256> table{};
    for (std::size_t i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i);
    for (std::size_t c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<unsigned char>(c + 0x20);
    for (std::size_t c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) // multiplication sign
            table[c] = static_cast<unsigned char>(c + 0x20);
    }
    table[0x8A] = 0x9A; // S caron
    table[0x8C] = 0x9C; // OE
    table[0x8E] = 0x9E; // Z caron
    table[0x9F] = 0xFF; // Y diaeresis
    return table;
}();

// Unicode code points of the bytes 0x80..0x9F; the five bytes Windows-1252 leaves undefined stand
// for the C1 controls of the same value, so every byte has a character and back.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char32_t codePointOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80u] : char32_t(byte);
}

// The byte for a code point, or -1 when Windows-1252 has none.
int byteFor(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return int(code);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code)
            return int(0x80 + i);
    }
    return -1;
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// The next code point of strict UTF-8 (no overlong forms, no surrogates), or nothing.
bool nextCodePoint(std::string_view text, std::size_t& pos, char32_t& code)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        ++pos;
        return true;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return false;
    }
    if (pos + length > text.size())
        return false;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return false;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return false;
    pos += length;
    return true;
}

bool isDroppedByte(unsigned char b)
{
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D ||
           isSeparator(static_cast<char>(b));
}

} // namespace

bool isSeparator(char byte)
{
    return byte == kRecordEnd || byte == kFieldEnd || byte == kEntryEnd;
}

bool containsSeparator(std::string_view text)
{
    for (char c : text) {
        if (isSeparator(c))
            return true;
    }
    return false;
}

unsigned char foldByte(unsigned char byte)
{
    return kFold[byte];
}

std::string foldCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
    return folded;
}

std::string cleanField(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (!isDroppedByte(static_cast<unsigned char>(c)))
            kept.push_back(c);
    }
    const auto first = kept.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = kept.find_last_not_of(' ');
    return kept.substr(first, last - first + 1);
}

std::string_view takeLine(std::string_view& text)
{
    const auto newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

std::string toUtf8(std::string_view cp1252Bytes)
{
    std::string out;
    out.reserve(cp1252Bytes.size() + cp1252Bytes.size() / 4);
    for (char c : cp1252Bytes)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

bool fromUtf8(std::string_view utf8, std::string& cp1252Bytes)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t code = 0;
        if (!nextCodePoint(utf8, pos, code))
            return false;
        const int byte = byteFor(code);
        if (byte < 0)
            return false;
        out.push_back(static_cast<char>(byte));
    }
    cp1252Bytes = std::move(out);
    return true;
}

} // namespace foodserver
