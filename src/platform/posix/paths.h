// Parts of the paths the program finds and is given, written with '/'.
#pragma once

#include <string>
#include <string_view>

namespace brisko {

// The folder that holds the last entry of a path, as dirname gives it: without a
// trailing '/' except the root ("/" for "/x"), "." for a bare name, and the root
// for the root itself. Trailing '/' of the path end no entry ("a/b/" gives "a").
std::string FolderOf(std::string_view path);

// The last entry of a path ("" for the root; trailing '/' end no entry).
std::string NameOf(std::string_view path);

// A folder and a name joined by one '/' ("." as the folder gives the bare name).
std::string JoinPath(std::string_view folder, std::string_view name);

// The path without its trailing '/' (the root stays "/").
std::string WithoutTrailingSlash(std::string_view path);

// The path as an absolute one, relative to the folder Brisko was started in (it
// never changes its working folder), and clean: "//" and "/./" made one '/', and
// "name/.." taken out as written, symbolic links not followed; without a trailing
// '/'. "" for "" or when the working folder is gone.
std::string CleanAbsolutePath(std::string_view path);

}  // namespace brisko
