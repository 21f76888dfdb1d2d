"""A POP3 server for the smoke tests on a free loopback port: one mailbox with three messages, for
any user and password. Writes its port to the file named by its argument, then serves connections
one at a time, appending each line it receives to standard output."""
import os
import socket
import sys

servidor = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
servidor.bind(("127.0.0.1", 0))
servidor.listen(1)
with open(sys.argv[1] + ".novo", "w") as arquivo:
    arquivo.write(str(servidor.getsockname()[1]))
# Named whole only once written: whoever waits for the file never reads half a port.
os.replace(sys.argv[1] + ".novo", sys.argv[1])

respostas = {b"USER": b"+OK\r\n", b"PASS": b"+OK\r\n", b"STAT": b"+OK 3 1234\r\n"}
while True:
    conexao, _ = servidor.accept()
    with conexao, conexao.makefile("rb") as entrada:
        conexao.sendall(b"+OK pronto\r\n")
        for linha in entrada:
            print(linha.decode("latin-1").rstrip("\r\n"), flush=True)
            comando = linha.split(b" ")[0].strip()
            if comando == b"QUIT":
                break
            conexao.sendall(respostas.get(comando, b"-ERR\r\n"))
