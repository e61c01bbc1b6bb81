#include "platform/posix/paths.h"

#include <filesystem>

namespace brisko {

std::string WithoutTrailingSlash(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    return std::string(path);
}

std::string FolderOf(std::string_view path) {
    const std::string whole = WithoutTrailingSlash(path);
    const auto slash = whole.find_last_of('/');
    if (slash == std::string::npos) return whole.empty() ? "" : ".";
    return slash == 0 ? "/" : WithoutTrailingSlash(std::string_view(whole).substr(0, slash));
}

std::string NameOf(std::string_view path) {
    const std::string whole = WithoutTrailingSlash(path);
    return whole == "/" ? "" : whole.substr(whole.find_last_of('/') + 1);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder == ".") return std::string(name);
    std::string path = WithoutTrailingSlash(folder);
    if (path != "/") path += '/';
    return path + std::string(name);
}

std::string CleanAbsolutePath(std::string_view path) {
    if (path.empty()) return {};
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? std::string() : WithoutTrailingSlash(full.lexically_normal().native());
}

}  // namespace brisko
