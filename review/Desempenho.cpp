#include "Desempenho.h"

#include "bank/Materias.h"

#include <algorithm>
#include <cmath>

namespace review {

bool mesmoExame(const exam::ResumoExame& a, const exam::ResumoExame& b)
{
    return a.quando.toSecsSinceEpoch() == b.quando.toSecsSinceEpoch() && a.jogador == b.jogador
           && a.acertos == b.acertos && a.erros == b.erros && a.esgotadas == b.esgotadas && a.puladas == b.puladas
           && a.percentual == b.percentual;
}

std::vector<exam::ResumoExame> comOAtual(const exam::ResumoExame& atual,
                                         const std::vector<exam::ResumoExame>& historico)
{
    std::vector<exam::ResumoExame> exames;
    exames.reserve(historico.size() + 1);
    exames.push_back(atual);
    const bool jaGravado = !historico.empty() && mesmoExame(historico.front(), atual);
    exames.insert(exames.end(), historico.begin() + (jaGravado ? 1 : 0), historico.end());
    return exames;
}

std::vector<MediaMateria> mediasPorMateria(const std::vector<exam::ResumoExame>& exames)
{
    std::vector<MediaMateria> medias;
    for (int k = 1; k <= bank::numeroMaterias; ++k) {
        int soma = 0;
        int quantos = 0;
        for (const exam::ResumoExame& exame : exames) {
            const int pct = exame.porMateria[std::size_t(k - 1)];
            if (pct < 0)
                continue;
            soma += pct;
            ++quantos;
        }
        medias.push_back({k, quantos == 0 ? -1 : int(std::lround(double(soma) / quantos))});
    }
    return medias;
}

std::vector<MediaMateria> maisFracas(const std::vector<exam::ResumoExame>& exames, int quantas)
{
    std::vector<MediaMateria> medias = mediasPorMateria(exames);
    std::erase_if(medias, [](const MediaMateria& m) { return m.media < 0; });
    std::stable_sort(medias.begin(), medias.end(),
                     [](const MediaMateria& a, const MediaMateria& b) { return a.media < b.media; });
    if (int(medias.size()) > quantas)
        medias.resize(std::size_t(std::max(0, quantas)));
    return medias;
}

QString fraseMaisFracas(const std::vector<exam::ResumoExame>& ultimos)
{
    const auto quantos = std::min<std::size_t>(ultimos.size(), examesParaFracas);
    const std::vector<exam::ResumoExame> considerados(ultimos.begin(), ultimos.begin() + std::ptrdiff_t(quantos));
    const std::vector<MediaMateria> fracas = maisFracas(considerados, 2);

    const QString inicio = quantos == 1 ? QStringLiteral("Neste simulado")
                                        : QStringLiteral("Nos últimos %1 simulados").arg(quantos);
    if (fracas.empty())
        return inicio + QStringLiteral(", nenhuma matéria teve questões respondidas.");
    const auto& nomes = bank::nomesMaterias();
    const auto parte = [&](const MediaMateria& m) {
        const QString nome = nomes[std::size_t(m.materia - 1)];
        return quantos == 1 ? QStringLiteral("%1 (%2 %)").arg(nome).arg(m.media)
                            : QStringLiteral("%1 (média de %2 %)").arg(nome).arg(m.media);
    };
    if (fracas.size() == 1)
        return inicio + QStringLiteral(", a matéria mais fraca foi %1.").arg(parte(fracas[0]));
    return inicio + QStringLiteral(", as matérias mais fracas foram %1 e %2.").arg(parte(fracas[0]), parte(fracas[1]));
}

QString nomeCurto(int materia)
{
    static const char* const nomes[] = {"Ripeam",   "Balizamento", "Manobra",     "Simbologia", "Incêndio",
                                        "Socorros", "Sobrevivência", "Regulamento", "Normas"};
    if (materia < 1 || materia > bank::numeroMaterias)
        return QString();
    return QString::fromUtf8(nomes[materia - 1]);
}

} // namespace review
