#include "catalog/MemberSettings.h"

#include "catalog/ProfileFile.h"
#include "catalog/ProfileImage.h"

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

// Applies `change` to the settings file in one replacement. A file that exists
// but cannot be read is left alone: rewriting it from nothing would lose every
// other list's data.
template <typename Change>
void UpdateSettings(ProfileStore& store, Change change) {
    const std::shared_ptr<const ProfileImage> image = store.Read(kSettingsPath);
    if (!image)
        return;
    ProfileFile settings{image->Bytes()};
    change(settings);
    store.Replace(kSettingsPath, settings.Bytes());
}

}  // namespace

MemberSettings::MemberSettings(ProfileStore& store) : store_(store) {}

MemberRecord MemberSettings::LoadMember(const std::string& listName) const {
    const std::shared_ptr<const ProfileImage> settings = ProfileImage::Load(store_, kSettingsPath);
    MemberRecord member;
    member.mailAddress = settings->ReadString(listName, "MailAddr", kValueBufferSize);
    member.memberNumber = settings->ReadInt(listName, "MemberNo", 0);
    member.password = settings->ReadString(listName, "Password", kValueBufferSize);
    return member;
}

// The three values go into one image of the file and reach the disk in one
// replacement, so a crash never leaves a list with half of its record saved.
// A refused replacement is not reported: the values stay in the dialog.
void MemberSettings::SaveMember(const std::string& listName, const MemberRecord& member) {
    UpdateSettings(store_, [&](ProfileFile& settings) {
        settings.WriteString(listName, "MailAddr", member.mailAddress);
        settings.WriteString(listName, "MemberNo", FormatMemberNumber(member.memberNumber));
        settings.WriteString(listName, "Password", member.password);
    });
}

std::string MemberSettings::LoadSenderPath() const {
    return ProfileImage::Load(store_, kSettingsPath)
        ->ReadString(kSenderSection, kSenderKey, kPathBufferSize);
}

void MemberSettings::SaveSenderPath(const std::string& path) {
    UpdateSettings(store_, [&](ProfileFile& settings) {
        settings.WriteString(kSenderSection, kSenderKey, path);
    });
}

}  // namespace pivlon
