#include "Materias.h"

namespace bank {

const std::array<QString, numeroMaterias>& nomesMaterias()
{
    static const std::array<QString, numeroMaterias> nomes = {
        QStringLiteral("RIPEAM"),
        QStringLiteral("BALIZAMENTO"),
        QStringLiteral("MANOBRA"),
        QStringLiteral("SIMBOLOGIA E CARTAS NÁUTICAS"),
        QStringLiteral("COMBATE A INCÊNDIO"),
        QStringLiteral("PRIMEIROS SOCORROS"),
        QStringLiteral("SOBREVIVÊNCIA E SEGURANÇA NO MEIO MARINHO"),
        QStringLiteral("REGULAMENTO PARA TRÁFEGO MARÍTIMO"),
        QStringLiteral("NORMAS BÁSICAS DE SEGURANÇA PARA A ATIVIDADE NÁUTICA DE ESPORTE E/OU RECREIO"),
    };
    return nomes;
}

int numeroDaMateria(const QString& nome)
{
    const auto& nomes = nomesMaterias();
    for (int k = 0; k < numeroMaterias; ++k)
        if (nomes[std::size_t(k)] == nome)
            return k + 1;
    return 0;
}

} // namespace bank
