// What assistive technology is told of an image control: a button named by its tooltip, a link
// named by its text, or a plain picture when it does nothing on a click; pressing it clicks it.
#pragma once

// Installs the interface for every image control; called by each control, works once.
void InstalaImagemAcessivel();
