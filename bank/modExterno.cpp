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

void Decodifica_Texto(const QString& textoArmazenado)
{
    textoDecodificado.clear();
    textoDecodificado.reserve(textoArmazenado.size());
    for (const QChar caractere : textoArmazenado) {
        QChar resultado = caractere;
        for (int k = 1; k <= paresUsados; ++k) {
            if (tabelaEntrada[k] == caractere) {
                resultado = tabelaSaida[k];
                break;
            }
        }
        textoDecodificado.append(resultado);
    }
}

QString Codifica_Texto(const QString& texto)
{
    if (tabelaSaida[1].isNull())
        Preenche_Tabelas();
    QString codificado;
    codificado.reserve(texto.size());
    for (const QChar caractere : texto) {
        QChar resultado = caractere;
        for (int k = 1; k <= paresUsados; ++k) {
            if (tabelaSaida[k] == caractere) {
                resultado = tabelaEntrada[k];
                break;
            }
        }
        codificado.append(resultado);
    }
    return codificado;
}

} // namespace modExterno
