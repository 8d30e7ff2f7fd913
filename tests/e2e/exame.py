#!/usr/bin/env python3
"""A whole short exam on the real program, as a player plays it.

The program runs on a virtual screen with its clock ten times as fast. The
player types a name, presses Enter, answers the first question, opens the
figure of the second and leaves it with Esc, skips it, asks for help on the
third, stops the exam, reads the verdict and closes the results panel. The
bank's marks are checked after each draw and after the close; the screen
is read back with tesseract.

    exame.py --programa build/bin [--guardar pasta]
"""

import argparse
import os
import shutil
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import acoes  # noqa: E402
import tolvane_e2e as t  # noqa: E402

NOME = "Marinheira Teste"
VIEWER = "TOLVANE - Figura da questão"
# Places in picBase, in pixels (twips / 15).
LAB_TEXTO = acoes.BALAO
LAB_PERGUNTA = (200, 128, 580, 65)
LAB_NOME = (116, 4, 250, 24)  # the banner to the right defeats the OCR
RODAPE = (80, 484, 200, 30)  # "Tempo restante :" and the seconds
PULOS = (660, 476, 90, 22)   # "Pular :" and the uses left


def exame(programa_origem, raiz):
    pasta = t.copia_programa(programa_origem, os.path.join(raiz, "bin"))
    banco = os.path.join(pasta, "tolvane.mdb")
    # Every question with a figure, so the second one has a figure to open.
    t.altera_banco(banco, "DELETE FROM questoes WHERE imagem IS NULL OR imagem='N'")
    total = sum(t.marcas(banco))
    def passo(texto):
        t.registra(f"  {time.monotonic() - inicio:5.1f} s  {texto}")

    inicio = time.monotonic()
    with t.Tela(raiz) as tela:
        p = t.Programa(tela, pasta, raiz, aceleracao=10).inicia()
        try:
            p.comeca(NOME)
            passo(f"nome digitado: {NOME}; Enter")

            # 1st question: drawn, marked at once, answered.
            t.espera_questao(p, banco, 1)
            if t.marcas(banco) != (1, total - 1):
                raise t.Falha(f"marcas depois da 1ª questão: {t.marcas(banco)}, esperava (1, {total - 1})")
            if not os.path.exists(banco + ".lock"):
                raise t.Falha("a trava de uma cópia só não está ao lado do banco durante a prova")
            passo("1ª questão sorteada: 1 marca no banco, trava ao lado do banco")
            time.sleep(0.4)
            origem = p.origem_base()
            tela_questao = tela.captura(os.path.join(raiz, "questao-1.png"))
            tela_resposta = acoes.responde(p, banco, 1, os.path.join(raiz, "resposta-1.png"))
            passo("resposta a) clicada")

            # 2nd question: the figure, opened and left with Esc, then skipped.
            t.espera_questao(p, banco, 2)
            if t.marcas(banco) != (2, total - 2):
                raise t.Falha(f"marcas depois da 2ª questão: {t.marcas(banco)}, esperava (2, {total - 2})")
            passo("2ª questão sorteada: 2 marcas")
            time.sleep(0.5)
            p.clica_base(t.VER_IMAGEM)
            caixa = p.caixa()
            aviso = p.captura_caixa(caixa, os.path.join(raiz, "aviso.png"))
            p.ok(caixa)
            viewer = t.espera(lambda: tela.janelas(VIEWER, p.pid), 10, "o visualizador abrir")[-1]
            time.sleep(0.3)
            gv = tela.geometria(viewer)
            tela_figura = tela.captura(os.path.join(raiz, "figura.png"))
            tela.ativa(viewer)
            tela.tecla("Escape")
            t.espera(lambda: not tela.janelas(VIEWER, p.pid), 10, "o Esc fechar o visualizador")
            passo("figura aberta com \"Ver imagem\", aviso lido, fechada com Esc")
            clique_pulo = time.monotonic()
            p.clica_base(t.PULAR)
            time.sleep(0.2)
            tela_pulo = tela.captura(os.path.join(raiz, "pulo.png"))
            t.espera_questao(p, banco, 3, prazo=15)
            # A skip brings the next one in five ticks; "Pular : 2" is checked below.
            demora_pulo = time.monotonic() - clique_pulo
            passo(f"pulo: a 3ª questão veio {demora_pulo:.1f} s depois")

            # 3rd question: the help.
            time.sleep(0.5)
            p.clica_base(t.AJUDA)
            time.sleep(0.4)
            tela_ajuda = tela.captura(os.path.join(raiz, "ajuda.png"))
            passo("ajuda pedida")

            # Stop: the verdict, the panel, the close.
            p.clica_base(t.ENCERRAR)
            caixa = p.caixa()
            veredito = p.captura_caixa(caixa, os.path.join(raiz, "veredito.png"))
            p.ok(caixa)
            passo("prova encerrada, veredito lido, OK")
            acoes.fecha_painel(p, raiz)
            estado = p.fim()
            passo(f"painel fechado com o X; o programa saiu com estado {estado}")
        finally:
            p.mata()
        marcas_fim = t.marcas(banco)

    # What was on screen, read afterwards so the exam's clock never waited for it.
    def le(captura, lugar, psm="6"):
        x, y, w, h = lugar
        return tela.le(captura, origem[0] + x, origem[1] + y, w, h, psm, ("normal", "contraste", "negativo"))

    t.confere_texto(le(tela_questao, LAB_NOME), f"Jogador : {NOME}", "nome do jogador")
    t.confere_texto(le(tela_questao, LAB_PERGUNTA), "Questão)", "enunciado")
    t.confere_texto(le(tela_questao, LAB_TEXTO), "Pense bastante antes de responder", "balão da questão")
    t.confere_texto(le(tela_questao, RODAPE), "Tempo restante :", "rodapé")
    resultado = le(tela_resposta, LAB_TEXTO)
    if t.semelhanca(resultado, "Parabéns. Você acertou.") >= 0.85:
        acertos = 1
    elif t.semelhanca(resultado, "Você errou.Tente a próxima.") >= 0.85:
        acertos = 0
    else:
        raise t.Falha(f"o balão depois da resposta não diz se acertou ou errou: \"{t.normaliza(resultado)}\"")
    t.confere_texto(tela.le(*aviso[0:1], *aviso[1]), "Para retornar à tela anterior, pressione a tecla 'ESC' ou click com o botão "
                           "direito do mouse", "aviso do visualizador")
    cores = tela.cores_distintas(tela_figura, gv[0], gv[1], gv[2], gv[3])
    if cores < 8:
        raise t.Falha(f"o visualizador não mostra uma figura ({cores} cores)")
    t.confere_texto(le(tela_pulo, PULOS, psm="7"), "Pular : 2", "pulos restantes", limiar=0.75)
    t.confere_texto(le(tela_ajuda, LAB_TEXTO), "A resposta correta não é", "ajuda")
    pct = acertos * 100 // 40
    t.confere_texto(tela.le(veredito[0], *veredito[1]), "Você não atingiu o número de 40 questões respondidas, e estas serão consideradas "
                              f"como respostas erradas. Seu desempenho foi de {pct}%. Não atingiu o mínimo "
                              "necessário.", "veredito")
    if estado != 0:
        raise t.Falha(f"estado de saída {estado}, esperava 0")
    if marcas_fim != (0, total):
        raise t.Falha(f"marcas depois de fechar: {marcas_fim}, esperava (0, {total})")
    acoes.sem_rastros(banco, pasta)
    duracao = time.monotonic() - inicio
    t.registra(f"ok: {'acertou' if acertos else 'errou'} a 1ª, veredito de {pct}%, "
               f"nenhuma marca depois de fechar; {duracao:.0f} s")
    if duracao > 120:
        raise t.Falha(f"o exame levou {duracao:.0f} s, mais que os 2 minutos")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--programa", required=True)
    ap.add_argument("--guardar")
    args = ap.parse_args()
    falta = t.faltando()
    if falta:
        print("Pulado: faltam " + ", ".join(falta) + " (scripts/setup instala).")
        return t.SKIP
    t.prazo_geral(110)
    with t.pasta_temporaria("tolvane-exame-") as raiz:
        try:
            exame(args.programa, raiz)
            return 0
        except t.Falha as e:
            t.registra(f"FALHOU: {e}")
            return 1
        finally:
            if args.guardar:
                shutil.copytree(raiz, args.guardar, dirs_exist_ok=True)


if __name__ == "__main__":
    sys.exit(main())
