#include "catalog/MemberSettings.h"

#include "catalog/ProfileFile.h"

namespace pivlon {
namespace {

const std::string kSettingsPath = "Pivlon.ini";
constexpr std::size_t kValueBufferSize = 128;
constexpr std::size_t kPathBufferSize = 260;
constexpr std::string_view kSenderSection = "Pivlon";
constexpr std::string_view kSenderKey = "Dravex";

// Written as "%d" writes it: the bits of the unsigned number taken as signed, so that
// a number typed as -5 is stored as -5 and wraps back to the same number when read.
std::string FormatMemberNumber(std::uint32_t memberNumber) {
    return std::to_string(static_cast<std::int32_t>(memberNumber));
}

}  // namespace

MemberSettings::MemberSettings(ProfileStore& store) : store_(store) {}

MemberRecord MemberSettings::LoadMember(const std::string& listName) const {
    const ProfileFile settings = ProfileFile::Load(store_, kSettingsPath);
    MemberRecord member;
    member.mailAddress = settings.ReadString(listName, "MailAddr", kValueBufferSize);
    member.memberNumber = settings.ReadInt(listName, "MemberNo", 0);
    member.password = settings.ReadString(listName, "Password", kValueBufferSize);
    return member;
}

// The three values go into one image of the file and reach the disk in one
// replacement, so a crash never leaves a list with half of its record saved.
// A refused replacement is not reported: the values stay in the dialog.
void MemberSettings::SaveMember(const std::string& listName, const MemberRecord& member) {
    ProfileFile settings = ProfileFile::Load(store_, kSettingsPath);
    settings.WriteString(listName, "MailAddr", member.mailAddress);
    settings.WriteString(listName, "MemberNo", FormatMemberNumber(member.memberNumber));
    settings.WriteString(listName, "Password", member.password);
    store_.Replace(kSettingsPath, settings.Bytes());
}

std::string MemberSettings::LoadSenderPath() const {
    return ProfileFile::Load(store_, kSettingsPath)
        .ReadString(kSenderSection, kSenderKey, kPathBufferSize);
}

void MemberSettings::SaveSenderPath(const std::string& path) {
    ProfileFile settings = ProfileFile::Load(store_, kSettingsPath);
    settings.WriteString(kSenderSection, kSenderKey, path);
    store_.Replace(kSettingsPath, settings.Bytes());
}

}  // namespace pivlon
