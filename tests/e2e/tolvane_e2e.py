"""Drives the real Tolvane program on a virtual screen, as a player would.

A virtual X screen (Xvfb, 800 x 600) with a light window manager (openbox),
a copy of the program folder per case, the program started with its clock
sped up (libfaketime), clicks and keys sent with xdotool, what is on screen
read back with ImageMagick screenshots and tesseract, and the marks read
from the bank file. Every wait has a deadline: a program that hangs fails
the case, it never stalls the run.
"""

import contextlib
import difflib
import os
import re
import shutil
import signal
import sqlite3
import subprocess
import tempfile
import time
import unicodedata

# CTest reads this status as "skipped" (SKIP_RETURN_CODE).
SKIP = 77

LARGURA_TELA, ALTURA_TELA = 800, 600
FAKETIME_LIB = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
FERRAMENTAS = ["Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xdpyinfo", "import", "convert", "tesseract", "xclip", "sqlite3"]
# Displays kept for these tests; other suites of the project use others.
DISPLAYS = range(91, 97)

# The quiz screen, in pixels inside picBase (800 x 520, centred on the screen).
BASE_LARGURA, BASE_ALTURA = 800, 520
RESPOSTA = [(490, 236), (490, 300), (490, 364), (490, 428)]  # centres of a) .. d)
PULAR = (32, 380)
AJUDA = (32, 412)
ENCERRAR = (529, 500)
SAIR = (615, 500)
VER_IMAGEM = (60, 20)
# The results panel (5535 x 6015 twips) is centred in picBase; its close
# mark sits at its top right (5160, 0 twips, 20 x 21 px).
PAINEL = ((12000 - 5535) // 2 // 15, (7800 - 6015) // 2 // 15, 369, 401)
FECHAR_PAINEL = (PAINEL[0] + 344 + 10, PAINEL[1] + 10)


class Falha(Exception):
    """A case did not behave as it should; the text says what was seen."""


class PrazoGeral(Falha):
    """The whole run is out of time: no further case may start."""


def prazo_geral(segundos):
    """Ends the whole run with a Falha after segundos, before CTest's own
    time limit would kill it and leave the virtual screen behind."""
    def estoura(*_):
        raise PrazoGeral(f"o teste passou do prazo geral de {segundos} s")
    signal.signal(signal.SIGALRM, estoura)
    signal.alarm(segundos)


def registra(*partes):
    print(*partes, flush=True)


def faltando():
    """The tools that are not installed."""
    falta = [f for f in FERRAMENTAS if shutil.which(f) is None]
    if not os.path.exists(FAKETIME_LIB):
        falta.append("libfaketime")
    if shutil.which("tesseract") and "por" not in subprocess.run(
            ["tesseract", "--list-langs"], capture_output=True, text=True).stdout.split():
        falta.append("tesseract-ocr-por")
    return falta


def espera(condicao, prazo, descricao, passo=0.05):
    """Polls condicao() until it returns something true, for at most prazo seconds."""
    limite = time.monotonic() + prazo
    while True:
        valor = condicao()
        if valor:
            return valor
        if time.monotonic() > limite:
            raise Falha(f"tempo esgotado ({prazo:.0f} s) esperando: {descricao}")
        time.sleep(passo)


def roda(args, prazo=10, **kw):
    try:
        return subprocess.run(args, capture_output=True, text=True, timeout=prazo, **kw)
    except subprocess.TimeoutExpired:
        raise Falha(f"{' '.join(args)[:200]} não terminou em {prazo} s")


# ---- text comparison ------------------------------------------------------

def normaliza(texto):
    texto = unicodedata.normalize("NFC", texto)
    return re.sub(r"\s+", " ", texto).strip()


def semelhanca(lido, esperado):
    """How well esperado appears somewhere in lido (1.0: exactly), tolerating
    OCR slips; lido may hold several readings, one per line."""
    if "\n" in lido.strip():
        return max(semelhanca(linha, esperado) for linha in lido.strip().split("\n"))
    lido, esperado = normaliza(lido).lower(), normaliza(esperado).lower()
    if not esperado:
        return 1.0
    if esperado in lido:
        return 1.0
    n = len(esperado)
    melhor = 0.0
    for inicio in range(0, max(1, len(lido) - n // 2)):
        for tamanho in (n - 2, n, n + 2):
            trecho = lido[inicio:inicio + tamanho]
            if not trecho:
                continue
            r = difflib.SequenceMatcher(None, trecho, esperado, autojunk=False).ratio()
            melhor = max(melhor, r)
    return melhor


def confere_texto(lido, esperado, onde, limiar=0.85):
    r = semelhanca(lido, esperado)
    if r < limiar:
        raise Falha(f"{onde}: esperava ler \"{esperado}\", li \"{normaliza(lido)}\" (semelhança {r:.2f})")


# ---- the virtual screen ---------------------------------------------------

class Tela:
    """Xvfb on one of the displays kept for these tests, with openbox on it."""

    def __init__(self, pasta):
        self.pasta = pasta
        self.xvfb = None
        self.wm = None
        self.numero = None
        self.clipboard = None

    def __enter__(self):
        for n in DISPLAYS:
            if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
                continue
            log = open(os.path.join(self.pasta, f"xvfb-{n}.log"), "w")
            # -ac: the read-only case runs the program as another user.
            xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", f"{LARGURA_TELA}x{ALTURA_TELA}x24",
                                     "-nolisten", "tcp", "-ac", "-noreset"],
                                    stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
            self.numero = n
            try:
                espera(lambda: xvfb.poll() is not None or roda(["xdpyinfo"], env=self.env()).returncode == 0,
                       10, f"Xvfb no display :{n}", passo=0.1)
            except Falha:
                xvfb.kill()
                xvfb.wait()
                continue
            if xvfb.poll() is not None:
                continue  # taken by someone else meanwhile
            self.xvfb = xvfb
            break
        if not self.xvfb:
            raise Falha("nenhum display livre entre :91 e :96")
        try:
            wmlog = open(os.path.join(self.pasta, "openbox.log"), "w")
            self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(), stdout=wmlog,
                                       stderr=subprocess.STDOUT, start_new_session=True)
            espera(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in
                   roda(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env()).stdout,
                   10, "o openbox assumir a tela", passo=0.1)
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *erro):
        for p in (self.clipboard, self.wm, self.xvfb):
            if p and p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()

    def env(self):
        e = dict(os.environ)
        e["DISPLAY"] = f":{self.numero}"
        e.pop("WAYLAND_DISPLAY", None)
        return e

    def x(self, *args, prazo=10):
        r = roda(list(args), prazo=prazo, env=self.env())
        return r

    # -- windows

    def janelas(self, nome=None, pid=None):
        """Visible windows, newest last, optionally by exact name or owner."""
        args = ["xdotool", "search", "--onlyvisible"]
        # One condition only: xdotool joins several with "or".
        args += ["--pid", str(pid)] if pid is not None else ["--name", ""]
        janelas = [int(w) for w in self.x(*args).stdout.split()]
        # Names compared here: xdotool's regular expressions miss accented titles.
        return [w for w in janelas if nome is None or self.nome(w) == nome]

    def nome(self, janela):
        return self.x("xdotool", "getwindowname", str(janela)).stdout.rstrip("\n")

    def geometria(self, janela):
        """(x, y, width, height) of the window's inside, on the screen.

        xwininfo, not xdotool: under a window manager that reparents, xdotool
        counts the title bar twice."""
        saida = self.x("xwininfo", "-id", str(janela)).stdout
        v = {}
        for linha in saida.splitlines():
            chave, _, valor = linha.strip().partition(":")
            v[chave] = valor.strip()
        try:
            return (int(v["Absolute upper-left X"]), int(v["Absolute upper-left Y"]),
                    int(v["Width"]), int(v["Height"]))
        except (KeyError, ValueError):
            return None

    def dialogo(self, janela):
        return "_NET_WM_WINDOW_TYPE_DIALOG" in self.x("xprop", "-id", str(janela), "_NET_WM_WINDOW_TYPE").stdout

    def caixas(self, pid=None):
        """The program's message boxes on screen (title TOLVANE, a dialog)."""
        return [w for w in self.janelas("TOLVANE", pid) if self.dialogo(w)]

    def telas(self, pid=None):
        """The program's main windows on screen (title TOLVANE, not a dialog)."""
        return [w for w in self.janelas("TOLVANE", pid) if not self.dialogo(w)]

    def ativa(self, janela):
        self.x("xdotool", "windowactivate", "--sync", str(janela))

    def tecla(self, *teclas):
        self.x("xdotool", "key", "--clearmodifiers", "--delay", "30", *teclas)

    def digita(self, texto):
        self.x("xdotool", "type", "--delay", "15", texto, prazo=60)

    def clica(self, x, y):
        # No --sync: it waits forever when the pointer is already there.
        self.x("xdotool", "mousemove", str(x), str(y), "click", "1")

    def cola(self, texto):
        """Puts texto on the clipboard (served by xclip until the screen closes)."""
        if self.clipboard and self.clipboard.poll() is None:
            self.clipboard.kill()
            self.clipboard.wait()
        self.clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-t", "UTF8_STRING", "-i"],
                                          stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL, env=self.env())
        self.clipboard.stdin.write(texto.encode("utf-8"))
        self.clipboard.stdin.close()
        lido = texto.replace("\r\n", "\n").replace("\r", "\n")  # as text mode reads it back
        espera(lambda: self.x("xclip", "-selection", "clipboard", "-t", "UTF8_STRING", "-o").stdout == lido, 5,
               "o texto chegar à área de transferência")

    # -- what is on screen

    def captura(self, arquivo):
        r = self.x("import", "-window", "root", arquivo, prazo=20)
        if r.returncode != 0:
            raise Falha(f"captura de tela falhou: {r.stderr.strip()}")
        return arquivo

    # How a crop is prepared for tesseract: as it is (black on white, the
    # message boxes), stretched to full contrast (dark text on the blue
    # background) or inverted too (white captions).
    PREPAROS = {"normal": [], "contraste": ["-colorspace", "Gray", "-normalize"],
                "negativo": ["-colorspace", "Gray", "-normalize", "-negate"]}

    def le(self, captura, x, y, largura, altura, psm="6", preparos=("normal",)):
        """The text tesseract reads in a region of a screenshot, scaled 2x; with
        several preparations, their readings one per line."""
        leituras = []
        for preparo in preparos:
            recorte = captura[:-4] + f"-{x}-{y}-{largura}x{altura}-{preparo}.png"
            r = roda(["convert", captura, "-crop", f"{largura}x{altura}+{x}+{y}", "+repage",
                      "-resize", "200%"] + self.PREPAROS[preparo] + [recorte], prazo=20)
            if r.returncode != 0:
                raise Falha(f"recorte falhou: {r.stderr.strip()}")
            r = roda(["tesseract", recorte, "-", "-l", "por", "--psm", psm], prazo=30)
            leituras.append(normaliza(r.stdout))
        return "\n".join(leituras)

    def cores_distintas(self, captura, x, y, largura, altura):
        r = roda(["convert", captura, "-crop", f"{largura}x{altura}+{x}+{y}", "+repage",
                  "-format", "%k", "info:"], prazo=20)
        return int(r.stdout.strip() or 0)


