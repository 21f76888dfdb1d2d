// The dialing engine: dial the configured entry, read the connection's state as a status text, find
// the active connection, hang up, list the phonebook. It keeps no thread: the poller follows a dial.
// Texts are UTF-8 here and Windows-1252 in the dial-up records.
#pragma once

#include <string>

namespace quelza {

void DiscaConexão(std::string& entrada, std::string& usuario, std::string& senha);
std::string TextoEstadoConexão();
bool ConexãoAtiva();
void DesligaConexão();
void ListaEntradasDialUp();

} // namespace quelza
