#pragma once
// Renders the figures the bank names into the program folder, under their
// neutral names. Needs a QGuiApplication (the figures have text).
#include "FonteQuestoes.h"

#include <QImage>
#include <map>

namespace construtor {

// An SVG drawn at its own pixel size; a null image when it cannot be read.
QImage renderizaSvg(const QString& caminho);

// Writes "<neutro>" into pastaImagens for every "<nome>.png" -> "<neutro>" of
// nomes, from pastaFiguras/<nome>.svg. First removes what older builds left
// there: numbered figures the bank no longer names, and PNGs named after a
// source SVG. Returns one error per figure that could not be written.
std::vector<ErroFonte> gravaFiguras(const QString& pastaFiguras, const QString& pastaImagens,
                                    const std::map<QString, QString>& nomes);

} // namespace construtor
