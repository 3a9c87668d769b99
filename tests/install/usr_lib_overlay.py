#!/usr/bin/env python3
"""Runs a command with a folder laid over /usr/lib, seen by that command alone.

    usr_lib_overlay.py LOWER COMMAND...

The command runs in a mount namespace of its own, owned by a user namespace of
its own that maps every user to itself: mounts made there never reach the
machine's own (the kernel hands them on only inward), even where / is no mount
point of its own, as in a chroot. Takes root. The machine's /usr stays as it is.
"""
import ctypes
import os
import sys

CLONE_NEWNS = 0x00020000
CLONE_NEWUSER = 0x10000000

libc = ctypes.CDLL(None, use_errno=True)


def fail(what):
    err = ctypes.get_errno()
    sys.exit(f"usr_lib_overlay: {what}: {os.strerror(err)}")


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    lower, command = sys.argv[1], sys.argv[2:]
    ready_r, ready_w = os.pipe()
    go_r, go_w = os.pipe()
    pid = os.fork()
    if pid == 0:
        os.close(ready_r)
        os.close(go_w)
        if libc.unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0:
            fail("unshare")
        os.write(ready_w, b"1")
        if os.read(go_r, 1) != b"1":
            os._exit(1)
        options = f"lowerdir={lower}:/usr/lib".encode()
        if libc.mount(b"palmora", b"/usr/lib", b"overlay", 0, options) != 0:
            fail("mount overlay on /usr/lib")
        os.execvp(command[0], command)
    os.close(ready_w)
    os.close(go_r)
    if os.read(ready_r, 1) != b"1":
        os.waitpid(pid, 0)
        sys.exit("usr_lib_overlay: the child could not make its namespaces")
    # Every user and group as itself, so files keep their owners.
    for name in ("uid_map", "gid_map"):
        with open(f"/proc/{pid}/{name}", "w") as mapping:
            mapping.write("0 0 4294967295\n")
    os.write(go_w, b"1")
    _, status = os.waitpid(pid, 0)
    sys.exit(os.waitstatus_to_exitcode(status))


if __name__ == "__main__":
    main()
