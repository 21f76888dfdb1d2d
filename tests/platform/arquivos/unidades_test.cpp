// The drive list of a Linux machine: the root, the home folder and the mounted volumes, by name.
#include "platform/arquivos/unidades.h"

#include <gtest/gtest.h>

namespace {

TEST(Unidades, RaizPastaPessoalEVolumesMontados) {
    const std::string tabela = "/dev/sda1 / ext4 rw 0 0\n"
                               "proc /proc proc rw 0 0\n"
                               "/dev/sdb1 /media/ana/PEN\\040DRIVE vfat rw 0 0\n"
                               "/dev/sdc1 /run/media/ana/Fotos ext4 rw 0 0\n"
                               "/dev/sdd1 /mnt/backup ext4 rw 0 0\n"
                               "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                               "/dev/sdd1 /mnt/backup ext4 rw 0 0\n"
                               "/dev/sde1 /mnt ext4 rw 0 0\n";
    const auto unidades = plataforma::UnidadesDe(tabela, "/home/ana");
    const std::vector<plataforma::Unidade> esperadas = {{"/", "/"},
                                                        {"ana", "/home/ana"},
                                                        {"PEN DRIVE", "/media/ana/PEN DRIVE"},
                                                        {"Fotos", "/run/media/ana/Fotos"},
                                                        {"backup", "/mnt/backup"}};
    EXPECT_EQ(unidades, esperadas);
    const std::pair<const char*, std::size_t> donos[] = {
        {"/etc", 0}, {"/home/ana/docs", 1}, {"/home/anabela", 0}, {"/media/ana/PEN DRIVE/x", 2}};
    for (const auto& [caminho, indice] : donos)
        EXPECT_EQ(plataforma::UnidadeDe(unidades, caminho), indice) << caminho;
}

} // namespace
