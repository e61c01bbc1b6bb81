// The mount points that stopped searches were left waiting in, so that later
// searches given them neither enter them nor make any call there. Copies share
// one table; safe to use from several threads at once.
#pragma once

#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace brisko {

class UnansweredMounts {
  public:
    void add(std::string mountPoint);
    // Takes back one add of `mountPoint`: the call that waited there answered.
    void remove(const std::string& mountPoint);
    // Whether `path` is one of the mount points or lies inside one.
    bool holds(const std::string& path) const;
    // The mount points, without their trailing '/'.
    std::vector<std::string> mountPoints() const;

  private:
    struct Table {
        mutable std::mutex mutex;
        std::multiset<std::string> mounts;  // once per add
    };
    std::shared_ptr<Table> table_ = std::make_shared<Table>();
};

}  // namespace brisko
