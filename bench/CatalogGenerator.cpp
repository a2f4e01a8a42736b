#include "bench/CatalogGenerator.h"

#include <cstdio>

namespace pivlon::bench {
namespace {

constexpr const char* kNamePrefix = "\x95\x5c\x8c\x76\x8e\x5a";  // "表計算"
constexpr const char* kInfo1 =
    "\x83\x5c\x83\x74\x83\x67\x83\x45\x83\x46\x83\x41\x82\xcc\x8e\x67\x82\xa2\x95\xfb\x82\xf0"
    "\x8c\xea\x82\xe9\x83\x81\x81\x5b\x83\x8a\x83\x93\x83\x4f\x83\x8a\x83\x58\x83\x67";
// "ソフトウェアの使い方を語るメーリングリスト"
constexpr const char* kInfo2 =
    "\x81\x79\x8e\x51\x89\xc1\x8e\xd2\x95\xe5\x8f\x57\x92\x86\x81\x7a\x8f\x89\x90\x53\x8e\xd2"
    "\x8a\xbd\x8c\x7d";  // "【参加者募集中】初心者歓迎"
constexpr const char* kInfo3 =
    "\x96\xe2\x8d\x87\x82\xb9\x90\xe6\x81\x46\x94\x5c\x93\x6f\x95\x5c\x8e\xa6";
// "問合せ先：能登表示"
constexpr const char* kSenderPath = "C:\\Program Files\\Ko-Post\\DRAVEX.EXE";

std::string Numbered(const char* format, int index) {
    char text[64];
    std::snprintf(text, sizeof text, format, index);
    return text;
}

std::string Line(const std::string& key, const std::string& value) {
    return key + "=" + value + "\r\n";
}

std::string Header(const std::string& name) {
    return "[" + name + "]\r\n";
}

std::string CatalogSection(int index) {
    const int serverType = index % 3 + 1;
    std::string section = Header(ListName(index));
    section += Line("Type", std::to_string(serverType));
    section += Line("To", Numbered("ml%05d-ctl@example.jp", index));
    if (serverType == 1)
        section += Line("dijest", Numbered("ml%05d-digest", index));
    section += Line("Info1", kInfo1);
    section += Line("Info2", kInfo2);
    section += Line("Info3", kInfo3);
    return section;
}

std::string SettingsSection(int index) {
    std::string section = Header(ListName(index));
    section += Line("MailAddr", Numbered("member%05d@example.jp", index));
    section += Line("MemberNo", std::to_string(1000 + index));
    section += Line("Password", Numbered("pw%05d", index));
    return section;
}

}  // namespace

std::string ListName(int index) {
    return kNamePrefix + Numbered("-ml%05d", index);
}

std::string CatalogBytes(int lists) {
    std::string bytes;
    for (int i = 0; i < lists; ++i)
        bytes += CatalogSection(i);
    return bytes;
}

std::string SettingsBytes(int lists) {
    std::string bytes = Header("Pivlon") + Line("Dravex", kSenderPath);
    for (int i = 0; i < lists; ++i)
        bytes += SettingsSection(i);
    return bytes;
}

}  // namespace pivlon::bench
