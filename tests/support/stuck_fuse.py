#!/usr/bin/python3
"""A FUSE file system for the tests, standing for a network mount whose server has
gone away: its root holds q3config.cfg, but a listing of the root answers only
once the release file exists (a minute at most).

    stuck_fuse.py MOUNTPOINT RELEASE_FILE
"""
import errno
import os
import stat
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class Stuck(Operations):
    def __init__(self, release):
        self.release = release

    def getattr(self, path, fh=None):
        if path == '/':
            return {'st_mode': stat.S_IFDIR | 0o755, 'st_nlink': 2}
        if path == '/q3config.cfg':
            return {'st_mode': stat.S_IFREG | 0o644, 'st_nlink': 1}
        raise FuseOSError(errno.ENOENT)

    def readdir(self, path, fh):
        deadline = time.monotonic() + 60
        while not os.path.exists(self.release) and time.monotonic() < deadline:
            time.sleep(0.01)
        return ['.', '..', 'q3config.cfg']


if __name__ == '__main__':
    FUSE(Stuck(sys.argv[2]), sys.argv[1], foreground=True, nothreads=False)
