#!/usr/bin/python3
"""A FUSE file system for the tests, standing for a network mount whose server has
gone away: its root holds q3config.cfg and a folder sub, but a listing of the
root, and any look-up or listing inside sub, answers only once the release file
exists (a minute at most).

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

    def wait(self):
        deadline = time.monotonic() + 60
        while not os.path.exists(self.release) and time.monotonic() < deadline:
            time.sleep(0.01)

    def getattr(self, path, fh=None):
        if path in ('/', '/sub'):
            return {'st_mode': stat.S_IFDIR | 0o755, 'st_nlink': 2}
        if path == '/q3config.cfg':
            return {'st_mode': stat.S_IFREG | 0o644, 'st_nlink': 1}
        if path.startswith('/sub/'):
            self.wait()
        raise FuseOSError(errno.ENOENT)

    def readdir(self, path, fh):
        self.wait()
        return ['.', '..'] + (['q3config.cfg', 'sub'] if path == '/' else [])


if __name__ == '__main__':
    FUSE(Stuck(sys.argv[2]), sys.argv[1], foreground=True, nothreads=False)
