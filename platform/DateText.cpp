#include "platform/DateText.h"

#include <algorithm>
#include <clocale>
#include <langinfo.h>
#include <optional>
#include <vector>

namespace tivrel {

namespace {

// One piece of a strftime pattern: plain text, or a conversion with its flag and width.
struct Piece {
    bool isConversion = false;
    std::string text; // the plain text, or the conversion as written ("%-d", "%Op")
    char flag = '\0'; // '-', '_', '0', '^' or '#'
    int width = 0;
    char conversion = '\0';
};

// The conversions that stand for others; glibc's own %r follows the locale, which would make
// the text depend on more than the two formats.
std::string_view expansionOf(char conversion) {
    switch (conversion) {
    case 'D':
        return "%m/%d/%y";
    case 'F':
        return "%Y-%m-%d";
    case 'T':
        return "%H:%M:%S";
    case 'R':
        return "%H:%M";
    case 'r':
        return "%I:%M:%S %p";
    default:
        return {};
    }
}

bool isFlag(char c) {
    return c == '-' || c == '_' || c == '0' || c == '^' || c == '#';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void splitPattern(std::string_view pattern, std::vector<Piece>& pieces, int depth = 0) {
    std::size_t i = 0;
    auto addText = [&pieces](std::string_view text) {
        if (pieces.empty() || pieces.back().isConversion)
            pieces.push_back(Piece{});
        pieces.back().text += text;
    };
    while (i < pattern.size()) {
        if (pattern[i] != '%') {
            addText(pattern.substr(i, 1));
            ++i;
            continue;
        }
        const std::size_t start = i++;
        Piece piece;
        piece.isConversion = true;
        while (i < pattern.size() && isFlag(pattern[i]))
            piece.flag = pattern[i++];
        while (i < pattern.size() && isDigit(pattern[i]) && piece.width < 1000)
            piece.width = piece.width * 10 + (pattern[i++] - '0');
        while (i < pattern.size() && (pattern[i] == 'E' || pattern[i] == 'O'))
            ++i; // eras and alternative digits: the plain conversion is written
        if (i >= pattern.size()) {
            addText(pattern.substr(start)); // a "%" at the end stands for itself
            break;
        }
        piece.conversion = pattern[i++];
        piece.text = std::string(pattern.substr(start, i - start));
        const std::string_view expansion = expansionOf(piece.conversion);
        if (!expansion.empty() && depth < 2)
            splitPattern(expansion, pieces, depth + 1);
        else if (piece.conversion == '%')
            addText("%");
        else if (piece.conversion == 'n')
            addText("\n");
        else if (piece.conversion == 't')
            addText("\t");
        else
            pieces.push_back(std::move(piece));
    }
}

std::vector<Piece> piecesOf(std::string_view pattern) {
    std::vector<Piece> pieces;
    splitPattern(pattern, pieces);
    return pieces;
}

std::string padded(long value, int width, char pad, char flag) {
    const bool negative = value < 0;
    std::string digits;
    unsigned long magnitude =
        negative ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (flag == '-')
        width = 0;
    else if (flag == '_')
        pad = ' ';
    else if (flag == '0')
        pad = '0';
    const int length = static_cast<int>(digits.size()) + (negative ? 1 : 0);
    std::string text = negative ? "-" : "";
    if (pad == '0' && length < width)
        text.append(static_cast<std::size_t>(width - length), '0');
    text += digits;
    if (pad == ' ' && length < width)
        text.insert(0, static_cast<std::size_t>(width - length), ' ');
    return text;
}

int hourOn12HourClock(int hour) {
    const int hour12 = hour % 12;
    return hour12 == 0 ? 12 : hour12;
}

// The numeric conversions we write ourselves: value, default width and padding.
struct Number {
    long value;
    int width;
    char pad;
};

std::optional<Number> numberFor(char conversion, const std::tm& time) {
    const long year = static_cast<long>(time.tm_year) + 1900;
    switch (conversion) {
    case 'd':
        return Number{time.tm_mday, 2, '0'};
    case 'e':
        return Number{time.tm_mday, 2, ' '};
    case 'm':
        return Number{time.tm_mon + 1, 2, '0'};
    case 'Y':
        return Number{year, 1, '0'};
    case 'y':
        return Number{((year % 100) + 100) % 100, 2, '0'};
    case 'C':
        return Number{year / 100, 2, '0'};
    case 'H':
        return Number{time.tm_hour, 2, '0'};
    case 'k':
        return Number{time.tm_hour, 2, ' '};
    case 'I':
        return Number{hourOn12HourClock(time.tm_hour), 2, '0'};
    case 'l':
        return Number{hourOn12HourClock(time.tm_hour), 2, ' '};
    case 'M':
        return Number{time.tm_min, 2, '0'};
    case 'S':
        return Number{time.tm_sec, 2, '0'};
    case 'j':
        return Number{time.tm_yday + 1, 3, '0'};
    case 'u':
        return Number{time.tm_wday == 0 ? 7 : time.tm_wday, 1, '0'};
    case 'w':
        return Number{time.tm_wday, 1, '0'};
    default:
        return std::nullopt;
    }
}

// Names (weekday, month, AM/PM, time zone) and the rare rest come from the C library.
std::string libraryConversion(const Piece& piece, const std::tm& time) {
    char buffer[256];
    const std::size_t length = std::strftime(buffer, sizeof buffer, piece.text.c_str(), &time);
    return std::string(buffer, length);
}

bool isHour(const Piece& piece) {
    return piece.isConversion && (piece.conversion == 'H' || piece.conversion == 'I' ||
                                  piece.conversion == 'k' || piece.conversion == 'l');
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::optional<DateTimeFormats>& chosenFormats() {
    static std::optional<DateTimeFormats> formats;
    return formats;
}

} // namespace

void useUserDateTimeFormats() {
    std::setlocale(LC_TIME, "");
    setDateTimeFormats(localeDateTimeFormats());
}

DateTimeFormats localeDateTimeFormats() {
    // Copied at once: the library may reuse its buffers at the next call.
    return DateTimeFormats{std::string(nl_langinfo(D_FMT)), std::string(nl_langinfo(T_FMT))};
}

const DateTimeFormats& dateTimeFormats() {
    std::optional<DateTimeFormats>& formats = chosenFormats();
    if (!formats)
        formats = localeDateTimeFormats();
    return *formats;
}

void setDateTimeFormats(const DateTimeFormats& formats) {
    chosenFormats() = formats;
}

std::tm localTm(const QDateTime& moment) {
    const std::time_t seconds = static_cast<std::time_t>(moment.toSecsSinceEpoch());
    std::tm time{};
    localtime_r(&seconds, &time);
    return time;
}

std::string formatDateTime(std::string_view pattern, const std::tm& time) {
    std::string text;
    for (const Piece& piece : piecesOf(pattern)) {
        if (!piece.isConversion)
            text += piece.text;
        else if (const auto number = numberFor(piece.conversion, time))
            text += padded(number->value, std::max(number->width, piece.width), number->pad,
                           piece.flag);
        else
            text += libraryConversion(piece, time);
    }
    return text;
}

std::string shortDateText(const std::tm& time, const DateTimeFormats& formats) {
    return formatDateTime(formats.shortDate, time);
}
std::string shortDateText(const std::tm& time) {
    return shortDateText(time, dateTimeFormats());
}
std::string longTimeText(const std::tm& time, const DateTimeFormats& formats) {
    return formatDateTime(formats.longTime, time);
}
std::string longTimeText(const std::tm& time) {
    return longTimeText(time, dateTimeFormats());
}

std::string timeSeparator(std::string_view timeFormat) {
    const std::vector<Piece> pieces = piecesOf(timeFormat);
    for (std::size_t i = 0; i + 2 < pieces.size(); ++i) {
        if (!isHour(pieces[i]))
            continue;
        const Piece& between = pieces[i + 1];
        const Piece& minute = pieces[i + 2];
        if (!between.isConversion && minute.isConversion && minute.conversion == 'M' &&
            characterCount(between.text) == 1)
            return between.text;
        break;
    }
    return ":";
}

std::string timeText(std::string_view pattern, const std::tm& time, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::string_view rest = pattern.substr(i);
        if (rest.starts_with("hh")) {
            text += padded(time.tm_hour, 2, '0', '\0');
            ++i;
        } else if (rest.starts_with("nn")) {
            text += padded(time.tm_min, 2, '0', '\0');
            ++i;
        } else if (rest.starts_with("ss")) {
            text += padded(time.tm_sec, 2, '0', '\0');
            ++i;
        } else if (pattern[i] == ':') {
            text += separator;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string timeText(std::string_view pattern, const std::tm& time) {
    return timeText(pattern, time, timeSeparator(dateTimeFormats().longTime));
}

int weekdayNumber(const std::tm& time) {
    return time.tm_wday + 1;
}

int weekdayNumber(const QDate& date) {
    return date.dayOfWeek() % 7 + 1; // Qt counts from Monday 1 to Sunday 7
}

std::string minuteCharacters(std::string_view timeText) {
    if (timeText.size() <= 3)
        return {};
    return std::string(timeText.substr(3, 2));
}

} // namespace tivrel
