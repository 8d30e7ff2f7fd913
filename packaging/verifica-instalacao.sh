#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and checks what a desktop sees:
# the program folder complete beside the executable, the launcher on the
# PATH reaching it through the link, the icon at every hicolor size, and a
# desktop entry and metainfo that the freedesktop validators accept.
#   packaging/verifica-instalacao.sh PASTA-DE-COMPILACAO
set -euo pipefail

BUILD=${1:?"uso: $0 PASTA-DE-COMPILACAO"}
ID=br.tolvane.Tolvane
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
falhas=0
falha() {
  echo "FALHA: $*" >&2
  falhas=$((falhas + 1))
}

cmake --install "$BUILD" --prefix "$prefix" >/dev/null

# The program folder holds exactly what the build's program folder holds,
# apart from what a running copy leaves there for a while (its lock, the
# bank's journal).
pasta="$prefix/lib/tolvane"
conteudo() { (cd "$1" && ls | grep -v -E '\.(rm)?lock$|-journal$|-wal$|-shm$'); }
if ! diff <(conteudo "$BUILD/bin") <(conteudo "$pasta") >/dev/null; then
  falha "a pasta instalada difere de $BUILD/bin:"
  diff <(conteudo "$BUILD/bin") <(conteudo "$pasta") >&2 || true
fi
for arquivo in tolvane libsoundengine.so tolvane.mdb abre.wav certo.wav click.wav erro.wav intro.wav panico.wav jogo.mid abre.mid; do
  [[ -s $pasta/$arquivo ]] || falha "falta $arquivo na pasta do programa"
done
compgen -G "$pasta/figura-*.png" >/dev/null || falha "nenhuma figura na pasta do programa"

# The launcher is a link that leads to the executable in the program folder.
lancador="$prefix/bin/tolvane"
if [[ ! -L $lancador ]]; then
  falha "bin/tolvane não é um link"
elif [[ $(readlink -f "$lancador") != "$(readlink -f "$pasta/tolvane")" ]]; then
  falha "bin/tolvane leva a $(readlink -f "$lancador"), não a $pasta/tolvane"
fi
[[ -x $lancador ]] || falha "bin/tolvane não é executável"

# Every hicolor size, each PNG exactly that size (width and height are the
# big-endian words at bytes 16 and 20 of the file).
for tamanho in 16 24 32 48 64 128 256; do
  icone="$prefix/share/icons/hicolor/${tamanho}x${tamanho}/apps/$ID.png"
  if [[ ! -f $icone ]]; then
    falha "falta o ícone de $tamanho pixels"
    continue
  fi
  read -r largura altura < <(od -An -tu1 -j16 -N8 "$icone" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [[ "$largura x $altura" == "$tamanho x $tamanho" ]] ||
    falha "o ícone de $tamanho pixels mede $largura x $altura"
done

# The desktop entry and the metainfo name the same id, icon and launcher.
desktop="$prefix/share/applications/$ID.desktop"
metainfo="$prefix/share/metainfo/$ID.metainfo.xml"
grep -qx "Icon=$ID" "$desktop" || falha "a entrada do menu não usa o ícone $ID"
grep -qx "Exec=tolvane" "$desktop" || falha "a entrada do menu não abre o comando tolvane"
grep -q "<id>$ID</id>" "$metainfo" || falha "o metainfo não tem o id $ID"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$metainfo" ||
  falha "o metainfo não aponta para $ID.desktop"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || falha "desktop-file-validate recusou $ID.desktop"
else
  echo "desktop-file-validate ausente (pacote desktop-file-utils): validação pulada"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" || falha "appstreamcli recusou $ID.metainfo.xml"
else
  echo "appstreamcli ausente (pacote appstream): validação pulada"
fi

if ((falhas)); then
  echo "$falhas falha(s) na instalação" >&2
  exit 1
fi
echo "Instalação conferida: pasta do programa, link, ícones, entrada do menu e metainfo"
