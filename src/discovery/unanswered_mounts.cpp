#include "discovery/unanswered_mounts.h"

#include <algorithm>

#include "platform/posix/paths.h"

namespace brisko {

void UnansweredMounts::add(std::string mountPoint) {
    const std::lock_guard lock(table_->mutex);
    table_->mounts.insert(WithoutTrailingSlash(mountPoint));
}

void UnansweredMounts::remove(const std::string& mountPoint) {
    const std::lock_guard lock(table_->mutex);
    const auto at = table_->mounts.find(WithoutTrailingSlash(mountPoint));
    if (at != table_->mounts.end()) table_->mounts.erase(at);
}

bool UnansweredMounts::holds(const std::string& path) const {
    const std::string inside = WithoutTrailingSlash(path) + '/';
    const std::lock_guard lock(table_->mutex);
    return std::any_of(table_->mounts.begin(), table_->mounts.end(), [&](const std::string& mount) {
        return inside.starts_with(mount == "/" ? mount : mount + '/');
    });
}

std::vector<std::string> UnansweredMounts::mountPoints() const {
    const std::lock_guard lock(table_->mutex);
    return {table_->mounts.begin(), table_->mounts.end()};
}

}  // namespace brisko
