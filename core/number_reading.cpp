#include "core/number_reading.h"

#include <cstdlib>

namespace {

constexpr unsigned char kFullWidthRow = 0xA3;   // full-width forms of printable ASCII
constexpr unsigned char kSymbolRow = 0xA1;
constexpr unsigned char kIdeographicSpace = 0xA1;  // A1A1, U+3000
constexpr unsigned char kFullWidthTilde = 0xAB;    // A1AB, U+FF5E
constexpr unsigned char kWhiteStar = 0xEE;         // A1EE
constexpr unsigned char kBlackStar = 0xEF;         // A1EF

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// The ASCII character a double-byte GBK character folds to, or 0 when it stays.
char FoldedAscii(unsigned char lead, unsigned char trail) {
    if (lead == kFullWidthRow && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
    if (lead == kSymbolRow) {
        if (trail == kIdeographicSpace) return ' ';
        if (trail == kFullWidthTilde) return '~';
        if (trail == kWhiteStar || trail == kBlackStar) return '*';
    }
    return 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// White space as isspace() in the "C" locale.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Length of the longest prefix of text (from pos) that fits
// [sign] digits [. digits] [(e|E) [sign] digits], with at least one mantissa
// digit; 0 when there is no such prefix.
std::size_t ScanDecimal(std::string_view text, std::size_t pos) {
    const std::size_t begin = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    std::size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    }
    if (digits == 0) return 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        if (exp < text.size() && IsDigit(text[exp])) {
            while (exp < text.size() && IsDigit(text[exp])) ++exp;
            pos = exp;
        }
    }
    return pos - begin;
}

}  // namespace

std::string NormalizeFullWidth(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        if (!IsLeadByte(b)) {
            out.push_back(gbk[i]);
            continue;
        }
        if (i + 1 == gbk.size()) break;  // a lead byte without its trail byte
        const auto trail = static_cast<unsigned char>(gbk[i + 1]);
        if (const char ascii = FoldedAscii(b, trail)) {
            out.push_back(ascii);
        } else {
            out.push_back(gbk[i]);
            out.push_back(gbk[i + 1]);
        }
        ++i;
    }
    return out;
}

double ReadNumber(std::string_view gbk) {
    const std::string text = NormalizeFullWidth(gbk);
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    const std::size_t length = ScanDecimal(text, pos);
    if (length == 0) return 0.0;
    // Only the scanned decimal goes to strtod, so hex, "inf" and "nan" never reach it.
    // The program never changes the "C" locale, so "." is the decimal point.
    const std::string number = text.substr(pos, length);
    return std::strtod(number.c_str(), nullptr);
}
