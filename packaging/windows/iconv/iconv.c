/* iconv over the Win32 code page conversions. Unicode encodings are converted here; code pages by
 * MultiByteToWideChar and WideCharToMultiByte. One character at a time, so an error leaves the
 * input at the character that caused it, as POSIX iconv does: EILSEQ for an invalid or
 * unrepresentable character, EINVAL for one cut off by the end of the input, E2BIG when the
 * output is full. No encoding here has shift states. */
#include "iconv.h"

#include <errno.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

enum kind { UTF8, UTF16, UCS2, UTF32, SINGLE_BYTE, MULTI_BYTE };

#define NO_CHARACTER 0xFFFFFFFFu

struct codec {
    enum kind kind;
    int big_endian;
    UINT code_page;
    UINT longest;        /* bytes of a code page's longest character */
    uint32_t bytes[256]; /* a single-byte code page's characters, or NO_CHARACTER */
};

struct converter {
    struct codec from, to;
};

/* ---- Names ---- */

/* Names compare without case, '-', '_' or spaces: "Shift_JIS" is "SHIFT-JIS". */
static int fold_name(const char* name, char* out, size_t size) {
    size_t n = 0;
    for (; *name; ++name) {
        const char c = *name;
        if (c == '-' || c == '_' || c == ' ') continue;
        if (n + 1 == size) return 0;
        out[n++] = (c >= 'a' && c <= 'z') ? (char)(c - 'a' + 'A') : c;
    }
    out[n] = '\0';
    return 1;
}

static const struct {
    const char* name;
    enum kind kind;
    int big_endian;
} unicode_names[] = {
    {"UTF8", UTF8, 0},   {"UTF16LE", UTF16, 0}, {"UTF16BE", UTF16, 1}, {"UCS2LE", UCS2, 0},
    {"UCS2BE", UCS2, 1}, {"UTF32LE", UTF32, 0}, {"UTF32BE", UTF32, 1},
};

/* Windows has no tables of HKSCS nor of the EUC forms it names 51932..51949: the code pages
 * that hold them (Big5's, JIS X 0208's, GBK's and UHC's) read their common characters alike. */
static const struct {
    const char* name;
    UINT code_page;
} code_page_names[] = {
    {"SHIFTJIS", 932},    {"SJIS", 932},     {"MSKANJI", 932},    {"BIG5", 950},
    {"BIG5HKSCS", 950},   {"GBK", 936},      {"GB2312", 936},     {"EUCCN", 936},
    {"GB18030", 54936},   {"EUCKR", 949},    {"UHC", 949},        {"JOHAB", 1361},
    {"EUCJP", 20932},     {"KOI8R", 20866},  {"KOI8U", 21866},    {"ASCII", 20127},
    {"USASCII", 20127},   {"LATIN1", 28591}, {"ISO88591", 28591}, {"ISO885913", 28603},
    {"ISO885915", 28605},
};

/* The number after a prefix ("CP1252", "WINDOWS-1252", "IBM850", "ISO-8859-2"), or 0. */
static UINT number_after(const char* folded, const char* prefix) {
    const size_t length = strlen(prefix);
    if (strncmp(folded, prefix, length) != 0 || folded[length] == '\0') return 0;
    UINT number = 0;
    for (const char* c = folded + length; *c; ++c) {
        if (*c < '0' || *c > '9' || number > 100000) return 0;
        number = number * 10 + (UINT)(*c - '0');
    }
    return number;
}

/* Code pages whose conversions take no error flags cannot report a bad character. */
static int reports_errors(UINT code_page) {
    return code_page != 42 && !(code_page >= 50220 && code_page <= 50229) && code_page != 52936 &&
           !(code_page >= 57002 && code_page <= 57011) && code_page != 65000;
}

static int open_code_page(struct codec* codec, UINT code_page) {
    CPINFO info;
    if (code_page == CP_UTF8) {
        codec->kind = UTF8;
        return 1;
    }
    if (code_page == 0 || !reports_errors(code_page) || !GetCPInfo(code_page, &info)) return 0;
    codec->code_page = code_page;
    codec->longest = info.MaxCharSize;
    codec->kind = info.MaxCharSize == 1 ? SINGLE_BYTE : MULTI_BYTE;
    if (codec->kind == MULTI_BYTE) return 1;
    for (int b = 0; b < 256; ++b) {
        const char byte = (char)b;
        WCHAR wide[2];
        const int n = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, &byte, 1, wide, 2);
        codec->bytes[b] = n == 1 ? wide[0] : NO_CHARACTER;
    }
    return 1;
}

