// A write past the file-size limit (ulimit -f, prlimit --fsize) raises SIGXFSZ, which ends the
// process at once, without a word and with the write's temporary file left behind. Ignored, such a
// write fails with EFBIG and takes the way of a full disk: the store keeps what it held and the
// refusal is reported. Every program of ours calls this first.
#pragma once

namespace plataforma {

void IgnoraLimiteDeTamanho();

} // namespace plataforma
