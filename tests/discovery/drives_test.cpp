// The Linux drive table: home as drive C:, the other disks as D: onwards.
#include "platform/posix/drives.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_tree.h"

namespace brisko::posix {
namespace {

using Paths = std::vector<std::string>;

constexpr const char* kTable =
    "/dev/vda / ext4 rw,relatime 0 0\n"
    "proc /proc proc rw 0 0\n"
    "/dev/sda1 /boot ext4 rw 0 0\n"
    "/dev/sda2 /boot/efi vfat rw 0 0\n"
    "/dev/sdb1 /mnt/games ext4 rw 0 0\n"
    "tmpfs /tmp tmpfs rw 0 0\n"
    "/dev/sdc1 /media/usb\\040stick vfat rw 0 0\n"
    "/dev/sdd1 /home ext4 rw 0 0\n"
    "/dev/sde1 /home/player/data ext4 rw 0 0\n"
    "/dev/sdf1 /home/player ext4 rw 0 0\n"
    "/dev/sdb1 /mnt/games ext4 rw 0 0\n"
    "/dev/mapper/vg-data /data ext4 rw 0 0\n"
    "/dev/sdh1 /home/player2 ext4 rw 0 0\n"
    "server:/export /net nfs rw 0 0\n";

TEST(DiskMountPoints, KeepsOtherDisksSortedAndOnce) {
    for (const char* home : {"/home/player", "/home/player/"})
        EXPECT_EQ(DiskMountPoints(kTable, home),
                  (Paths{"/data", "/home/player2", "/media/usb stick", "/mnt/games"}))
            << home;
}

TEST(DiskMountPoints, AtMostTwentyThreeDrives) {
    std::string table;
    for (int i = 0; i < 30; ++i)
        table +=
            "/dev/sd" + std::to_string(i) + " /mnt/d" + std::to_string(10 + i) + " ext4 rw 0 0\n";
    const Paths points = DiskMountPoints(table, "/root");
    ASSERT_EQ(points.size(), 23u);
    EXPECT_EQ(points.front(), "/mnt/d10");
    EXPECT_EQ(points.back(), "/mnt/d32");
}

TEST(RemoteMountPoints, NetworkAndFuseFileSystemsNotLocalDisks) {
    const std::string table = std::string(kTable) +
                              "//nas/share /home/player/nas\\040share cifs rw 0 0\n"
                              "player@host:/ /home/player/remote fuse.sshfs rw 0 0\n"
                              "/dev/sdg1 /media/ntfs fuseblk rw 0 0\n"
                              "server:/home /home/player/nfs4 nfs4 rw 0 0\n";
    EXPECT_EQ(RemoteMountPoints(table), (Paths{"/net", "/home/player/nas share",
                                               "/home/player/remote", "/home/player/nfs4"}));
}

class PosixDrivesTest : public ::testing::Test {
  protected:
    test::TempTree tree;
    std::string table = tree.path("mounts");
    void writeTable(const std::string& text) { std::ofstream(table) << text; }
};

TEST_F(PosixDrivesTest, HomeIsDriveCAndDisksFollowFromD) {
    writeTable(kTable);
    PosixDrives drives("/home/player", table);
    EXPECT_EQ(drives.logicalDriveMask(), 0b1111100u);  // C: to G:
    EXPECT_EQ(drives.root('C'), "/home/player/");
    EXPECT_EQ(drives.root('D'), "/data/");
    EXPECT_EQ(drives.root('F'), "/media/usb stick/");
    EXPECT_EQ(drives.root('G'), "/mnt/games/");
    EXPECT_EQ(drives.root('H'), "");
    EXPECT_EQ(drives.root('A'), "");
}

TEST_F(PosixDrivesTest, TheMaskReadsTheMountTableAfresh) {
    writeTable("/dev/sdb1 /mnt/games ext4 rw 0 0\n");
    PosixDrives drives("/home/player/", table);
    EXPECT_EQ(drives.logicalDriveMask(), 0b1100u);
    EXPECT_EQ(drives.root('C'), "/home/player/");
    writeTable("/dev/sdb1 /mnt/games ext4 rw 0 0\n/dev/sdc1 /data ext4 rw 0 0\n");
    EXPECT_EQ(drives.logicalDriveMask(), 0b11100u);
    EXPECT_EQ(drives.root('D'), "/data/");
    EXPECT_EQ(drives.root('E'), "/mnt/games/");
}

TEST_F(PosixDrivesTest, TheRemoteMountsComeFromTheTableReadForTheLetters) {
    writeTable("server:/export /net nfs rw 0 0\n");
    PosixDrives drives("/home/player", table);
    EXPECT_EQ(drives.remoteMounts(), Paths{"/net"});
    writeTable("server:/export /net nfs rw 0 0\nu@h:/ /home/player/h fuse.sshfs rw 0 0\n");
    EXPECT_EQ(drives.remoteMounts(), Paths{"/net"});
    drives.logicalDriveMask();
    EXPECT_EQ(drives.remoteMounts(), (Paths{"/net", "/home/player/h"}));
}

TEST_F(PosixDrivesTest, AnUnreadableTableLeavesDriveCAlone) {
    PosixDrives drives("/home/player", tree.path("missing"));
    EXPECT_EQ(drives.logicalDriveMask(), 0b100u);
    EXPECT_EQ(drives.root('D'), "");
}

}  // namespace
}  // namespace brisko::posix
