"""Stands between the programs under test and the Wayland compositor, so a test
can close a window the way a compositor does when the user presses its close
box, picks Close in a task bar or types Alt+F4: with an xdg_toplevel.close event.
Wayland lets no other client ask for that, and a headless compositor has no
pointer to press a close box with.

Every byte and file descriptor is passed on unchanged. The proxy reads just
enough of each client's requests to know its top-level windows and their titles.

    python3 waylandproxy.py LISTEN_PATH COMPOSITOR_PATH CONTROL_PATH

It prints "ready" once both sockets listen. On CONTROL_PATH it answers one line
for each line it gets:
    titles PID          -> the titles of PID's top-level windows, tab-separated
    close PID TITLE     -> "closed N": N windows of PID with that title were asked
                           to close
"""

import array
import os
import socket
import struct
import sys
import threading

HEADER = struct.Struct("<II")
MAX_FDS = 28  # libwayland never sends more with one chunk

WL_DISPLAY = 1
# Opcodes of the requests and events that tell which object is what.
GET_REGISTRY = 1  # wl_display request
DELETE_ID = 1  # wl_display event
BIND = 0  # wl_registry request
GET_XDG_SURFACE = 2  # xdg_wm_base request
GET_TOPLEVEL = 1  # xdg_surface request
TOPLEVEL_DESTROY = 0  # xdg_toplevel request
SET_TITLE = 2  # xdg_toplevel request
CLOSE = 1  # xdg_toplevel event


def wayland_string(payload, offset):
    """A string argument at offset: (text, offset after it)."""
    (length,) = struct.unpack_from("<I", payload, offset)
    offset += 4
    text = payload[offset:offset + max(length - 1, 0)].decode("utf-8", "replace")
    return text, offset + (length + 3) // 4 * 4


def split_messages(buffer):
    """The complete messages at the start of buffer, and how many bytes they take."""
    messages = []
    offset = 0
    while len(buffer) - offset >= HEADER.size:
        sender, word = HEADER.unpack_from(buffer, offset)
        size = word >> 16
        if size < HEADER.size or len(buffer) - offset < size:
            break
        messages.append((sender, word & 0xFFFF, buffer[offset + HEADER.size:offset + size]))
        offset += size
    return messages, offset


def receive(sock):
    fds = array.array("i")
    data, ancillary, _, _ = sock.recvmsg(65536, socket.CMSG_SPACE(MAX_FDS * fds.itemsize))
    for level, kind, payload in ancillary:
        if level == socket.SOL_SOCKET and kind == socket.SCM_RIGHTS:
            fds.frombytes(payload[:len(payload) - len(payload) % fds.itemsize])
    return data, list(fds)


