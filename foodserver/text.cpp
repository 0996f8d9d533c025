#include "text.h"

#include "lang/cp1252.h"

#include <QString>
#include <array>

namespace foodserver {

namespace {

const std::array<unsigned char, 256> kFold = [] {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<unsigned char>(c + 0x20);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) // multiplication sign
            table[c] = static_cast<unsigned char>(c + 0x20);
    }
    table[0x8A] = 0x9A; // S caron
    table[0x8C] = 0x9C; // OE
    table[0x8E] = 0x9E; // Z caron
    table[0x9F] = 0xFF; // Y diaeresis
    return table;
}();

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

std::string toUtf8(std::string_view cp1252Bytes)
{
    return cp1252::decode(QByteArrayView(cp1252Bytes.data(), qsizetype(cp1252Bytes.size())))
        .toUtf8()
        .toStdString();
}

bool fromUtf8(std::string_view utf8, std::string& cp1252Bytes)
{
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    if (!cp1252::canEncode(text))
        return false;
    cp1252Bytes = cp1252::encode(text).toStdString();
    return true;
}

} // namespace foodserver