static int open_codec(struct codec* codec, const char* name) {
    char folded[32];
    if (!fold_name(name, folded, sizeof folded)) return 0;
    for (size_t i = 0; i < sizeof unicode_names / sizeof unicode_names[0]; ++i) {
        if (strcmp(folded, unicode_names[i].name) != 0) continue;
        codec->kind = unicode_names[i].kind;
        codec->big_endian = unicode_names[i].big_endian;
        return 1;
    }
    for (size_t i = 0; i < sizeof code_page_names / sizeof code_page_names[0]; ++i) {
        if (strcmp(folded, code_page_names[i].name) == 0)
            return open_code_page(codec, code_page_names[i].code_page);
    }
    const UINT iso = number_after(folded, "ISO8859");
    if (iso >= 1 && iso <= 9) return open_code_page(codec, 28590 + iso);
    UINT code_page = number_after(folded, "CP");
    if (!code_page) code_page = number_after(folded, "WINDOWS");
    if (!code_page) code_page = number_after(folded, "IBM");
    return open_code_page(codec, code_page);
}

/* ---- Decoding: one character off the input ---- */

static int decode_utf8(const unsigned char* in, size_t left, uint32_t* character, size_t* used) {
    const unsigned char lead = in[0];
    size_t length;
    uint32_t value;
    if (lead < 0x80) {
        *character = lead;
        *used = 1;
        return 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return EILSEQ;
    }
    /* The second byte's range rules out overlong forms, surrogates and values past U+10FFFF. */
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    for (size_t i = 1; i < length; ++i) {
        if (i == left) return EINVAL;
        if (in[i] < (i == 1 ? low : 0x80) || in[i] > (i == 1 ? high : 0xBF)) return EILSEQ;
        value = (value << 6) | (in[i] & 0x3F);
    }
    *character = value;
    *used = length;
    return 0;
}

static uint32_t unit16(const unsigned char* in, int big_endian) {
    return big_endian ? (uint32_t)(in[0] << 8 | in[1]) : (uint32_t)(in[1] << 8 | in[0]);
}

static int decode_utf16(const struct codec* codec, const unsigned char* in, size_t left,
                        uint32_t* character, size_t* used) {
    if (left < 2) return EINVAL;
    const uint32_t first = unit16(in, codec->big_endian);
    if (first < 0xD800 || first > 0xDFFF) {
        *character = first;
        *used = 2;
        return 0;
    }
    if (codec->kind == UCS2 || first >= 0xDC00) return EILSEQ;
    if (left < 4) return EINVAL;
    const uint32_t second = unit16(in + 2, codec->big_endian);
    if (second < 0xDC00 || second > 0xDFFF) return EILSEQ;
    *character = 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    *used = 4;
    return 0;
}

static int decode_utf32(const struct codec* codec, const unsigned char* in, size_t left,
                        uint32_t* character, size_t* used) {
    if (left < 4) return EINVAL;
    const uint32_t value = codec->big_endian
                               ? (uint32_t)in[0] << 24 | (uint32_t)in[1] << 16 | in[2] << 8 | in[3]
                               : (uint32_t)in[3] << 24 | (uint32_t)in[2] << 16 | in[1] << 8 | in[0];
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return EILSEQ;
    *character = value;
    *used = 4;
    return 0;
}

/* The shortest run of bytes that is one character; a run the input cuts short is incomplete. */
static int decode_multi_byte(const struct codec* codec, const unsigned char* in, size_t left,
                             uint32_t* character, size_t* used) {
    const size_t most = left < codec->longest ? left : codec->longest;
    for (size_t length = 1; length <= most; ++length) {
        WCHAR wide[2];
        const int n = MultiByteToWideChar(codec->code_page, MB_ERR_INVALID_CHARS, (const char*)in,
                                          (int)length, wide, 2);
        if (n == 1 && (wide[0] < 0xD800 || wide[0] > 0xDFFF)) {
            *character = wide[0];
        } else if (n == 2 && wide[0] >= 0xD800 && wide[0] < 0xDC00 && wide[1] >= 0xDC00 &&
                   wide[1] <= 0xDFFF) {
            *character = 0x10000 + ((uint32_t)(wide[0] - 0xD800) << 10) + (wide[1] - 0xDC00);
        } else {
            /* A double-byte code page's character is longer only when it starts with a lead. */
            if (codec->longest == 2 && !IsDBCSLeadByteEx(codec->code_page, in[0])) return EILSEQ;
            continue;
        }
        *used = length;
        return 0;
    }
    return most < codec->longest ? EINVAL : EILSEQ;
}

static int decode(const struct codec* codec, const unsigned char* in, size_t left,
                  uint32_t* character, size_t* used) {
    switch (codec->kind) {
        case UTF8:
            return decode_utf8(in, left, character, used);
        case UTF16:
        case UCS2:
            return decode_utf16(codec, in, left, character, used);
        case UTF32:
            return decode_utf32(codec, in, left, character, used);
        case SINGLE_BYTE:
            if (codec->bytes[in[0]] == NO_CHARACTER) return EILSEQ;
            *character = codec->bytes[in[0]];
            *used = 1;
            return 0;
        case MULTI_BYTE:
            return decode_multi_byte(codec, in, left, character, used);
    }
    return EILSEQ;
}

