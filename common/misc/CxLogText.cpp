#include "CxLogText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

// One conversion of the format: "%", its flags, width, precision and length,
// and the conversion character.
struct tagConversion {
    std::string directive;
    std::string length; // "", "hh", "h", "l", "ll", "j", "z", "t", "L"
    char conversion = 0;
    bool bLeft = false;
    int nWidth = -1;     // -1: none
    int nPrecision = -1; // -1: none
};

bool IsFlag(char c) {
    return c && std::strchr("-+ #0'", c);
}

// No field of a log line is wider than this.
constexpr int kMaxField = 10000;

int Digits(const char*& p) {
    int value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (value < kMaxField)
            value = value * 10 + (*p - '0');
    return value;
}

// Reads the conversion after a '%' at `p`, taking '*' values from `args`;
// `p` ends after it. False for a format that ends inside one.
bool ReadConversion(const char*& p, va_list& args, tagConversion* c) {
    const char* start = p - 1;
    while (IsFlag(*p))
        c->bLeft = c->bLeft || *p++ == '-';
    if (*p == '*') {
        ++p;
        const int width = va_arg(args, int);
        c->bLeft = c->bLeft || width < 0;
        c->nWidth = width < 0 ? (width < -kMaxField ? kMaxField : -width) : width;
    } else if (*p >= '0' && *p <= '9') {
        c->nWidth = Digits(p);
    }
    if (*p == '.') {
        ++p;
        c->nPrecision = *p == '*' ? (++p, va_arg(args, int)) : Digits(p);
        if (c->nPrecision < 0)
            c->nPrecision = -1; // as if none was given
    }
    if (c->nWidth > kMaxField)
        c->nWidth = kMaxField;
    const char* length = p;
    while (*p && std::strchr("hlLjztq", *p))
        ++p;
    c->length.assign(length, p);
    if (!*p)
        return false;
    c->conversion = *p++;
    // A text's precision only bounds what is read of it.
    if (c->conversion != 's' && c->nPrecision > kMaxField)
        c->nPrecision = kMaxField;
    // The directive for snprintf, with the '*' values written out.
    c->directive = "%";
    for (const char* q = start + 1; q < length; ++q)
        if (IsFlag(*q))
            c->directive += *q;
    if (c->nWidth >= 0)
        c->directive += std::to_string(c->nWidth);
    if (c->nPrecision >= 0)
        c->directive += "." + std::to_string(c->nPrecision);
    c->directive += c->length + c->conversion;
    return true;
}

template <class T> std::string FormatOne(const std::string& directive, T value) {
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, directive.c_str(), value);
    if (n < 0)
        return std::string();
    if (static_cast<std::size_t>(n) < sizeof buffer)
        return std::string(buffer, static_cast<std::size_t>(n));
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(&big[0], big.size(), directive.c_str(), value);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

std::string Padded(std::string text, const tagConversion& c) {
    if (c.nWidth > 0 && text.size() < static_cast<std::size_t>(c.nWidth)) {
        const std::string pad(static_cast<std::size_t>(c.nWidth) - text.size(), ' ');
        text = c.bLeft ? text + pad : pad + text;
    }
    return text;
}

std::string Text(const char* text, const tagConversion& c) {
    if (!text)
        return Padded("(null)", c);
    // A precision bounds what is read: the text need not end within it.
    const std::size_t length = c.nPrecision >= 0
                                   ? strnlen(text, static_cast<std::size_t>(c.nPrecision))
                                   : std::strlen(text);
    return Padded(CxLogEscape(text, length), c);
}

// The argument type of a length modifier, signed or not.
template <bool Signed, class T> using Sized = std::conditional_t<Signed, T, std::make_unsigned_t<T>>;

template <class T> T Next(va_list& args) {
    return va_arg(args, T);
}

template <bool Signed> std::string Integer(const tagConversion& c, va_list& args) {
    const std::string& l = c.length;
    if (l == "l")
        return FormatOne(c.directive, Next<Sized<Signed, long>>(args));
    if (l == "ll" || l == "q")
        return FormatOne(c.directive, Next<Sized<Signed, long long>>(args));
    if (l == "j")
        return FormatOne(c.directive, Next<Sized<Signed, intmax_t>>(args));
    if (l == "z" || l == "t")
        return FormatOne(c.directive, Next<Sized<Signed, ptrdiff_t>>(args));
    return FormatOne(c.directive, Next<Sized<Signed, int>>(args));
}

std::string Converted(const tagConversion& c, va_list& args) {
    switch (c.conversion) {
    case 'd':
    case 'i':
        return Integer<true>(c, args);
    case 'o':
    case 'u':
    case 'x':
    case 'X':
        return Integer<false>(c, args);
    case 'c': {
        const char one = static_cast<char>(va_arg(args, int));
        return Padded(CxLogEscape(&one, 1), c);
    }
    case 's':
        return Text(va_arg(args, const char*), c);
    case 'p':
        return FormatOne(c.directive, va_arg(args, void*));
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        if (c.length == "L")
            return FormatOne(c.directive, va_arg(args, long double));
        return FormatOne(c.directive, va_arg(args, double));
    case 'n':
        va_arg(args, void*); // nothing is stored through a log line
        return std::string();
    case '%':
        return "%";
    default:
        return c.directive; // unknown: shown as written, nothing taken
    }
}

} // namespace

std::string CxLogEscape(const char* text, std::size_t length) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7f) {
                out += "\\x";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

std::string CxLogFormat(std::size_t limit, const char* format, va_list args) {
    std::string out;
    if (!format)
        return out;
    va_list work;
    va_copy(work, args);
    for (const char* p = format; *p && out.size() < limit;) {
        const char* percent = std::strchr(p, '%');
        if (!percent) {
            out.append(p);
            break;
        }
        out.append(p, percent);
        p = percent + 1;
        tagConversion c;
        if (!ReadConversion(p, work, &c))
            break;
        out += Converted(c, work);
    }
    va_end(work);
    if (out.size() > limit)
        out.resize(limit);
    return out;
}
