// The sound cues: asynchronous playback of a wave file and the test for a wave-output device.
#pragma once

#include <string>

namespace quelza {

void TocaSom(const std::string& caminho);
bool TemDispositivoSom();

} // namespace quelza
