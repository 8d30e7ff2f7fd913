#include "modExterno.h"

namespace modExterno {

QChar tabelaEntrada[tamanhoTabelas + 1];
QChar tabelaSaida[tamanhoTabelas + 1];
QString textoDecodificado;

namespace {

// Position k of the tables pairs character k of the first text with
// character k of the second. The first 92 pairs permute the digits, the
// letters and the accented letters of Portuguese among themselves; the last
// 16 are never scanned by the decoder, so those letters pass unchanged.
const QString entradas = QStringLiteral(
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
    "ÀÁÂÃÇÉÊËÍÓÔÕÖÚÜàáâãçéêëíóôõöúü"
    "ÄÎÏÑÙÛÝŸäîïñùûýÿ");
const QString saidas = QStringLiteral(
    "éJ5HBQ0GzxÁüeçWj6ÕLc3OÇZÉAMÍwEÊ4XâVby9Óã1ËlÔNösóvÜhCÀKÃfêiortSqpgDPuYdëõíanáT2ú7ÖÂmÚFàRUk8ôI"
    "ùûÙäïÑÏñÛÎÿÄýÝŸî");

static_assert(tamanhoTabelas == 108);

} // namespace

void Preenche_Tabelas()
{
    for (int k = 1; k <= tamanhoTabelas; ++k) {
        tabelaEntrada[k] = entradas.at(k - 1);
        tabelaSaida[k] = saidas.at(k - 1);
    }
}

namespace {

// Replaces each character found among the first 92 entries of `de` by the
// entry at the same position of `para`; any other character is kept.
QString substitui(const QString& texto, const QChar* de, const QChar* para)
{
    QString resultado;
    resultado.reserve(texto.size());
    for (const QChar caractere : texto) {
        QChar substituto = caractere;
        for (int k = 1; k <= paresUsados; ++k) {
            if (de[k] == caractere) {
                substituto = para[k];
                break;
            }
        }
        resultado.append(substituto);
    }
    return resultado;
}

} // namespace

void Decodifica_Texto(const QString& textoArmazenado)
{
    textoDecodificado.clear();
    textoDecodificado = substitui(textoArmazenado, tabelaEntrada, tabelaSaida);
}

QString Codifica_Texto(const QString& texto)
{
    if (tabelaSaida[1].isNull())
        Preenche_Tabelas();
    return substitui(texto, tabelaSaida, tabelaEntrada);
}

} // namespace modExterno
