// Properties as stored: "MR2" or "KKD" and a zero byte, then blocks, each a 4-byte length (itself
// included) and a 2-byte type. A block of type 0x80 lists the property names; one of type 0 to 2
// holds the properties of one object (the table, or a column by its name): a 4-byte length, the
// name, then each property as a 2-byte length, a byte, its value's type, the number of its name,
// its value's length and the value.

#include "db/reader/Properties.h"

#include <memory>
#include <vector>

#include "db/reader/TablePages.h"

namespace {

constexpr unsigned kNamesBlock = 0x80;
constexpr unsigned kLastObjectBlock = 0x02;

unsigned Le(std::string_view bytes, std::size_t at, int size) {
    unsigned v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return v;
}

void AppendUtf8(std::string& text, unsigned c) {
    const auto byte = [&](unsigned b) { text += static_cast<char>(b); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | c >> 6);
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | c >> 12);
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | c >> 18);
        byte(0x80 | (c >> 12 & 0x3F));
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

// UTF-16LE as UTF-8, up to a zero unit; empty where it is not text (a surrogate out of its pair).
std::string Utf8(std::string_view utf16) {
    std::string text;
    const std::size_t units = utf16.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        unsigned c = Le(utf16, 2 * i, 2);
        if (c == 0) break;
        if (c >= 0xDC00 && c <= 0xDFFF) return {};
        if (c >= 0xD800 && c <= 0xDBFF) {
            const unsigned low = ++i < units ? Le(utf16, 2 * i, 2) : 0;
            if (low < 0xDC00 || low > 0xDFFF) return {};
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(text, c);
    }
    return text;
}

std::vector<std::string> Names(std::string_view block) {
    std::vector<std::string> names;
    for (std::size_t at = 0; at + 2 <= block.size();) {
        const std::size_t length = Le(block, at, 2);
        at += 2;
        if (length > block.size() - at) break;
        names.push_back(Utf8(block.substr(at, length)));
        at += length;
    }
    return names;
}

void AddResultType(std::string_view block, const std::vector<std::string>& names,
                   std::map<std::string, int>& types) {
    if (block.size() < 6) return;
    const std::size_t nameLength = Le(block, 4, 2);
    if (nameLength > block.size() - 6) return;
    const std::string object = Utf8(block.substr(6, nameLength));
    for (std::size_t at = 6 + nameLength; at + 8 <= block.size();) {
        const std::size_t length = Le(block, at, 2);
        const std::size_t name = Le(block, at + 4, 2), size = Le(block, at + 6, 2);
        if (length < 8 || size > block.size() - at - 8) return;
        if (name < names.size() && names[name] == "ResultType" && size >= 1) {
            types[object] = static_cast<unsigned char>(block[at + 8]);
        }
        at += length;
    }
}

}  // namespace

std::map<std::string, int> ResultTypes(std::string_view properties) {
    std::map<std::string, int> types;
    const std::string_view kind = properties.substr(0, 4);
    if (kind != std::string_view("MR2\0", 4) && kind != std::string_view("KKD\0", 4)) return types;
    std::vector<std::string> names;
    for (std::size_t at = 4; at + 6 <= properties.size();) {
        const std::size_t length = Le(properties, at, 4);
        if (length < 6 || length > properties.size() - at) break;
        const std::string_view block = properties.substr(at + 6, length - 6);
        const unsigned type = Le(properties, at + 4, 2);
        if (type == kNamesBlock) names = Names(block);
        if (type <= kLastObjectBlock) AddResultType(block, names, types);
        at += length;
    }
    return types;
}
