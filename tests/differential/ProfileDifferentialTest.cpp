#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ProfileFile.h"
#include "catalog/ProfileView.h"
#include "tests/differential/ProfileGenerator.h"
#include "tests/support/win32/PlatformProfile.h"
#include "tests/support/win32/ScratchFolder.h"

namespace pivlon::differential {
namespace {

using testing::PlatformProfile;

// Fixed, so that every run reads and writes the same files.
constexpr std::uint32_t kSeed = 0x5049564Cu;
constexpr std::size_t kReadFiles = 600;
constexpr std::size_t kWriteFiles = 200;
constexpr std::size_t kMaxWrites = 3;
// The two buffers the program reads with; a read into kWholeValue is never cut.
constexpr std::size_t kBufferSizes[] = {128, 260};
constexpr std::size_t kWholeValue = 4096;
constexpr std::uint32_t kIntDefault = 777777;
constexpr UINT kShiftJis = 932;
// Wine reads whole numbers through a buffer of 30 UTF-16 units.
constexpr int kPlatformNumberChars = 29;
// Enough to tell what went wrong without drowning the log.
constexpr std::size_t kReportedDifferences = 25;

constexpr std::string_view kKanjiJi = "\x8E\x9A";           // "字"
constexpr std::string_view kLoneLeadByte = "\x83";          // the first byte of "ア" alone
constexpr std::string_view kSmallRomanOneNec = "\xEE\xEF";  // "ⅰ", NEC-selected IBM code
constexpr std::string_view kSmallRomanOneIbm = "\xFA\x40";  // "ⅰ", IBM code

std::string Concat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

// Where we part from the platform on purpose. Each case must still read differently
// there, so that the list stays true.
struct DeliberateDifference {
    const char* reason;
    std::string file;
    std::string section;
    std::string key;
    std::size_t bufferSize;  // 0: read as a whole number
    std::string ours;
};

const DeliberateDifference kDeliberateDifferences[] = {
    {"a cut value never ends inside a double-byte character; the service cuts at the "
     "buffer's last byte",
     Concat({"[s]\r\nk=ab", kKanjiJi, "\r\n"}), "s", "k", 4, "ab"},
    {"the empty section name reads a \"[]\" section, as on Windows; Wine reads the lines "
     "before the first header instead",
     "k=headless\r\n[]\r\nk=nameless\r\n", "", "k", kWholeValue, "nameless"},
    {"whole numbers are decimal digits only; Wine also reads 0x, 0o and 0b prefixes",
     "[s]\r\nk=0x10\r\n", "s", "k", 0, "0"},
    {"whole numbers count every digit; Wine reads the first 29 characters only",
     "[s]\r\nk=0000000000000000000000000000012\r\n", "s", "k", 0, "12"},
    {"a lead byte without its trail byte stays a byte of its own; Wine joins it with the "
     "next byte, an '=' included",
     Concat({"[s]\r\nk", kLoneLeadByte, "=v\r\n"}), "s", Concat({"k", kLoneLeadByte}), kWholeValue,
     "v"},
    {"a lead byte without its trail byte stays a byte of its own; Wine joins it with the "
     "next byte, a line break included",
     Concat({"[s]\r\nk=v", kLoneLeadByte, "\r\nj=w\r\n"}), "s", "k", kWholeValue,
     Concat({"v", kLoneLeadByte})},
    {"names are compared as bytes; the service decodes the NEC and IBM codes of one "
     "character alike",
     Concat({"[", kSmallRomanOneNec, "]\r\nk=v\r\n"}), std::string(kSmallRomanOneIbm), "k",
     kWholeValue, ""},
    {"a NUL ends a section name and the blanks before it go too, so that a saved name "
     "reads back; the service keeps them",
     std::string("[s \0x]\r\nk=v\r\n", 13), "s", "k", kWholeValue, "v"},
    {"after a UTF-8 byte-order mark the file is still Shift-JIS; Wine decodes it as UTF-8, "
     "Windows reads the mark as part of the first line",
     Concat({"\xEF\xBB\xBF[s]\r\nk=", kKanjiJi, "\r\n"}), "s", "k", kWholeValue,
     std::string(kKanjiJi)},
};

std::string Escaped(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            text += escape;
        }
    }
    return text;
}

