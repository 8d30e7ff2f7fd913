#!/usr/bin/env python3
"""Bad input and faults, against the real program on a virtual screen.

Each case damages its own copy of the program folder, plays what a player
would, and checks what the player sees (the message box, read from the
screen, or a quiet fallback), the exit status, and that a normal close
leaves no mark in the bank. The outcome of every case is printed, and with
--relatorio written as a Markdown table.

    entradas.py --programa build/bin [--casos ausente,vazio,...] [--relatorio arquivo.md]
"""

import argparse
import hashlib
import os
import shutil
import signal
import sqlite3
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import acoes  # noqa: E402
import tolvane_e2e as t  # noqa: E402

BANCO_INUTILIZAVEL = "Não foi possível usar o banco de questões:"
REINSTALE = "Reinstale o programa para restaurar o arquivo."
VIEWER = "TOLVANE - Figura da questão"
AVISO_VIEWER = "Para retornar à tela anterior, pressione a tecla 'ESC' ou click com o botão direito do mouse"
VERDITO = "Você não atingiu o número de 40 questões respondidas"


def resumo_hash(arquivo):
    with open(arquivo, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class Caso:
    """One case's program folder, log folder and outcome."""

    def __init__(self, tela, origem, raiz, nome):
        self.tela = tela
        self.nome = nome
        self.registro = os.path.join(raiz, nome)
        os.makedirs(self.registro)
        os.chmod(self.registro, 0o755)
        self.pasta = t.copia_programa(origem, os.path.join(self.registro, "bin"))
        self.banco = os.path.join(self.pasta, "tolvane.mdb")
        self.visto = ""
        self.estado = None
        self.marcas = None

    def programa(self, **kw):
        kw.setdefault("nome", "tolvane")
        return t.Programa(self.tela, self.pasta, self.registro, **kw)

    def le_caixa(self, programa, arquivo="caixa.png"):
        caixa = programa.caixa()
        texto = programa.le_caixa(caixa, os.path.join(self.registro, arquivo))
        return caixa, texto


def banco_ruim(caso, problema, conselho=REINSTALE):
    """The bank cannot be used: the message names the problem, OK ends the run with status 1,
    and the file is left exactly as it was."""
    antes = resumo_hash(caso.banco) if os.path.exists(caso.banco) else None
    p = caso.programa().inicia()
    try:
        p.comeca()
        caixa, texto = caso.le_caixa(p)
        for frase in (BANCO_INUTILIZAVEL, problema, conselho):
            t.confere_texto(texto, frase, caso.nome)
        if "sqlite" in texto.lower() or "database" in texto.lower():
            raise t.Falha(f"o texto em inglês do SQLite apareceu na mensagem: {texto}")
        p.ok(caixa)
        caso.estado = p.fim()
    finally:
        p.mata()
    if caso.estado != 1:
        raise t.Falha(f"estado de saída {caso.estado}, esperava 1")
    depois = resumo_hash(caso.banco) if os.path.exists(caso.banco) else None
    if antes != depois:
        raise t.Falha("o arquivo do banco foi alterado (ou criado)")
    try:
        caso.marcas = t.marcas(caso.banco)[0]
    except (sqlite3.Error, OSError):
        caso.marcas = "— (sem banco legível)"
    caso.visto = f"mensagem: {BANCO_INUTILIZAVEL} (caminho) {problema} {conselho}"


def exame_curto(caso, p, respostas=1, verdito=VERDITO):
    """Answers a few questions, stops, reads the verdict, closes the panel."""
    for n in range(1, respostas + 1):
        acoes.clica_resposta(p, caso.banco, n)
    acoes.espera_respondendo(p, caso.banco, respostas + 1)
    texto, caso.estado = acoes.encerra_e_fecha(p, caso.registro, verdito=verdito)
    if caso.estado != 0:
        raise t.Falha(f"estado de saída {caso.estado}, esperava 0")
    caso.marcas = acoes.sem_rastros(caso.banco, caso.pasta)
    return texto


# ---- the cases ------------------------------------------------------------

def caso_ausente(caso):
    os.remove(caso.banco)
    banco_ruim(caso, "O arquivo não foi encontrado.")
    if os.path.exists(caso.banco):
        raise t.Falha("um banco vazio foi criado no lugar do ausente")


def caso_vazio(caso):
    open(caso.banco, "wb").close()
    banco_ruim(caso, "O arquivo está vazio.")


def caso_lixo(caso):
    with open(caso.banco, "wb") as f:
        f.write(os.urandom(64 * 1024))
    banco_ruim(caso, "O arquivo está danificado ou não é um banco de questões.")


def caso_sem_tabela(caso):
    t.altera_banco(caso.banco, "DROP TABLE questoes")
    banco_ruim(caso, "O arquivo não contém a tabela de questões.")


def caso_sem_campo(caso):
    t.altera_banco(caso.banco, "ALTER TABLE questoes DROP COLUMN certa")
    banco_ruim(caso, "A tabela de questões não tem o campo \"certa\".")


def caso_trancado(caso):
    # Another program holds the bank in an exclusive transaction for the whole run.
    outro = tranca(caso.banco)
    try:
        banco_ruim(caso, "O arquivo está em uso por outro programa.",
                   conselho="Feche o outro programa e tente novamente.")
    finally:
        solta(outro)
    caso.marcas = acoes.sem_rastros(caso.banco, caso.pasta)


def tranca(banco):
    """Another program (the sqlite3 shell) holding the bank in an exclusive transaction."""
    outro = subprocess.Popen(["sqlite3", banco], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, text=True)
    outro.stdin.write(".timeout 5000\nBEGIN EXCLUSIVE;\n")
    outro.stdin.flush()

    def trancado():
        try:
            t.marcas(banco, paciencia=0)
            return False
        except sqlite3.OperationalError:
            return True
    t.espera(trancado, 5, "o sqlite3 trancar o banco")
    return outro


def solta(outro):
    outro.stdin.write("ROLLBACK;\n.quit\n")
    outro.stdin.close()
    outro.wait(5)


def caso_trancado_durante(caso):
    # The bank is taken by another program while a question is on screen:
    # the next draw cannot read it.
    total = sum(t.marcas(caso.banco))
    p = caso.programa(nome="tolvane-1").inicia()
    outro = None
    try:
        p.comeca()
        t.espera_questao(p, caso.banco, 1)
        outro = tranca(caso.banco)
        # The bank cannot be read now, not even to see the marks: the answer
        # is clicked for as long as the question can take it.
        limite = time.monotonic() + 1.2
        while time.monotonic() < limite:
            p.clica_base(t.RESPOSTA[0])
        caixa, texto = caso.le_caixa(p)
        for frase in ("Não foi possível ler a próxima questão do banco de questões.",
                      "O arquivo está em uso por outro programa."):
            t.confere_texto(texto, frase, caso.nome)
        p.ok(caixa)
        estado1 = p.fim()
    finally:
        p.mata()
        if outro:
            solta(outro)
    if estado1 != 1:
        raise t.Falha(f"estado de saída {estado1}, esperava 1")
    deixadas = t.marcas(caso.banco)[0]
    # The next run starts with every question available again.
    p2 = caso.programa(nome="tolvane-2").inicia()
    try:
        p2.comeca()
        t.espera(lambda: t.marcas(caso.banco) == (1, total - 1), 20, "a nova partida começar com todas as questões")
        acoes.espera_respondendo(p2, caso.banco, 1)
        p2.clica_base(t.SAIR)
        caso.estado = f"{estado1} (trancado), {p2.fim()} (partida seguinte)"
    finally:
        p2.mata()
    caso.marcas = acoes.sem_rastros(caso.banco, caso.pasta)
    caso.visto = ("mensagem: \"Não foi possível ler a próxima questão do banco de questões. O arquivo está em uso "
                  f"por outro programa.\"; ficam {deixadas} marca(s), apagadas pela partida seguinte")


def caso_nulos(caso):
    t.altera_banco(caso.banco, "UPDATE questoes SET pergunta=NULL, respA=NULL, respB=NULL, respC=NULL, "
                               "respD=NULL, certa=NULL, materia=NULL, imagem=NULL")
    p = caso.programa(aceleracao=20).inicia()
    try:
        p.comeca()
        # Nothing is ever right without a letter: 21 answers lose the exam.
        # A question whose answer was missed runs out of time and does not
        # count, so the answers go on until the verdict comes.
        for n in range(1, 41):
            t.espera(lambda: p.tela.caixas(p.pid) or t.marcas(caso.banco)[0] >= n, 20,
                     f"a questão {n} ou o veredito")
            if p.tela.caixas(p.pid):
                break
            if n == 1:
                cap = p.tela.captura(os.path.join(caso.registro, "questao-nula.png"))
            acoes.clica_resposta(p, caso.banco, n)
        caixa, texto = caso.le_caixa(p, "fim.png")
        t.confere_texto(texto, "Não é mais possível atingir o valor mínimo de 50%. Tente novamente.", caso.nome)
        p.ok(caixa)
        acoes.fecha_painel(p, caso.registro)
        caso.estado = p.fim()
    finally:
        p.mata()
    tela = p.le_base(cap, 198, 126, 580, 330)
    # The captions with nothing after them: "Questão)", then the four letters.
    t.confere_texto(tela, "Questão) a) b) c) d)", "questão com campos nulos")
    if caso.estado != 0:
        raise t.Falha(f"estado de saída {caso.estado}, esperava 0")
    caso.marcas = acoes.sem_rastros(caso.banco, caso.pasta)
    caso.visto = ("questões com enunciado e alternativas em branco (\"Questão)\", \"a)\" ... \"d)\"); "
                  "21 respostas erradas encerram a prova: \"Não é mais possível atingir o valor mínimo de 50%. "
                  "Tente novamente.\"")


def caso_esgotado(caso):
    # Two questions, both left marked as drawn: the opening clears the marks,
    # the two are played, and the third draw finds the bank empty.
    t.altera_banco(caso.banco, "DELETE FROM questoes WHERE numero NOT IN "
                               "(SELECT numero FROM questoes ORDER BY numero LIMIT 2)",
                   "UPDATE questoes SET ja_foi='S'")
    p = caso.programa().inicia()
    try:
        p.comeca()
        t.espera(lambda: t.marcas(caso.banco) == (1, 1), 20, "as marcas velhas serem apagadas e a 1ª questão sorteada")
        acoes.clica_resposta(p, caso.banco, 1)
        acoes.clica_resposta(p, caso.banco, 2)
        caixa, texto = caso.le_caixa(p, "esgotado.png")
        fim = "O banco de questões não tem mais questões para sortear. O simulado termina aqui."
        t.confere_texto(texto, fim, caso.nome)
        p.ok(caixa)
        caixa, texto2 = caso.le_caixa(p, "veredito.png")
        t.confere_texto(texto2, VERDITO, caso.nome)
        p.ok(caixa)
        acoes.fecha_painel(p, caso.registro)
        caso.estado = p.fim()
    finally:
        p.mata()
    if caso.estado != 0:
        raise t.Falha(f"estado de saída {caso.estado}, esperava 0")
    caso.marcas = acoes.sem_rastros(caso.banco, caso.pasta)
    caso.visto = f"as marcas velhas são apagadas ao abrir; sem mais questões: \"{fim}\", depois o resultado"


def so_questoes_com_figura(caso):
    t.altera_banco(caso.banco, "DELETE FROM questoes WHERE imagem IS NULL OR imagem='N'")
    con = sqlite3.connect(caso.banco)
    figuras = sorted({r[0] for r in con.execute("SELECT imagem FROM questoes")})
    con.close()
    return figuras


def figura_ruim(caso, estraga, esperado):
    figuras = so_questoes_com_figura(caso)
    for f in figuras:
        estraga(os.path.join(caso.pasta, f))
    # Slower time: the viewer is opened, read and closed within one question's 60 s.
    p = caso.programa(aceleracao=4).inicia()
    try:
        p.comeca()
        t.espera_questao(p, caso.banco, 1)
        figura = t.marcadas(caso.banco)[0][1]
        time.sleep(1.0)
        p.clica_base(t.VER_IMAGEM)
        caixa, aviso = caso.le_caixa(p, "aviso.png")
        p.ok(caixa)
        viewer = t.espera(lambda: t.Tela.janelas(p.tela, VIEWER, p.pid), 10, "o visualizador abrir")[-1]
        time.sleep(0.3)
        g = p.tela.geometria(viewer)
        cap = p.tela.captura(os.path.join(caso.registro, "visualizador.png"))
        p.tela.ativa(viewer)
        p.tela.tecla("Escape")
        t.espera(lambda: not t.Tela.janelas(p.tela, VIEWER, p.pid), 10, "o Esc fechar o visualizador")
        p.clica_base(t.SAIR)
        caso.estado = p.fim()
    finally:
        p.mata()
    t.confere_texto(aviso, AVISO_VIEWER, "aviso do visualizador")
    texto = p.tela.le(cap, g[0], g[1], min(g[2], 790), 60)
    frase = esperado.format(figura)
    t.confere_texto(texto, frase, caso.nome)
    if caso.estado != 0:
        raise t.Falha(f"estado de saída {caso.estado}, esperava 0")
    caso.marcas = acoes.sem_rastros(caso.banco, caso.pasta)
    caso.visto = f"no visualizador, em vermelho: \"{frase}\"; Esc volta à prova"


NAO_ENCONTRADA = "Figura não encontrada: {}"
DANIFICADA = "Não foi possível abrir a figura {}: o arquivo está danificado ou não é uma imagem."


def caso_figura_ausente(caso):
    figura_ruim(caso, os.remove, NAO_ENCONTRADA)


def caso_figura_truncada(caso):
    def trunca(arquivo):
        tamanho = os.path.getsize(arquivo)
        with open(arquivo, "r+b") as f:
            f.truncate(tamanho // 3)
    figura_ruim(caso, trunca, DANIFICADA)


def caso_figura_invalida(caso):
    def texto(arquivo):
        with open(arquivo, "w") as f:
            f.write("isto não é uma figura\n")
    figura_ruim(caso, texto, DANIFICADA)


def caso_figura_pasta(caso):
    def pasta(arquivo):
        os.remove(arquivo)
        os.mkdir(arquivo)
    figura_ruim(caso, pasta, NAO_ENCONTRADA)


def caso_sons_ausentes(caso):
    for f in os.listdir(caso.pasta):
        if f.endswith((".wav", ".mid")):
            os.remove(os.path.join(caso.pasta, f))
    saida = os.path.join(caso.registro, "audio.raw")
    p = caso.programa(env={"SDL_DISKAUDIOFILE": saida}).inicia()
    try:
        p.comeca()
        exame_curto(caso, p)
    finally:
        p.mata()
    with open(saida, "rb") as f:
        dados = f.read()
    if not dados:
        raise t.Falha("o dispositivo de som de teste não recebeu nada: o som não foi aberto")
    if dados.strip(b"\0"):
        raise t.Falha("saiu som sem os arquivos de som")
    caso.visto = "silêncio; a prova segue normalmente"


def caso_sem_som(caso):
    p = caso.programa(env={"SDL_AUDIODRIVER": "semdispositivo", "SDL_DISKAUDIOFILE": None}).inicia()
    try:
        p.comeca()
        exame_curto(caso, p)
    finally:
        p.mata()
    caso.visto = "silêncio; a prova segue normalmente"


def caso_somente_leitura(caso):
    antes = resumo_hash(caso.banco)
    usuario = None
    if os.geteuid() == 0:
        usuario = "nobody"
        for raiz, dirs, arquivos in os.walk(caso.pasta):
            for d in dirs:
                os.chmod(os.path.join(raiz, d), 0o755)
            for a in arquivos:
                os.chmod(os.path.join(raiz, a), 0o755 if a == "tolvane" else 0o644)
    else:
        os.chmod(caso.banco, 0o444)
        os.chmod(caso.pasta, 0o555)
    p = caso.programa(usuario=usuario).inicia()
    try:
        p.comeca()
        acoes.espera_pergunta_na_tela(p, caso.registro)
        # Nothing is written: the file has no mark even while the exam runs.
        if t.marcas(caso.banco)[0] != 0:
            raise t.Falha("o programa gravou marcas no banco somente leitura")
        # The bank is never written, so responde() is told the question is drawn.
        resposta = acoes.responde(p, caso.banco, 0, os.path.join(caso.registro, "resposta.png"))
        time.sleep(2.0)
        texto, caso.estado = acoes.encerra_e_fecha(p, caso.registro, verdito=VERDITO)
    finally:
        p.mata()
    if caso.estado != 0:
        raise t.Falha(f"estado de saída {caso.estado}, esperava 0")
    balao = p.le_base(resposta, 16, 128, 153, 121, preparos=("contraste", "negativo"))
    if max(t.semelhanca(balao, "Você acertou."), t.semelhanca(balao, "Você errou.")) < 0.85:
        raise t.Falha(f"a resposta não foi aceita; o balão diz \"{balao}\"")
    if resumo_hash(caso.banco) != antes:
        raise t.Falha("o banco somente leitura foi alterado")
    caso.marcas = acoes.sem_rastros(caso.banco, caso.pasta)
    quem = "como o usuário nobody" if usuario else "sem permissão de escrita"
    caso.visto = f"a prova roda numa cópia em memória ({quem}); o arquivo fica intacto, sem trava"


def caso_morto(caso):
    p = caso.programa(nome="tolvane-1").inicia()
    try:
        p.comeca()
        acoes.clica_resposta(p, caso.banco, 1)
        t.espera_questao(p, caso.banco, 2)
    finally:
        p.mata(signal.SIGKILL)
    deixadas, _ = t.marcas(caso.banco)
    if deixadas < 2:
        raise t.Falha(f"esperava marcas deixadas pelo processo morto, há {deixadas}")
    total = sum(t.marcas(caso.banco))
    p2 = caso.programa(nome="tolvane-2").inicia()
    try:
        p2.comeca()
        # Every question is available again: one drawn, all others not.
        t.espera(lambda: t.marcas(caso.banco) == (1, total - 1), 20,
                 "as marcas do processo morto serem apagadas e a 1ª questão sorteada")
        exame_curto(caso, p2)
    finally:
        p2.mata()
    caso.visto = f"o processo morto deixou {deixadas} marcas; a nova partida começa com todas as questões"


def caso_segunda_copia(caso):
    p1 = caso.programa(nome="tolvane-1").inicia()
    try:
        p1.comeca()
        t.espera_questao(p1, caso.banco, 1)
        p2 = caso.programa(nome="tolvane-2").inicia()
        try:
            caixa, texto = caso.le_caixa(p2)
            t.confere_texto(texto, "O simulado já está aberto em outra janela.", caso.nome)
            p2.ok(caixa)
            estado2 = p2.fim()
        finally:
            p2.mata()
        if estado2 != 1:
            raise t.Falha(f"a segunda cópia saiu com estado {estado2}, esperava 1")
        if t.marcas(caso.banco)[0] != 1:
            raise t.Falha("a segunda cópia mexeu nas marcas da primeira")
        exame_curto(caso, p1)
    finally:
        p1.mata()
    caso.visto = "mensagem: \"O simulado já está aberto em outra janela.\" (a segunda cópia sai com estado 1)"
    caso.estado = f"1 (2ª cópia), {caso.estado} (1ª)"


def caso_trava_orfa(caso):
    p1 = caso.programa(nome="tolvane-1").inicia()
    try:
        p1.janela()
    finally:
        p1.mata(signal.SIGKILL)
    trava = caso.banco + ".lock"
    if not os.path.exists(trava):
        raise t.Falha("o programa morto não deixou trava; o caso não testa nada")
    # The dead copy's PID now belongs to another program.
    outro = subprocess.Popen(["sleep", "60"])
    try:
        with open(trava) as f:
            linhas = f.read().split("\n")
        linhas[0] = str(outro.pid)
        with open(trava, "w") as f:
            f.write("\n".join(linhas))
        p2 = caso.programa(nome="tolvane-2").inicia()
        try:
            p2.comeca()
            acoes.espera_respondendo(p2, caso.banco, 1)
            p2.clica_base(t.SAIR)
            caso.estado = p2.fim()
        finally:
            p2.mata()
    finally:
        outro.kill()
        outro.wait()
    if caso.estado != 0:
        raise t.Falha(f"estado de saída {caso.estado}, esperava 0")
    caso.marcas = acoes.sem_rastros(caso.banco, caso.pasta)
    caso.visto = "nenhuma mensagem: a trava de um processo que já não existe é assumida"


def nome_colado(caso, nome, legenda):
    p = caso.programa().inicia()
    try:
        p.tela.cola(nome)
        inicio = time.monotonic()
        p.comeca(colar=True)
        t.espera_questao(p, caso.banco, 1)
        demora = time.monotonic() - inicio
        cap = p.tela.captura(os.path.join(caso.registro, "nome.png"))
        exame_curto(caso, p)
    finally:
        p.mata()
    lido = p.le_base(cap, 116, 4, 250, 24)
    t.confere_texto(lido, legenda, caso.nome, limiar=0.8)
    return lido, demora


def caso_nome_longo(caso):
    nome = ("Marinheira " * 1000)[:10000]
    lido, demora = nome_colado(caso, nome, "Jogador : Marinheira Marinheira")
    caso.visto = (f"o nome aparece cortado na borda da tela (\"{t.normaliza(lido)[:40]}...\"); "
                  f"a prova começa normalmente ({demora:.1f} s até a 1ª questão)")


def caso_nome_estranho(caso):
    nome = "Ana 🚤⚓ Silva\tda\tCosta\nSegunda linha\r\nTerceira"
    lido, _ = nome_colado(caso, nome, "Jogador : Ana")
    caso.visto = f"a prova começa normalmente; na tela: \"{t.normaliza(lido)}\""


CASOS = {
    "ausente": ("banco ausente", caso_ausente),
    "vazio": ("banco vazio (0 bytes)", caso_vazio),
    "lixo": ("bytes aleatórios com o nome tolvane.mdb", caso_lixo),
    "sem_tabela": ("banco sem a tabela questoes", caso_sem_tabela),
    "sem_campo": ("tabela sem o campo certa", caso_sem_campo),
    "trancado": ("banco trancado por outro programa (sqlite3, BEGIN EXCLUSIVE)", caso_trancado),
    "trancado_durante": ("banco trancado por outro programa no meio da prova", caso_trancado_durante),
    "nulos": ("campos de texto Null (prova inteira)", caso_nulos),
    "esgotado": ("todas as questões já sorteadas", caso_esgotado),
    "somente_leitura": ("banco e pasta somente leitura", caso_somente_leitura),
    "figura_ausente": ("figura ausente", caso_figura_ausente),
    "figura_truncada": ("figura truncada", caso_figura_truncada),
    "figura_invalida": ("figura que não é imagem", caso_figura_invalida),
    "figura_pasta": ("uma pasta no lugar da figura", caso_figura_pasta),
    "sons_ausentes": ("nenhum arquivo de som", caso_sons_ausentes),
    "sem_som": ("sem dispositivo de som", caso_sem_som),
    "morto": ("processo morto (SIGKILL) no meio da prova, depois nova partida", caso_morto),
    "segunda_copia": ("segunda cópia do programa", caso_segunda_copia),
    "trava_orfa": ("trava deixada por um processo morto (PID reaproveitado)", caso_trava_orfa),
    "nome_longo": ("nome de 10.000 caracteres", caso_nome_longo),
    "nome_estranho": ("nome com emoji, tabulações e quebras de linha", caso_nome_estranho),
}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--programa", required=True, help="the built program folder (build/bin)")
    ap.add_argument("--casos", default=",".join(CASOS))
    ap.add_argument("--relatorio")
    ap.add_argument("--guardar", help="keep every case's folder here (screenshots, logs)")
    ap.add_argument("--prazo", type=int, default=170, help="seconds for all the cases together")
    args = ap.parse_args()

    falta = t.faltando()
    if falta:
        print("Pulado: faltam " + ", ".join(falta) + " (scripts/setup instala).")
        return t.SKIP
    if not os.path.isfile(os.path.join(args.programa, "tolvane.mdb")):
        print(f"Pulado: {args.programa} não tem o programa compilado com o banco.")
        return t.SKIP

    t.prazo_geral(args.prazo)
    nomes = [n for n in args.casos.split(",") if n]
    resultados = []
    inicio_geral = time.monotonic()
    with t.pasta_temporaria("tolvane-e2e-") as raiz, t.Tela(raiz) as tela:
        for nome in nomes:
            descricao, funcao = CASOS[nome]
            caso = Caso(tela, args.programa, raiz, nome)
            inicio = time.monotonic()
            parar = False
            try:
                funcao(caso)
                ok = True
                erro = ""
            except Exception as e:  # a failed case must not stop the others
                ok = False
                erro = str(e) if isinstance(e, t.Falha) else traceback.format_exc()
                parar = isinstance(e, t.PrazoGeral)
            duracao = time.monotonic() - inicio
            resultados.append((nome, descricao, ok, caso, erro, duracao))
            t.registra(f"[{'ok' if ok else 'FALHOU'}] {nome} ({duracao:.1f} s): {descricao}")
            t.registra(f"      visto: {caso.visto}")
            t.registra(f"      estado de saída: {caso.estado}; marcas após fechar: {caso.marcas}")
            if erro:
                t.registra("      " + erro.replace("\n", "\n      "))
            if parar:
                break
        if args.guardar:
            shutil.copytree(raiz, args.guardar, dirs_exist_ok=True)
    t.registra(f"{sum(r[2] for r in resultados)}/{len(resultados)} casos ok em "
               f"{time.monotonic() - inicio_geral:.0f} s")
    if args.relatorio:
        with open(args.relatorio, "w") as f:
            f.write("| caso | o que o jogador vê | estado de saída | marcas após fechar | resultado |\n")
            f.write("|---|---|---|---|---|\n")
            for nome, descricao, ok, caso, erro, _ in resultados:
                f.write(f"| {descricao} | {caso.visto} | {caso.estado} | {caso.marcas} | "
                        f"{'ok' if ok else 'FALHOU: ' + erro.splitlines()[0] if erro else 'FALHOU'} |\n")
    return 0 if all(r[2] for r in resultados) else 1


if __name__ == "__main__":
    sys.exit(main())
