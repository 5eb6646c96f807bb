#include "nativepp/NativeppUtf.h"

#include <cstdint>

namespace nativepp {

namespace {

const char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool isSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// Code points up to U+FFFF, surrogates included, are one unit; the rest a surrogate pair.
void appendUtf16(std::vector<jchar>& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<jchar>(codePoint));
    } else {
        codePoint -= 0x10000;
        out.push_back(static_cast<jchar>(0xD800 + (codePoint >> 10)));
        out.push_back(static_cast<jchar>(0xDC00 + (codePoint & 0x3FF)));
    }
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// How a UTF-8 lead byte goes on: the number of continuation bytes, the bits it contributes
// and the range allowed for the first continuation byte, which rules out overlong forms
// and code points above U+10FFFF. more is -1 for a byte that cannot start a sequence.
struct Utf8Lead {
    int more;
    char32_t bits;
    unsigned char low;
    unsigned char high;
};

Utf8Lead utf8Lead(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {1, lead & 0x1Fu, 0x80, 0xBF};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        // ED A0..ED BF are surrogates: taken, since modified UTF-8 writes them so.
        return {2, lead & 0x0Fu, static_cast<unsigned char>(lead == 0xE0 ? 0xA0 : 0x80), 0xBF};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {3, lead & 0x07u, static_cast<unsigned char>(lead == 0xF0 ? 0x90 : 0x80),
                static_cast<unsigned char>(lead == 0xF4 ? 0x8F : 0xBF)};
    }
    return {-1, 0, 0, 0};
}

// Decodes the sequence at text[i], advancing i past it (at least one byte) and no further
// than length.
char32_t decodeUtf8(const unsigned char* text, size_t length, size_t& i) {
    const unsigned char lead = text[i++];
    if (lead < 0x80) {
        return lead;
    }
    // Modified UTF-8's U+0000, the one overlong form that is accepted.
    if (lead == 0xC0 && i < length && text[i] == 0x80) {
        ++i;
        return 0;
    }
    Utf8Lead form = utf8Lead(lead);
    if (form.more < 0) {
        return kReplacement;
    }
    char32_t codePoint = form.bits;
    for (int k = 0; k < form.more; ++k) {
        if (i >= length || text[i] < form.low || text[i] > form.high) {
            return kReplacement;
        }
        codePoint = (codePoint << 6) | (text[i++] & 0x3Fu);
        form.low = 0x80;
        form.high = 0xBF;
    }
    return codePoint;
}

// Decodes the unit or pair at units[i], advancing i past it; an unpaired surrogate is U+FFFD.
char32_t decodeUtf16(const jchar* units, size_t length, size_t& i) {
    const char32_t unit = units[i++];
    if (isHighSurrogate(unit) && i < length && isLowSurrogate(units[i])) {
        return 0x10000 + ((unit - 0xD800) << 10) + (units[i++] - 0xDC00);
    }
    return isSurrogate(unit) ? kReplacement : unit;
}

}  // namespace

std::vector<jchar> NativeppUtf::utf16FromUtf8(const char* text, size_t length) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::vector<jchar> out;
    out.reserve(length);
    for (size_t i = 0; i < length;) {
        appendUtf16(out, decodeUtf8(bytes, length, i));
    }
    return out;
}

std::vector<jchar> NativeppUtf::utf16FromUtf32(const wchar_t* text, size_t length) {
    std::vector<jchar> out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        // Through uint32_t: wchar_t is signed here, and a negative one is no code point.
        const char32_t codePoint = static_cast<std::uint32_t>(text[i]);
        appendUtf16(out, codePoint <= 0x10FFFF ? codePoint : kReplacement);
    }
    return out;
}

std::string NativeppUtf::utf8FromUtf16(const jchar* units, size_t length) {
    std::string out;
    out.reserve(length);
    for (size_t i = 0; i < length;) {
        appendUtf8(out, decodeUtf16(units, length, i));
    }
    return out;
}

std::wstring NativeppUtf::utf32FromUtf16(const jchar* units, size_t length) {
    std::wstring out;
    out.reserve(length);
    for (size_t i = 0; i < length;) {
        out += static_cast<wchar_t>(decodeUtf16(units, length, i));
    }
    return out;
}

std::vector<jchar> NativeppUtf::unitsOf(jstring s, JNIEnv* env) {
    std::vector<jchar> units(static_cast<size_t>(env->GetStringLength(s)));
    if (!units.empty()) {
        env->GetStringRegion(s, 0, static_cast<jsize>(units.size()), units.data());
    }
    return units;
}

}  // namespace nativepp
