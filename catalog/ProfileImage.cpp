#include "catalog/ProfileImage.h"

#include <utility>

namespace pivlon {

ProfileImage::ProfileImage(std::string bytes)
    : bytes_(std::move(bytes)), sections_(ProfileView(bytes_)) {}

std::shared_ptr<const ProfileImage> ProfileImage::Load(ProfileStore& store,
                                                       const std::string& path) {
    std::shared_ptr<const ProfileImage> image = store.Read(path);
    return image ? image : std::make_shared<const ProfileImage>(std::string());
}

}  // namespace pivlon
