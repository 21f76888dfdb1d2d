// Enter on a list as its double click: it acts on the current line instead of reaching the
// dialog's default button. On a list with no current line, Enter stays the dialog's.
#pragma once

#include <QListWidget>

#include <functional>

void EnterNaLista(QListWidget* lista, std::function<void()> aoEnter);
