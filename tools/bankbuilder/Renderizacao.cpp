#include "Renderizacao.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace construtor {

QImage renderizaSvg(const QString& caminho)
{
    QSvgRenderer svg(caminho);
    if (!svg.isValid() || svg.defaultSize().isEmpty())
        return {};
    QImage imagem(svg.defaultSize(), QImage::Format_ARGB32);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&pintor);
    return imagem;
}

std::vector<ErroFonte> gravaFiguras(const QString& pastaFiguras, const QString& pastaImagens,
                                    const std::map<QString, QString>& nomes)
{
    const QDir figuras(pastaFiguras);
    QDir imagens(pastaImagens);
    QStringList neutros;
    for (const auto& par : nomes)
        neutros << par.second;
    for (const QString& velha : imagens.entryList({QStringLiteral("figura-*.png")}, QDir::Files))
        if (!neutros.contains(velha))
            imagens.remove(velha);
    for (const QString& svg : figuras.entryList({QStringLiteral("*.svg")}, QDir::Files))
        imagens.remove(svg.chopped(4) + QStringLiteral(".png"));

    std::vector<ErroFonte> erros;
    for (const auto& [nome, neutro] : nomes) {
        const QString svg = nome.chopped(4) + QStringLiteral(".svg");
        const QImage imagem = renderizaSvg(figuras.filePath(svg));
        if (imagem.isNull())
            erros.push_back({svg, 0, QStringLiteral("SVG inválido ou sem largura e altura")});
        else if (!imagem.save(imagens.filePath(neutro), "PNG"))
            erros.push_back({svg, 0, QStringLiteral("não foi possível gravar %1").arg(imagens.filePath(neutro))});
    }
    return erros;
}

} // namespace construtor