std::string Describe(const Lookup& lookup) {
    return "[" + Escaped(lookup.section) + "] " + Escaped(lookup.key);
}

std::string NameList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += "[" + name + "]";
    return list;
}

std::wstring Widened(const std::string& bytes) {
    std::wstring wide(bytes.size(), L'\0');
    wide.resize(MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()),
                                    wide.data(), static_cast<int>(wide.size())));
    return wide;
}

bool IsWholeChars(const std::string& text) {
    return text.empty() || MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0) > 0;
}

bool IsOneDoubleByteChar(const std::string& text) {
    return text.size() == 2 && IsDBCSLeadByteEx(kShiftJis, static_cast<BYTE>(text[0])) &&
           IsWholeChars(text);
}

// Where the service may end inside a double-byte character, we end before it.
bool IsCharacterSafeCut(const std::string& ours, const std::string& whole,
                        const std::string& theirs, std::size_t bufferSize) {
    const std::size_t limit = bufferSize - 1;
    if (!whole.starts_with(ours) || !theirs.starts_with(ours) || !IsWholeChars(ours))
        return false;
    return ours.size() == limit ||
           (ours.size() + 1 == limit && IsOneDoubleByteChar(whole.substr(ours.size(), 2)));
}

// A number longer than the platform reads, or one with a prefix that Wine takes as a base.
bool IsNumberReadDifferently(const std::string& value) {
    const std::wstring wide = Widened(value);
    if (wide.size() > kPlatformNumberChars)
        return true;
    std::size_t i = wide.find_first_not_of(L" \t\n\v\f\r");
    if (i != std::wstring::npos && (wide[i] == L'-' || wide[i] == L'+'))
        ++i;
    const std::wstring digits = wide.substr(std::min(i, wide.size()), 2);
    return digits == L"0x" || digits == L"0o" || digits == L"0b";
}

// Names as the service compares them: ASCII letters standing as characters of their
// own lower-cased, double-byte characters as they are.
std::string Folded(std::string name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (IsDBCSLeadByteEx(kShiftJis, static_cast<BYTE>(name[i])))
            ++i;
        else if (name[i] >= 'A' && name[i] <= 'Z')
            name[i] = static_cast<char>(name[i] - 'A' + 'a');
    }
    return name;
}

bool SameName(const std::string& a, const std::string& b) {
    return Folded(a) == Folded(b);
}

bool IsWritten(const Lookup& lookup, const std::vector<Lookup>& writes) {
    for (const Lookup& write : writes) {
        if (SameName(lookup.section, write.section) && SameName(lookup.key, write.key))
            return true;
    }
    return false;
}

// A key that starts with '[' takes a value holding ']' into a header line, on every
// writer alike: the format has no way to store it, so writes leave such keys alone.
std::vector<std::string> WritableKeys(std::vector<std::string> keys) {
    std::erase_if(keys, [](const std::string& key) { return key.starts_with('['); });
    return keys;
}

// The platform's writer would put a line break of the value into the file as it stands.
std::string UpToLineBreak(const std::string& value) {
    return value.substr(0, value.find_first_of("\r\n"));
}

// Wine parses a file anew at every call while it is less than about 2 s old; an old
// modification time lets it cache the file, as it does with files in real use.
void Backdate(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SYSTEMTIME longAgo{};
    longAgo.wYear = 2001;
    longAgo.wMonth = 1;
    longAgo.wDay = 1;
    FILETIME time;
    SystemTimeToFileTime(&longAgo, &time);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
    CloseHandle(file);
}

class ProfileDifferentialTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), kShiftJis)
            << "the A functions must read Shift-JIS: run under LC_ALL=ja_JP.UTF-8";
    }

    void TearDown() override {
        if (differences_ > kReportedDifferences)
            ADD_FAILURE() << differences_ - kReportedDifferences << " more differences";
        RecordProperty("files", static_cast<int>(files_));
        RecordProperty("comparisons", static_cast<int>(comparisons_));
        RecordProperty("deliberate_differences", static_cast<int>(deliberate_));
        if (comparisons_ > 0) {
            std::printf("%s: %zu files, %zu comparisons, %zu of them deliberate differences\n",
                        ::testing::UnitTest::GetInstance()->current_test_info()->name(), files_,
                        comparisons_, deliberate_);
        }
    }

    // Each file under a name of its own: the service caches files by name.
    PlatformProfile Save(const std::string& bytes) {
        const std::wstring name = L"p" + std::to_wstring(++files_) + L".ini";
        EXPECT_TRUE(folder_.Write(name, bytes));
        const std::wstring path = folder_.PathOf(name);
        Backdate(path);
        char ansi[MAX_PATH];
        WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, ansi, MAX_PATH, nullptr, nullptr);
        return PlatformProfile(ansi);
    }

    // Counts one comparison; a difference that is not deliberate fails the test.
    void Compare(bool same, bool deliberate, const std::string& what, const std::string& file,
                 const std::string& ours, const std::string& platform) {
        ++comparisons_;
        if (same)
            return;
        if (deliberate) {
            ++deliberate_;
            return;
        }
        if (++differences_ <= kReportedDifferences) {
            ADD_FAILURE() << what << "\n  ours:     " << Escaped(ours)
                          << "\n  platform: " << Escaped(platform) << "\n  file:     " << file;
        }
    }

    void CompareReads(const ProfileView& ours, const PlatformProfile& platform,
                      const std::string& file, const Lookup& lookup) {
        const auto& [section, key] = lookup;
        const std::string whole = platform.ReadString(section, key, kWholeValue);
        const std::string read = ours.ReadString(section, key, kWholeValue);
        Compare(read == whole, false, Describe(lookup), file, read, whole);
        for (const std::size_t size : kBufferSizes) {
            const std::string cut = ours.ReadString(section, key, size);
            // A value that fits reads whole in any buffer: only a cut needs the platform.
            const std::string theirs =
                whole.size() < size ? whole : platform.ReadString(section, key, size);
            Compare(cut == theirs, IsCharacterSafeCut(cut, whole, theirs, size),
                    Describe(lookup) + " in " + std::to_string(size) + " bytes", file, cut, theirs);
        }
        const std::uint32_t number = ours.ReadInt(section, key, kIntDefault);
        const std::uint32_t theirs = platform.ReadInt(section, key, kIntDefault);
        Compare(number == theirs, IsNumberReadDifferently(whole), Describe(lookup) + " as a number",
                file, std::to_string(number), std::to_string(theirs));
    }

    testing::ScratchFolder folder_;
    std::size_t files_ = 0;
    std::size_t comparisons_ = 0;
    std::size_t deliberate_ = 0;
    std::size_t differences_ = 0;
};

TEST_F(ProfileDifferentialTest, ReaderAgreesWithThePlatform) {
    ProfileGenerator generator(kSeed);
    for (std::size_t i = 0; i < kReadFiles; ++i) {
        const GeneratedProfile generated = generator.Next();
        const ProfileView ours(generated.bytes);
        const PlatformProfile platform = Save(generated.bytes);
        const std::string file = Escaped(generated.bytes);
        const std::string names = NameList(ours.SectionNames());
        const std::string theirs = NameList(platform.SectionNames());
        Compare(names == theirs, false, "section names", file, names, theirs);
        for (const Lookup& lookup : generated.lookups)
            CompareReads(ours, platform, file, lookup);
    }
}

