#include "discovery/search_directory.h"

#include "discovery/folder_search.h"

namespace brisko {

void SearchDirectory(std::string dir, const std::string& mask, bool recursive,
                     std::vector<std::string>& list) {
    std::vector<Target> targets{{{mask}}};
    FolderSearch search({recursive ? SearchRoot::walk(std::move(dir), std::move(targets))
                                   : SearchRoot::listing(std::move(dir), std::move(targets))});
    auto found = search.results();
    list.insert(list.end(), found[0][0].begin(), found[0][0].end());
}

}  // namespace brisko
