"""What a player does on the quiz screen, in steps shared by the end-to-end cases."""

import os
import time

import tolvane_e2e as t

BALAO = (16, 128, 153, 121)  # labTexto, the balloon's text, in picBase


def clica_resposta(programa, banco, n, indice=0):
    """Answers question n once it is drawn.

    The answers take clicks from the third tick after the draw; the next
    question cannot take one before sixteen ticks after this answer. Clicking
    again and again over the first twelve ticks lands exactly one answer.
    """
    t.espera_questao(programa, banco, n)
    tique = 1.0 / programa.aceleracao
    fim = time.monotonic() + 12 * tique
    ox, oy = programa.origem_base()
    x, y = t.RESPOSTA[indice]
    while time.monotonic() < fim:
        programa.tela.clica(ox + x, oy + y)
        time.sleep(0.02)


def responde(programa, banco, n, captura, indice=0):
    """Answers question n and returns a screenshot of the verdict in the balloon.

    Clicks until the balloon changes (it reads "Pense bastante..." while the
    question waits), then takes the screenshot at once: the verdict stays
    only until the next question is announced, eleven ticks later.
    """
    t.espera_questao(programa, banco, n)
    ox, oy = programa.origem_base()
    x, y = t.RESPOSTA[indice]
    bx, by, bw, bh = BALAO
    regiao = captura[:-4] + "-balao.png"

    def balao():
        programa.tela.x("import", "-window", "root", "-crop", f"{bw}x{bh}+{ox + bx}+{oy + by}", regiao)
        with open(regiao, "rb") as f:
            return f.read()
    antes = balao()
    limite = time.monotonic() + 12.0 / programa.aceleracao + 2
    while time.monotonic() < limite:
        programa.tela.clica(ox + x, oy + y)
        if balao() != antes:
            return programa.tela.captura(captura)
    raise t.Falha(f"a resposta à questão {n} não mudou o balão")


def espera_respondendo(programa, banco, n):
    """Waits until question n takes answers and buttons (four ticks after its draw)."""
    t.espera_questao(programa, banco, n)
    time.sleep(4.0 / programa.aceleracao)


def espera_pergunta_na_tela(programa, pasta, prazo=20):
    """For a bank that is never written (the copy in memory): waits until
    the question caption is on screen."""
    contador = [0]

    def achou():
        programa._vivo_ou_falha()
        contador[0] += 1
        cap = programa.tela.captura(os.path.join(pasta, f"espera-{contador[0]}.png"))
        # Inside the white panel: its rounded border throws the reading off.
        return t.semelhanca(programa.le_base(cap, 198, 126, 580, 40, preparos=("normal",)), "Questão)") >= 0.8
    t.espera(achou, prazo, "a primeira questão aparecer na tela", passo=0.2)


def encerra_e_fecha(programa, pasta, banco=None, verdito=None):
    """Stops the exam with the stop knob, reads the verdict, presses OK,
    closes the results panel with its close mark and returns (verdict text,
    exit status)."""
    # The stop knob is refused while an answer blinks (the window is
    # disabled then): press it again until the verdict comes.
    caixa = None
    for _ in range(5):
        programa.clica_base(t.ENCERRAR)
        try:
            caixa = programa.caixa(prazo=3)
            break
        except t.Falha:
            continue
    if caixa is None:
        raise t.Falha("o botão Encerrar não trouxe o veredito")
    texto = programa.le_caixa(caixa, os.path.join(pasta, "veredito.png"))
    if verdito:
        t.confere_texto(texto, verdito, "veredito")
    programa.ok(caixa)
    fecha_painel(programa, pasta)
    return texto, programa.fim()


def fecha_painel(programa, pasta):
    """Waits for the results panel and closes it with picFechar."""
    def painel_na_tela():
        cap = programa.tela.captura(os.path.join(pasta, "painel.png"))
        return "desempenho" in programa.le_base(cap, t.PAINEL[0], t.PAINEL[1], 300, 34).lower()
    t.espera(painel_na_tela, 15, "o painel de desempenho aparecer", passo=0.2)
    programa.clica_base(t.FECHAR_PAINEL)


def sem_rastros(banco, pasta):
    """What a normal close must leave: no mark, no journal, no lock."""
    problemas = []
    if os.path.exists(banco):
        s, _ = t.marcas(banco)
        if s:
            problemas.append(f"{s} marcas ficaram no banco")
    for sobra in ("tolvane.mdb-journal", "tolvane.mdb-wal", "tolvane.mdb.lock"):
        if os.path.exists(os.path.join(pasta, sobra)):
            problemas.append(f"ficou {sobra}")
    if problemas:
        raise t.Falha("; ".join(problemas))
    return 0
