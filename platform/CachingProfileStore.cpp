#include "platform/CachingProfileStore.h"

#include "catalog/ProfileImage.h"

namespace pivlon {
namespace {

bool WrittenBeforeSettleTime(const FileStamp& stamp) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return now - std::chrono::nanoseconds(stamp.lastWrite) >= CachingProfileStore::kSettleTime;
}

}  // namespace

// The status is taken before the bytes are read: a change made in between gives a
// later stamp at the next query, so the image is read again then.
std::shared_ptr<const ProfileImage> CachingProfileStore::Read(const std::string& path) {
    const FileStatus status = QueryFile(path);
    const auto kept = kept_.find(path);
    if (status.kind == FileStatus::Kind::Regular && kept != kept_.end() &&
        kept->second.stamp == status.stamp) {
        return kept->second.image;
    }
    if (kept != kept_.end())
        kept_.erase(kept);
    if (status.kind == FileStatus::Kind::Missing)
        return std::make_shared<const ProfileImage>(std::string());
    if (status.kind == FileStatus::Kind::Unreadable)
        return nullptr;
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        return nullptr;
    auto image = std::make_shared<const ProfileImage>(std::move(*bytes));
    if (WrittenBeforeSettleTime(status.stamp))
        kept_[path] = KeptImage{status.stamp, image};
    return image;
}

// The saved bytes are not kept in place of the old image: the file has just been
// written, so until it is read again once settled nothing proves that no other
// program wrote it within the same timestamp tick.
bool CachingProfileStore::Replace(const std::string& path, const std::string& bytes) {
    kept_.erase(path);
    return ReplaceWholeFile(path, bytes);
}

}  // namespace pivlon