# ---- the program ----------------------------------------------------------

class Programa:
    """One run of the real binary from a program folder."""

    def __init__(self, tela, pasta, registro, aceleracao=10, env=None, usuario=None, nome="tolvane"):
        self.tela = tela
        self.pasta = pasta
        self.registro = registro
        self.aceleracao = aceleracao
        self.env_extra = env or {}
        self.usuario = usuario
        self.nome = nome
        self.processo = None
        self.saida = None

    def inicia(self):
        env = self.tela.env()
        dados = os.path.join(self.registro, "dados-" + self.nome)
        os.makedirs(dados, exist_ok=True)
        os.makedirs(os.path.join(dados, "runtime"), mode=0o700, exist_ok=True)
        # The player's own files (the history) stay inside the case's folder.
        env.update({"HOME": dados, "XDG_DATA_HOME": os.path.join(dados, "share"),
                    "XDG_CONFIG_HOME": os.path.join(dados, "config"),
                    "XDG_CACHE_HOME": os.path.join(dados, "cache"),
                    "XDG_RUNTIME_DIR": os.path.join(dados, "runtime"),
                    "QT_QPA_PLATFORM": "xcb",
                    "SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": "/dev/null"})
        if self.aceleracao:
            env["LD_PRELOAD"] = FAKETIME_LIB
            env["FAKETIME"] = f"+0 x{self.aceleracao}"
            env.pop("FAKETIME_DONT_FAKE_MONOTONIC", None)
        env.update(self.env_extra)
        for chave, valor in list(env.items()):
            if valor is None:
                del env[chave]
        args = [os.path.join(self.pasta, "tolvane")]
        if self.usuario:
            for pasta in [dados] + [os.path.join(dados, sub) for sub in ("share", "config", "cache", "runtime")]:
                os.makedirs(pasta, exist_ok=True)
                shutil.chown(pasta, self.usuario)
            # libfaketime's shared memory belongs to the first process that
            # loads it: the program's own user, not root's setpriv.
            relogio = [f"{k}={env.pop(k)}" for k in ("LD_PRELOAD", "FAKETIME") if k in env]
            args = (["setpriv", "--reuid", self.usuario, "--regid", "nogroup", "--clear-groups", "--", "env"]
                    + relogio + args)
        self.saida = open(os.path.join(self.registro, self.nome + ".stderr"), "w")
        self.processo = subprocess.Popen(args, env=env, stdout=self.saida, stderr=subprocess.STDOUT,
                                         cwd=self.registro, start_new_session=True)
        return self

    @property
    def pid(self):
        return self.processo.pid

    def vivo(self):
        return self.processo.poll() is None

    def mensagens(self):
        self.saida.flush()
        with open(os.path.join(self.registro, self.nome + ".stderr"), errors="replace") as f:
            return f.read()

    def fim(self, prazo=10):
        """The exit status; a program still running after prazo is a hang."""
        try:
            estado = self.processo.wait(prazo)
        except subprocess.TimeoutExpired:
            self.mata()
            raise Falha(f"o programa não terminou em {prazo} s (travado?)")
        if estado < 0:
            raise Falha(f"o programa caiu com o sinal {signal.Signals(-estado).name}:\n{self.mensagens()[-2000:]}")
        return estado

    def mata(self, sinal=signal.SIGKILL):
        if self.processo and self.processo.poll() is None:
            os.kill(self.processo.pid, sinal)
            self.processo.wait(10)
            # A killed process cannot remove libfaketime's shared memory.
            for nome in (f"faketime_shm_{self.pid}", f"sem.faketime_sem_{self.pid}"):
                with contextlib.suppress(OSError):
                    os.remove(os.path.join("/dev/shm", nome))

    # -- waiting for what a player sees

    def janela(self, prazo=20):
        """The main window, once it is on screen."""
        def achou():
            self._vivo_ou_falha()
            w = self.tela.telas(self.pid)
            return w[-1] if w else None
        return espera(achou, prazo, "a janela do programa aparecer")

    def caixa(self, prazo=20):
        def achou():
            self._vivo_ou_falha()
            w = self.tela.caixas(self.pid)
            return w[-1] if w else None
        return espera(achou, prazo, "uma caixa de mensagem aparecer")

    def _vivo_ou_falha(self):
        if not self.vivo():
            estado = self.processo.returncode
            raise Falha(f"o programa terminou (estado {estado}) antes do esperado:\n{self.mensagens()[-2000:]}")

    def captura_caixa(self, janela, arquivo):
        """A screenshot with the message box on it, and where the box is."""
        time.sleep(0.3)  # let it paint
        g = self.tela.geometria(janela)
        return self.tela.captura(arquivo), g

    def le_caixa(self, janela, arquivo):
        """The text of a message box, read from the screen."""
        captura, g = self.captura_caixa(janela, arquivo)
        return self.tela.le(captura, *g)

    def ok(self, janela):
        self.tela.ativa(janela)
        self.tela.tecla("Return")
        espera(lambda: janela not in self.tela.caixas(self.pid), 10, "a caixa de mensagem fechar")

    def comeca(self, nome="Marinheira de Teste", colar=False):
        """Types the name at the opening screen and presses Enter."""
        w = self.janela()
        time.sleep(0.3)
        self.tela.ativa(w)
        if colar:
            self.tela.tecla("ctrl+v")
        else:
            self.tela.digita(nome)
        self.tela.tecla("Return")

    # -- the quiz screen

    def origem_base(self):
        """Where picBase's top left corner is on the screen (where it last was,
        once the program has ended, for reading screenshots afterwards)."""
        w = self.tela.telas(self.pid) if self.vivo() else []
        if not w:
            if getattr(self, "_origem", None):
                return self._origem
            raise Falha("a tela da prova não está visível")
        x, y, _, _ = self.tela.geometria(w[-1])
        self._origem = x + (LARGURA_TELA - BASE_LARGURA) // 2, y + (ALTURA_TELA - BASE_ALTURA) // 2
        return self._origem

    def clica_base(self, ponto):
        ox, oy = self.origem_base()
        self.tela.clica(ox + ponto[0], oy + ponto[1])

    def le_base(self, captura, x, y, largura, altura, psm="6", preparos=("normal", "contraste")):
        ox, oy = self.origem_base()
        return self.tela.le(captura, ox + x, oy + y, largura, altura, psm, preparos)


