"""A service that takes every connection and never says a word: a sound server, a session
manager or a session bus that hangs. Listens on the socket named by its one argument, prints
"listening" once it does and "accepted" for each connection, and runs until stopped."""
import socket
import sys

server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(sys.argv[1])
server.listen(16)
print("listening", flush=True)
held = []
while True:
    connection, _ = server.accept()
    held.append(connection)
    print("accepted", flush=True)