/* ---- Encoding: one character into at most 8 bytes ---- */

static size_t put16(unsigned char* out, uint32_t unit, int big_endian) {
    out[big_endian ? 0 : 1] = (unsigned char)(unit >> 8);
    out[big_endian ? 1 : 0] = (unsigned char)unit;
    return 2;
}

static size_t encode_utf8(uint32_t character, unsigned char* out) {
    if (character < 0x80) {
        out[0] = (unsigned char)character;
        return 1;
    }
    const size_t length = character < 0x800 ? 2 : character < 0x10000 ? 3 : 4;
    static const unsigned char leads[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (size_t i = length - 1; i > 0; --i) {
        out[i] = (unsigned char)(0x80 | (character & 0x3F));
        character >>= 6;
    }
    out[0] = (unsigned char)(leads[length] | character);
    return length;
}

static int encode_code_page(const struct codec* codec, uint32_t character, unsigned char* out,
                            size_t* size) {
    WCHAR wide[2];
    int units = 1;
    if (character >= 0x10000) {
        wide[0] = (WCHAR)(0xD800 + ((character - 0x10000) >> 10));
        wide[1] = (WCHAR)(0xDC00 + ((character - 0x10000) & 0x3FF));
        units = 2;
    } else {
        wide[0] = (WCHAR)character;
    }
    /* GB18030 holds every character, and takes neither flag nor default-character report. */
    const int gb18030 = codec->code_page == 54936;
    BOOL defaulted = FALSE;
    const int n =
        WideCharToMultiByte(codec->code_page, gb18030 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS,
                            wide, units, (char*)out, 8, NULL, gb18030 ? NULL : &defaulted);
    if (n <= 0 || defaulted) return EILSEQ;
    *size = (size_t)n;
    return 0;
}

static int encode(const struct codec* codec, uint32_t character, unsigned char* out, size_t* size) {
    switch (codec->kind) {
        case UTF8:
            *size = encode_utf8(character, out);
            return 0;
        case UCS2:
            if (character >= 0x10000) return EILSEQ;
            /* fall through */
        case UTF16:
            if (character < 0x10000) {
                *size = put16(out, character, codec->big_endian);
            } else {
                put16(out, 0xD800 + ((character - 0x10000) >> 10), codec->big_endian);
                *size =
                    2 + put16(out + 2, 0xDC00 + ((character - 0x10000) & 0x3FF), codec->big_endian);
            }
            return 0;
        case UTF32:
            for (int i = 0; i < 4; ++i)
                out[codec->big_endian ? 3 - i : i] = (unsigned char)(character >> (8 * i));
            *size = 4;
            return 0;
        case SINGLE_BYTE:
        case MULTI_BYTE:
            return encode_code_page(codec, character, out, size);
    }
    return EILSEQ;
}

/* ---- The calls ---- */

iconv_t iconv_open(const char* tocode, const char* fromcode) {
    struct converter* converter = calloc(1, sizeof *converter);
    if (!converter) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    if (!tocode || !fromcode || !open_codec(&converter->to, tocode) ||
        !open_codec(&converter->from, fromcode)) {
        free(converter);
        errno = EINVAL;
        return (iconv_t)-1;
    }
    return converter;
}

size_t iconv(iconv_t cd, char** inbuf, size_t* inbytesleft, char** outbuf, size_t* outbytesleft) {
    if (!cd || cd == (iconv_t)-1) {
        errno = EBADF;
        return (size_t)-1;
    }
    if (!inbuf || !*inbuf) return 0; /* no shift state to return to */
    const struct converter* converter = cd;
    const size_t room = outbuf && *outbuf && outbytesleft ? *outbytesleft : 0;
    size_t written = 0;
    while (*inbytesleft > 0) {
        uint32_t character;
        size_t used, size;
        unsigned char bytes[8];
        int error =
            decode(&converter->from, (const unsigned char*)*inbuf, *inbytesleft, &character, &used);
        if (!error) error = encode(&converter->to, character, bytes, &size);
        if (!error && size > room - written) error = E2BIG;
        if (error) {
            errno = error;
            return (size_t)-1;
        }
        memcpy(*outbuf, bytes, size);
        *outbuf += size;
        *outbytesleft -= size;
        written += size;
        *inbuf += used;
        *inbytesleft -= used;
    }
    return 0;
}

int iconv_close(iconv_t cd) {
    if (!cd || cd == (iconv_t)-1) {
        errno = EBADF;
        return -1;
    }
    free(cd);
    return 0;
}
