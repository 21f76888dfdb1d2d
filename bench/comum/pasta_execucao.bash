# Sourced by the start-up benchmarks. The runtime folder on a memory file system, where a desktop
# session keeps it (/run/user/UID): the instance lock's flush to disk then costs what it costs a user,
# not a disk's sync on every start. Prints a new private folder in /dev/shm, or nothing where there is
# none to use; the caller removes it.
pasta_execucao_em_memoria() {
    if [[ -d /dev/shm && -w /dev/shm ]]; then
        mktemp -d /dev/shm/telvanor-bench.XXXXXX
    fi
}
