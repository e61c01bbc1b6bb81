// The drive table on Linux: drive C: is the user's home folder; drives D: to Z:
// are the other disk file systems mounted on the machine.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace brisko::posix {

// The mount points that stand for drives D:, E:, … in that order (at most 23): the
// mount points of block devices ("/dev/…") in a mount table in the format of
// /proc/self/mounts, sorted and each taken once, leaving out "/", "/boot" and what
// lies below it, and every mount point that is `home`, lies above it or inside it.
std::vector<std::string> DiskMountPoints(std::string_view mountTable, const std::string& home);

// The mount points (without a trailing '/', "/" aside) in such a table of the file
// systems whose folders may wait on something other than a disk of this machine:
// network file systems (NFS, SMB, 9P, WebDAV, AFS, Ceph …) and FUSE ones (sshfs
// and other "fuse.NAME" types), whose server may have gone away.
std::vector<std::string> RemoteMountPoints(std::string_view mountTable);

class PosixDrives : public Drives {
  public:
    // $HOME (or the password database's home) and /proc/self/mounts.
    PosixDrives();
    // Drive C: is `home` made absolute (relative to the folder Brisko was started
    // in) and clean; see CleanAbsolutePath.
    PosixDrives(const std::string& home, std::string mountTableFile);

    // Reads the mount table afresh; the letters it finds stay for root().
    std::uint32_t logicalDriveMask() const override;
    std::string root(char letter) const override;
    // Those of the mount table last read (read now when it was not).
    std::vector<std::string> remoteMounts() const override;

  private:
    void readTable() const;

    std::string home_;
    std::string mountTableFile_;
    mutable std::vector<std::string> disks_;
    mutable std::vector<std::string> remoteMounts_;
    mutable bool read_ = false;
};

}  // namespace brisko::posix
