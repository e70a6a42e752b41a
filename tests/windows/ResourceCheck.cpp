// Reads the program's resources back from the test program itself, which the wine check
// links with the same resource script as the program.
#ifdef _WIN32

#include "platform/windows/Win32Types.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

using Check = void (*)(bool, const char *, int);

struct Blob
{
    const unsigned char *data = nullptr;
    DWORD size = 0;
};

Blob resource(LPCSTR type, int id)
{
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (!found)
        return {};
    const HGLOBAL loaded = LoadResource(nullptr, found);
    return {static_cast<const unsigned char *>(LockResource(loaded)),
            SizeofResource(nullptr, found)};
}

unsigned word(const Blob &blob, std::size_t offset)
{
    return offset + 2 <= blob.size ? unsigned(blob.data[offset] | blob.data[offset + 1] << 8) : 0;
}

std::uint32_t dword(const Blob &blob, std::size_t offset)
{
    return word(blob, offset) | std::uint32_t(word(blob, offset + 2)) << 16;
}

// The value stored under a key of the version information's string table.
std::string versionString(const Blob &blob, const char *key)
{
    std::string pattern;
    for (const char *c = key; *c; ++c)
        pattern += {*c, '\0'};
    pattern += {'\0', '\0'};
    const std::string bytes(reinterpret_cast<const char *>(blob.data), blob.size);
    std::size_t at = bytes.find(pattern);
    if (at == std::string::npos)
        return {};
    at += pattern.size();
    while (at + 1 < bytes.size() && bytes[at] == '\0' && bytes[at + 1] == '\0')
        at += 2;
    std::string value;
    for (; at + 1 < bytes.size() && (bytes[at] || bytes[at + 1]); at += 2)
        value += bytes[at];
    return value;
}

} // namespace

void checkResources(Check check, std::string &context)
{
#define CHECK(condition) check((condition), #condition, __LINE__)
    context = "resources: program icon";
    const Blob icons = resource(MAKEINTRESOURCEA(14), 1); // RT_GROUP_ICON
    CHECK(icons.data != nullptr);
    CHECK(word(icons, 2) == 1 && word(icons, 4) == 4);

    context = "resources: hand cursor";
    const Blob cursors = resource(MAKEINTRESOURCEA(12), 103); // RT_GROUP_CURSOR
    CHECK(cursors.data != nullptr);
    CHECK(word(cursors, 2) == 2 && word(cursors, 4) == 1);
    const Blob cursor = resource(MAKEINTRESOURCEA(1), int(word(cursors, 6 + 12))); // RT_CURSOR
    CHECK(cursor.data != nullptr);
    CHECK(word(cursor, 0) == 5 && word(cursor, 2) == 0);

    context = "resources: version";
    const Blob version = resource(MAKEINTRESOURCEA(16), 1); // RT_VERSION
    CHECK(version.data != nullptr);
    const std::string raw(reinterpret_cast<const char *>(version.data), version.size);
    const std::size_t fixed = raw.find("\xBD\x04\xEF\xFE");
    CHECK(fixed != std::string::npos);
    CHECK(dword(version, fixed + 8) == 0x00010002 && dword(version, fixed + 12) == 10);
    CHECK(versionString(version, "ProductName") == "Orvanta");
    CHECK(versionString(version, "FileVersion") == "1.02.0010");
    CHECK(versionString(version, "FileDescription") ==
          "A program to shutdown, reboot or log off the computer at any time.");

    context = "resources: manifest";
    const Blob manifest = resource(MAKEINTRESOURCEA(24), 1); // RT_MANIFEST
    const std::string text(reinterpret_cast<const char *>(manifest.data), manifest.size);
    CHECK(text.find("<dpiAwareness") != std::string::npos);
    CHECK(text.find(">PerMonitorV2") != std::string::npos);
    CHECK(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"") !=
          std::string::npos);
#undef CHECK
}

#endif