def send(sock, data, fds):
    ancillary = [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", fds))] if fds else []
    sent = sock.sendmsg([data], ancillary)
    for fd in fds:
        os.close(fd)
    if sent < len(data):
        sock.sendall(data[sent:])


class Connection:
    """One client and its own connection to the compositor."""

    def __init__(self, client, pid, compositor_path):
        self.client = client
        self.pid = pid
        self.server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.server.connect(compositor_path)
        self.interfaces = {WL_DISPLAY: "wl_display"}
        self.titles = {}  # xdg_toplevel id -> title
        self.names = threading.Lock()  # guards interfaces and titles
        self.lock = threading.Lock()  # held while a message to the client is on its way
        for target in (self.requests, self.events):
            threading.Thread(target=target, daemon=True).start()

    def hang_up(self):
        with self.names:
            self.titles.clear()
        for sock in (self.client, self.server):
            try:
                sock.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    def requests(self):
        pending = b""
        try:
            while True:
                data, fds = receive(self.client)
                if not data:
                    break
                send(self.server, data, fds)
                pending += data
                messages, used = split_messages(pending)
                pending = pending[used:]
                with self.names:
                    for message in messages:
                        self.note_request(*message)
        except OSError:
            pass
        self.hang_up()

    def events(self):
        pending = b""
        held_fds = []
        try:
            while True:
                data, fds = receive(self.server)
                if not data:
                    break
                held_fds += fds
                pending += data
                messages, used = split_messages(pending)
                if not used:
                    continue  # only a piece of a message so far: it goes on with the rest
                with self.names:
                    for sender, opcode, payload in messages:
                        if sender == WL_DISPLAY and opcode == DELETE_ID:
                            (gone,) = struct.unpack_from("<I", payload)
                            self.interfaces.pop(gone, None)
                            self.titles.pop(gone, None)
                with self.lock:
                    # Whole messages only, so a close event can go in between.
                    send(self.client, pending[:used], held_fds)
                held_fds = []
                pending = pending[used:]
        except OSError:
            pass
        self.hang_up()

    def note_request(self, sender, opcode, payload):
        interface = self.interfaces.get(sender)
        try:
            if interface == "wl_display" and opcode == GET_REGISTRY:
                self.interfaces[struct.unpack_from("<I", payload)[0]] = "wl_registry"
            elif interface == "wl_registry" and opcode == BIND:
                name, offset = wayland_string(payload, 4)
                _, new_id = struct.unpack_from("<II", payload, offset)
                self.interfaces[new_id] = name
            elif interface == "xdg_wm_base" and opcode == GET_XDG_SURFACE:
                self.interfaces[struct.unpack_from("<I", payload)[0]] = "xdg_surface"
            elif interface == "xdg_surface" and opcode == GET_TOPLEVEL:
                new_id = struct.unpack_from("<I", payload)[0]
                self.interfaces[new_id] = "xdg_toplevel"
                self.titles[new_id] = ""
            elif interface == "xdg_toplevel" and opcode == SET_TITLE:
                self.titles[sender] = wayland_string(payload, 0)[0]
            elif interface == "xdg_toplevel" and opcode == TOPLEVEL_DESTROY:
                self.titles.pop(sender, None)
        except struct.error:
            pass  # a request of another shape under a reused id: not ours to know

    def close(self, title):
        with self.names:
            targets = [toplevel for toplevel, shown in self.titles.items() if shown == title]
        try:
            with self.lock:
                for toplevel in targets:
                    self.client.sendall(HEADER.pack(toplevel, HEADER.size << 16 | CLOSE))
        except OSError:
            return 0  # the program has gone
        return len(targets)


def serve_clients(listener, compositor_path, connections):
    while True:
        client, _ = listener.accept()
        credentials = client.getsockopt(socket.SOL_SOCKET, socket.SO_PEERCRED, struct.calcsize("3i"))
        pid = struct.unpack("3i", credentials)[0]
        try:
            connections.append(Connection(client, pid, compositor_path))
        except OSError:
            client.close()


def answer(line, connections):
    words = line.split(" ", 2)
    pid = int(words[1]) if len(words) > 1 and words[1].isdigit() else -1
    mine = [connection for connection in list(connections) if connection.pid == pid]
    if words[0] == "titles":
        with_titles = []
        for connection in mine:
            with connection.names:
                with_titles += connection.titles.values()
        return "\t".join(with_titles)
    if words[0] == "close" and len(words) == 3:
        return f"closed {sum(connection.close(words[2]) for connection in mine)}"
    return "error"


def main():
    listen_path, compositor_path, control_path = sys.argv[1:4]
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(listen_path)
    listener.listen(16)
    control = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    control.bind(control_path)
    control.listen(4)
    connections = []
    threading.Thread(target=serve_clients, args=(listener, compositor_path, connections), daemon=True).start()
    print("ready", flush=True)
    while True:
        caller, _ = control.accept()
        with caller, caller.makefile("rw") as stream:
            for line in stream:
                stream.write(answer(line.rstrip("\n"), connections) + "\n")
                stream.flush()


if __name__ == "__main__":
    main()
