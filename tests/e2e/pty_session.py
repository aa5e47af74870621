#!/usr/bin/env python3
"""A real terminal for the end-to-end tests: an interactive bash on a pseudo-terminal.

    pty_session.py CONTROL LOG COMMAND_LINE

Starts `bash -i` as the session leader of a new pseudo-terminal, types COMMAND_LINE into it
and then does what the lines written into the FIFO CONTROL say:

    type TEXT   types TEXT and a newline
    ctrl-c [N]  types Ctrl-C, N times in one go (the terminal sends SIGINT to the foreground
                job for each)
    close       closes the terminal, as closing a terminal window does: the shell gets a
                hang-up and passes it on to its jobs, and when it exits the kernel hangs up
                the foreground group once more

Everything the terminal shows goes to LOG. After `close` (or when the shell ends by itself)
it prints how the shell ended ("exit N" or "signal N") and exits.
"""
import os
import pty
import select
import signal
import sys


def main():
    control_path, log_path, command = sys.argv[1], sys.argv[2], sys.argv[3]
    pid, master = pty.fork()
    if pid == 0:
        # A terminal window starts its shell with every signal at its default. This script may
        # have been started in the background by a shell script, with SIGINT and SIGQUIT
        # ignored, and Python ignores SIGPIPE: a shell inherits such ignored signals for good.
        for number in signal.valid_signals():
            if number not in (signal.SIGKILL, signal.SIGSTOP):
                try:
                    signal.signal(number, signal.SIG_DFL)
                except (OSError, ValueError):
                    pass
        os.execvp("bash", ["bash", "--norc", "--noprofile", "-i"])
    # Opened for reading and writing, the FIFO never reports end of file between two writers.
    control = os.open(control_path, os.O_RDWR | os.O_NONBLOCK)
    pending = b""
    with open(log_path, "ab", buffering=0) as log:
        os.write(master, command.encode() + b"\n")
        while master is not None:
            ready, _, _ = select.select([master, control], [], [])
            if master in ready:
                try:
                    data = os.read(master, 4096)
                except OSError:  # the shell is gone
                    data = b""
                if not data:
                    os.close(master)
                    master = None
                    break
                log.write(data)
            if control in ready:
                pending += os.read(control, 4096)
                while b"\n" in pending:
                    line, pending = pending.split(b"\n", 1)
                    if line == b"close":
                        os.close(master)
                        master = None
                        break
                    if line.split(b" ")[0] == b"ctrl-c":
                        times = line.split(b" ")[1:] or [b"1"]
                        os.write(master, b"\x03" * int(times[0]))
                    elif line.startswith(b"type "):
                        os.write(master, line[5:] + b"\n")
    _, status = os.waitpid(pid, 0)
    if os.WIFSIGNALED(status):
        print("signal %d" % os.WTERMSIG(status))
    else:
        print("exit %d" % os.WEXITSTATUS(status))


if __name__ == "__main__":
    main()