# ---- the program folder and its bank --------------------------------------

def copia_programa(origem, destino):
    """A private copy of the built program folder, for one case to damage at will."""
    shutil.copytree(origem, destino, symlinks=False)
    return destino


def marcas(banco, paciencia=5):
    """(drawn, not drawn) questions in the bank file."""
    con = sqlite3.connect(f"file:{banco}?mode=ro", uri=True, timeout=paciencia)
    try:
        s, n = con.execute("SELECT sum(ja_foi='S'), sum(ja_foi='N') FROM questoes").fetchone()
        return s or 0, n or 0
    finally:
        con.close()


def marcadas(banco):
    """The numbers and figures of the drawn questions."""
    con = sqlite3.connect(f"file:{banco}?mode=ro", uri=True, timeout=5)
    try:
        return con.execute("SELECT numero, imagem FROM questoes WHERE ja_foi='S'").fetchall()
    finally:
        con.close()


def altera_banco(banco, *comandos):
    con = sqlite3.connect(banco)
    try:
        for c in comandos:
            con.execute(c)
        con.commit()
    finally:
        con.close()


def espera_questao(programa, banco, quantas, prazo=20):
    """Waits until quantas questions have been drawn (the draw marks each at once)."""
    def pronto():
        programa._vivo_ou_falha()
        try:
            return marcas(banco)[0] >= quantas
        except sqlite3.OperationalError:
            return False
    espera(pronto, prazo, f"a questão {quantas} ser sorteada")


@contextlib.contextmanager
def pasta_temporaria(prefixo):
    pasta = tempfile.mkdtemp(prefix=prefixo)
    os.chmod(pasta, 0o755)
    try:
        yield pasta
    finally:
        # The read-only case leaves folders without write permission.
        for raiz, dirs, _ in os.walk(pasta):
            for d in dirs:
                with contextlib.suppress(OSError):
                    os.chmod(os.path.join(raiz, d), 0o755)
        shutil.rmtree(pasta, ignore_errors=True)