// The platform reads our writer's file with the written values as its own writer's file,
// and every other key as before.
TEST_F(ProfileDifferentialTest, WrittenFilesReadOnThePlatformAsItsOwn) {
    ProfileGenerator generator(kSeed + 1);
    for (std::size_t i = 0; i < kWriteFiles; ++i) {
        const GeneratedProfile generated = generator.Next();
        const PlatformProfile before = Save(generated.bytes);
        const PlatformProfile reference = Save(generated.bytes);
        const std::vector<std::string> writableKeys = WritableKeys(generated.keys);
        ProfileFile ours(generated.bytes);
        std::vector<Lookup> writes;
        std::vector<Lookup> lookups = generated.lookups;
        for (std::size_t w = 0; w <= i % kMaxWrites; ++w) {
            const Lookup target{generator.WriteName(generated.sections),
                                generator.WriteName(writableKeys)};
            const std::string value = generator.WriteValue();
            ours.WriteString(target.section, target.key, value);
            // Deliberate: we cut a value at its first line break, which would add lines.
            ASSERT_TRUE(reference.WriteString(target.section, target.key, UpToLineBreak(value)));
            writes.push_back(target);
            lookups.push_back(target);
            for (const std::string& key : generator.Sample(generated.keys, 2))
                lookups.push_back({target.section, key});
        }
        const PlatformProfile after = Save(ours.Bytes());
        const std::string file =
            Escaped(generated.bytes) + "\n  written:  " + Escaped(ours.Bytes());
        const std::string names = NameList(after.SectionNames());
        const std::string theirs = NameList(reference.SectionNames());
        Compare(names == theirs, false, "section names after writing", file, names, theirs);
        for (const Lookup& lookup : lookups) {
            const std::string read = after.ReadString(lookup.section, lookup.key, kWholeValue);
            const PlatformProfile& expected = IsWritten(lookup, writes) ? reference : before;
            const std::string wanted = expected.ReadString(lookup.section, lookup.key, kWholeValue);
            Compare(read == wanted, false, Describe(lookup) + " after writing", file, read, wanted);
            const std::string ourRead =
                ours.View().ReadString(lookup.section, lookup.key, kWholeValue);
            Compare(ourRead == read, false, Describe(lookup) + " read back by us", file, ourRead,
                    read);
        }
    }
}

TEST_F(ProfileDifferentialTest, DeliberateDifferencesStillHold) {
    for (const DeliberateDifference& c : kDeliberateDifferences) {
        const ProfileView ours(c.file);
        const PlatformProfile platform = Save(c.file);
        const bool number = c.bufferSize == 0;
        const std::string read = number ? std::to_string(ours.ReadInt(c.section, c.key, 0))
                                        : ours.ReadString(c.section, c.key, c.bufferSize);
        const std::string theirs = number ? std::to_string(platform.ReadInt(c.section, c.key, 0))
                                          : platform.ReadString(c.section, c.key, c.bufferSize);
        EXPECT_EQ(read, c.ours) << c.reason;
        EXPECT_NE(theirs, read) << c.reason << ": the platform now agrees, drop the case";
    }
}

// A value holding a line break, written as it stands, would add a key of its own.
TEST_F(ProfileDifferentialTest, WrittenLineBreaksAddNoLines) {
    const std::string value = "x\r\nDravex=other.exe";
    ProfileFile ours("[s]\r\n");
    ours.WriteString("s", "MailAddr", value);
    const PlatformProfile written = Save(ours.Bytes());
    const PlatformProfile platform = Save("[s]\r\n");
    ASSERT_TRUE(platform.WriteString("s", "MailAddr", value));
    EXPECT_EQ(written.ReadString("s", "MailAddr", kWholeValue), "x");
    EXPECT_EQ(written.ReadString("s", "Dravex", kWholeValue), "");
    EXPECT_EQ(platform.ReadString("s", "Dravex", kWholeValue), "other.exe");
}

}  // namespace
}  // namespace pivlon::differential
