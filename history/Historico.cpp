#include "Historico.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace history {
namespace {

using exam::Desfecho;

// How long a connection waits for a lock held by another: at start-up, where
// a copy of the program finishing its own write should not cost this run its
// history; for the player's reads; for one attempt of the worker, which tries
// again until the lock is gone.
constexpr int esperaAbertura = 2000;
constexpr int esperaLeitura = 1000;
constexpr int esperaTentativa = 200;
// How long the destructor lets the worker finish the write it is in.
constexpr int esperaFim = 2000;

const char* const esquema = R"sql(
BEGIN;
-- One row per exam that reached a verdict.
CREATE TABLE exames (
    id         INTEGER PRIMARY KEY,
    quando     TEXT NOT NULL,     -- UTC, ISO 8601 with milliseconds; '' when unknown
    jogador    TEXT NOT NULL,
    acertos    INTEGER NOT NULL,
    erros      INTEGER NOT NULL,
    esgotadas  INTEGER NOT NULL,  -- time ran out
    puladas    INTEGER NOT NULL,
    percentual INTEGER NOT NULL,
    veredito   TEXT NOT NULL,
    aprovado   INTEGER NOT NULL,  -- 1 or 0
    -- per-subject percentage in the exam's subject order; -1 for a subject without questions
    materia1 INTEGER NOT NULL, materia2 INTEGER NOT NULL, materia3 INTEGER NOT NULL,
    materia4 INTEGER NOT NULL, materia5 INTEGER NOT NULL, materia6 INTEGER NOT NULL,
    materia7 INTEGER NOT NULL, materia8 INTEGER NOT NULL, materia9 INTEGER NOT NULL
);
-- Every question an exam showed, as the player saw it, so that the exam can be shown again
-- even after the question bank has changed.
CREATE TABLE questoes_exame (
    exame      INTEGER NOT NULL REFERENCES exames (id) ON DELETE CASCADE,
    ordem      INTEGER NOT NULL,  -- 1 for the first question shown
    numero     TEXT NOT NULL,
    materia    TEXT NOT NULL,
    pergunta   TEXT NOT NULL,
    resposta_a TEXT NOT NULL,
    resposta_b TEXT NOT NULL,
    resposta_c TEXT NOT NULL,
    resposta_d TEXT NOT NULL,
    certa      TEXT NOT NULL,
    imagem     TEXT NOT NULL,     -- '' for none
    escolhida  TEXT NOT NULL,     -- the letter clicked; '' otherwise
    desfecho   TEXT NOT NULL,     -- certa, errada, tempo_esgotado, pulada, na_tela
    fonte      TEXT NOT NULL,
    explicacao TEXT NOT NULL,
    PRIMARY KEY (exame, ordem)
);
PRAGMA user_version = 1;
COMMIT;
)sql";

const char* const sqlExames =
    "SELECT id, quando, jogador, acertos, erros, esgotadas, puladas, percentual, veredito, aprovado,"
    " materia1, materia2, materia3, materia4, materia5, materia6, materia7, materia8, materia9"
    " FROM exames ORDER BY id DESC LIMIT ?1";
const char* const sqlQuestoes =
    "SELECT numero, materia, pergunta, resposta_a, resposta_b, resposta_c, resposta_d, certa, imagem,"
    " escolhida, desfecho, fonte, explicacao FROM questoes_exame WHERE exame = ?1 ORDER BY ordem";
const char* const sqlGravaExame =
    "INSERT INTO exames (quando, jogador, acertos, erros, esgotadas, puladas, percentual, veredito, aprovado,"
    " materia1, materia2, materia3, materia4, materia5, materia6, materia7, materia8, materia9)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18)";
const char* const sqlGravaQuestao =
    "INSERT INTO questoes_exame (exame, ordem, numero, materia, pergunta, resposta_a, resposta_b, resposta_c,"
    " resposta_d, certa, imagem, escolhida, desfecho, fonte, explicacao)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)";

QString textoDesfecho(Desfecho d)
{
    switch (d) {
    case Desfecho::certa: return QStringLiteral("certa");
    case Desfecho::errada: return QStringLiteral("errada");
    case Desfecho::tempoEsgotado: return QStringLiteral("tempo_esgotado");
    case Desfecho::pulada: return QStringLiteral("pulada");
    case Desfecho::naTela: break;
    }
    return QStringLiteral("na_tela");
}

Desfecho desfechoDe(const QString& texto)
{
    for (Desfecho d : {Desfecho::certa, Desfecho::errada, Desfecho::tempoEsgotado, Desfecho::pulada})
        if (texto == textoDesfecho(d))
            return d;
    return Desfecho::naTela;
}

// A prepared statement, finalised at scope exit.
class Comando {
public:
    Comando(sqlite3* db, const char* sql)
    {
        codigo_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
        pronto_ = codigo_ == SQLITE_OK;
    }
    ~Comando() { sqlite3_finalize(stmt_); }
    Comando(const Comando&) = delete;
    Comando& operator=(const Comando&) = delete;

    bool pronto() const { return pronto_; }
    // The last result: of preparing, then of the last step.
    int codigo() const { return codigo_; }

    void texto(int i, const QString& valor)
    {
        const QByteArray utf8 = valor.toUtf8();
        sqlite3_bind_text(stmt_, i, utf8.isNull() ? "" : utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void inteiro(int i, long long valor) { sqlite3_bind_int64(stmt_, i, valor); }

    // SQLITE_ROW, SQLITE_DONE or the failure.
    int passo() { return codigo_ = sqlite3_step(stmt_); }
    bool executa() { return passo() == SQLITE_DONE; }
    void reinicia() { sqlite3_reset(stmt_); }

    QString texto(int coluna) const
    {
        const auto* dados = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, coluna));
        return QString::fromUtf8(dados, sqlite3_column_bytes(stmt_, coluna));
    }
    long long inteiro(int coluna) const { return sqlite3_column_int64(stmt_, coluna); }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int codigo_;
    bool pronto_;
};

void registra(const char* fazendo, const QString& detalhe, int codigo)
{
    qWarning("tolvane: histórico: %s: %s (SQLite %d)", fazendo, qUtf8Printable(detalhe), codigo);
}

QString textoSqlite(sqlite3* db, int codigo)
{
    return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(codigo));
}

void registra(const char* fazendo, sqlite3* db, int codigo)
{
    registra(fazendo, textoSqlite(db, codigo), codigo);
}

int executaSql(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

bool ocupado(int codigo)
{
    return (codigo & 0xff) == SQLITE_BUSY || (codigo & 0xff) == SQLITE_LOCKED;
}

bool danificado(int codigo)
{
    return (codigo & 0xff) == SQLITE_NOTADB || (codigo & 0xff) == SQLITE_CORRUPT;
}

// Writes one exam in one transaction. SQLITE_OK when it is in the file;
// otherwise nothing of it is, and detalhe says why.
int escreveExame(sqlite3* db, const exam::ResumoExame& e, QString& detalhe)
{
    int codigo = executaSql(db, "BEGIN IMMEDIATE");
    if (codigo != SQLITE_OK) {
        detalhe = textoSqlite(db, codigo);
        return codigo;
    }
    auto desfaz = [db, &detalhe](int falha) {
        detalhe = textoSqlite(db, falha);
        executaSql(db, "ROLLBACK");
        return falha;
    };

    {
        // Another program may have moved the file on to a newer version during this run.
        Comando versao(db, "PRAGMA user_version");
        if (versao.passo() != SQLITE_ROW)
            return desfaz(versao.codigo());
        if (versao.inteiro(0) != Historico::versaoEsquema) {
            const long long outra = versao.inteiro(0);
            desfaz(SQLITE_MISMATCH);
            detalhe = QStringLiteral("the file's version changed to %1 during this run").arg(outra);
            return SQLITE_MISMATCH;
        }
    }

    Comando exame(db, sqlGravaExame);
    if (!exame.pronto())
        return desfaz(exame.codigo());
    exame.texto(1, e.quando.isValid() ? e.quando.toUTC().toString(Qt::ISODateWithMs) : QString());
    exame.texto(2, e.jogador);
    exame.inteiro(3, e.acertos);
    exame.inteiro(4, e.erros);
    exame.inteiro(5, e.esgotadas);
    exame.inteiro(6, e.puladas);
    exame.inteiro(7, e.percentual);
    exame.texto(8, e.veredito);
    exame.inteiro(9, e.aprovado ? 1 : 0);
    for (int k = 0; k < 9; ++k)
        exame.inteiro(10 + k, e.porMateria[std::size_t(k)]);
    if (!exame.executa())
        return desfaz(exame.codigo());
    const long long id = sqlite3_last_insert_rowid(db);

    Comando questao(db, sqlGravaQuestao);
    if (!questao.pronto())
        return desfaz(questao.codigo());
    int ordem = 0;
    for (const exam::QuestaoVista& q : e.questoes) {
        questao.reinicia();
        questao.inteiro(1, id);
        questao.inteiro(2, ++ordem);
        questao.texto(3, q.numero);
        questao.texto(4, q.materia);
        questao.texto(5, q.pergunta);
        for (int k = 0; k < 4; ++k)
            questao.texto(6 + k, q.respostas[std::size_t(k)]);
        questao.texto(10, q.certa);
        questao.texto(11, q.imagem);
        questao.texto(12, q.escolhida);
        questao.texto(13, textoDesfecho(q.desfecho));
        questao.texto(14, q.fonte);
        questao.texto(15, q.explicacao);
        if (!questao.executa())
            return desfaz(questao.codigo());
    }

    codigo = executaSql(db, "COMMIT");
    if (codigo != SQLITE_OK)
        return desfaz(codigo);
    return SQLITE_OK;
}

QString descricao(const exam::ResumoExame& e)
{
    return QStringLiteral("%1 (%2)").arg(e.quando.toString(Qt::ISODate), e.jogador);
}

} // namespace

// The exams waiting for the worker, shared by both threads.
struct Historico::Fila {
    QString caminho;
    std::mutex trava;
    std::condition_variable mudou;
    std::deque<exam::ResumoExame> pendentes; // the front one is being written
    bool parar = false;
    bool terminou = false;
    std::thread trabalhador;

    void trabalha();
};

void Historico::Fila::trabalha()
{
    sqlite3* db = nullptr;
    std::unique_lock fila(trava);
    for (;;) {
        mudou.wait(fila, [this] { return parar || !pendentes.empty(); });
        if (parar)
            break;
        const exam::ResumoExame exame = pendentes.front();
        fila.unlock();

        int codigo = SQLITE_OK;
        QString detalhe;
        if (!db) {
            // No SQLITE_OPEN_CREATE: a file removed during the run is not silently replaced by one without tables.
            codigo = sqlite3_open_v2(QFile::encodeName(caminho).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
            if (codigo == SQLITE_OK) {
                sqlite3_busy_timeout(db, esperaTentativa);
            } else {
                detalhe = textoSqlite(db, codigo);
                sqlite3_close(db);
                db = nullptr;
            }
        }
        if (codigo == SQLITE_OK)
            codigo = escreveExame(db, exame, detalhe);
        if (codigo != SQLITE_OK && !ocupado(codigo))
            registra(qUtf8Printable(QStringLiteral("exam of %1 not written").arg(descricao(exame))), detalhe, codigo);
        if (codigo != SQLITE_OK && db && !ocupado(codigo)) {
            sqlite3_close(db); // a fresh connection for the next exam
            db = nullptr;
        }

        fila.lock();
        if (ocupado(codigo)) {
            // Locked by another program: the exam stays first in line and is tried again.
            mudou.wait_for(fila, std::chrono::milliseconds(esperaTentativa), [this] { return parar; });
            continue;
        }
        pendentes.pop_front();
        mudou.notify_all();
    }
    for (const exam::ResumoExame& e : pendentes)
        qWarning("tolvane: histórico: the program ended before the exam of %s could be written",
                 qUtf8Printable(descricao(e)));
    pendentes.clear();
    terminou = true;
    mudou.notify_all();
    fila.unlock();
    sqlite3_close(db);
}

QString Historico::pastaPadrao()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

Historico::Historico(const QString& pasta)
    : pasta_(pasta), caminho_(pasta.isEmpty() ? QString() : QDir(pasta).filePath(QLatin1String(nomeArquivo)))
{
    if (!abre())
        return;
    fila_ = std::make_shared<Fila>();
    fila_->caminho = caminho_;
    try {
        fila_->trabalhador = std::thread([fila = fila_] { fila->trabalha(); });
    } catch (const std::system_error& erro) {
        qWarning("tolvane: histórico: no worker thread: %s", erro.what());
        fila_.reset();
        desliga(QStringLiteral("Não foi possível preparar o histórico de exames: os exames desta vez não serão "
                               "guardados."));
    }
}

Historico::~Historico()
{
    if (fila_) {
        std::unique_lock fila(fila_->trava);
        fila_->parar = true;
        fila_->mudou.notify_all();
        // The write under way finishes or rolls back; a worker stuck beyond that is left to
        // the end of the process, which its shared queue outlives safely.
        const bool terminou = fila_->mudou.wait_for(fila, std::chrono::milliseconds(esperaFim),
                                                    [this] { return fila_->terminou; });
        fila.unlock();
        if (terminou)
            fila_->trabalhador.join();
        else
            fila_->trabalhador.detach();
    }
    sqlite3_close(leitura_);
}

void Historico::desliga(const QString& aviso)
{
    sqlite3_close(leitura_);
    leitura_ = nullptr;
    disponivel_ = false;
    aviso_ = aviso;
}

// Opens the file for this run, setting a damaged one aside once. False when
// the history is off; aviso() then says why.
bool Historico::abre()
{
    const QString naoGrava =
        QStringLiteral("Não é possível gravar na pasta do histórico de exames (%1): os exames desta vez não serão "
                       "guardados.")
            .arg(QDir::toNativeSeparators(pasta_));
    const QString maisNovo =
        QStringLiteral("O histórico de exames foi gravado por uma versão mais nova do programa: ele fica como está "
                       "e os exames desta vez não serão guardados.");
    if (pasta_.isEmpty()) {
        desliga(QStringLiteral("Não há uma pasta para o histórico de exames: os exames desta vez não serão "
                               "guardados."));
        return false;
    }
    if (!QDir().mkpath(pasta_)) {
        desliga(naoGrava);
        return false;
    }
    {
        // The journal SQLite keeps beside the file needs the folder to be writable too.
        QTemporaryFile prova(QDir(pasta_).filePath(QStringLiteral("prova-XXXXXX")));
        if (!prova.open()) {
            desliga(naoGrava);
            return false;
        }
    }

    QString posto; // the name a damaged file was set aside under
    for (int tentativa = 0; tentativa < 2; ++tentativa) {
        enum class Estado { pronto, danificado } estado = Estado::pronto;

        // The header first, read without SQLite: a newer file must stay byte for byte as it is,
        // and a file that is not SQLite at all needs no engine to tell.
        QFile arquivo(caminho_);
        if (arquivo.exists()) {
            if (!arquivo.open(QIODevice::ReadOnly)) {
                desliga(naoGrava);
                return false;
            }
            const QByteArray cabecalho = arquivo.read(100);
            arquivo.close();
            if (cabecalho.isEmpty() && arquivo.size() == 0) {
                // An empty file is an empty database to SQLite: the tables are created below.
            } else if (cabecalho.size() < 100 || !cabecalho.startsWith(QByteArrayLiteral("SQLite format 3\0"))) {
                estado = Estado::danificado;
            } else {
                const auto byte = [&](int i) { return static_cast<unsigned char>(cabecalho[i]); };
                // The header's user version, big-endian at byte 60; read unsigned, so that a
                // negative one, which this program never writes, is left alone as well.
                const long long versao =
                    (static_cast<long long>(byte(60)) << 24) | (byte(61) << 16) | (byte(62) << 8) | byte(63);
                if (versao > versaoEsquema) {
                    qWarning("tolvane: histórico: %s has version %lld, newer than %d; left untouched",
                             qUtf8Printable(caminho_), versao, versaoEsquema);
                    desliga(maisNovo);
                    return false;
                }
            }
        }

        if (estado == Estado::pronto) {
            int codigo = sqlite3_open_v2(QFile::encodeName(caminho_).constData(), &leitura_,
                                         SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
            if (codigo == SQLITE_OK) {
                sqlite3_busy_timeout(leitura_, esperaAbertura);
                if (sqlite3_db_readonly(leitura_, "main") == 1) {
                    desliga(naoGrava);
                    return false;
                }
            }
            long long versao = -1;
            if (codigo == SQLITE_OK) {
                Comando pergunta(leitura_, "PRAGMA user_version");
                codigo = pergunta.pronto() && pergunta.passo() == SQLITE_ROW ? SQLITE_OK : pergunta.codigo();
                if (codigo == SQLITE_OK)
                    versao = pergunta.inteiro(0);
            }
            if (codigo == SQLITE_OK) {
                Comando verifica(leitura_, "PRAGMA quick_check");
                codigo = verifica.pronto() && verifica.passo() == SQLITE_ROW ? SQLITE_OK : verifica.codigo();
                if (codigo == SQLITE_OK && verifica.texto(0) != QLatin1String("ok")) {
                    qWarning("tolvane: histórico: integrity check: %s", qUtf8Printable(verifica.texto(0)));
                    estado = Estado::danificado;
                }
            }
            if (codigo == SQLITE_OK && estado == Estado::pronto) {
                if (versao > versaoEsquema) {
                    desliga(maisNovo);
                    return false;
                }
                if (versao == 0) {
                    Comando tabelas(leitura_, "SELECT count(*) FROM sqlite_master");
                    codigo = tabelas.passo() == SQLITE_ROW ? SQLITE_OK : tabelas.codigo();
                    if (codigo == SQLITE_OK && tabelas.inteiro(0) > 0) {
                        qWarning("tolvane: histórico: %s holds other tables", qUtf8Printable(caminho_));
                        estado = Estado::danificado;
                    } else if (codigo == SQLITE_OK) {
                        codigo = executaSql(leitura_, esquema);
                        if (codigo != SQLITE_OK)
                            executaSql(leitura_, "ROLLBACK");
                    }
                } else if (versao == versaoEsquema) {
                    // Tables or fields missing: not a history this program can read.
                    for (const char* sql : {sqlExames, sqlQuestoes, sqlGravaExame, sqlGravaQuestao}) {
                        Comando c(leitura_, sql);
                        if (!c.pronto()) {
                            codigo = c.codigo();
                            break;
                        }
                    }
                    if ((codigo & 0xff) == SQLITE_ERROR) {
                        registra("tables do not match", leitura_, codigo);
                        codigo = SQLITE_OK;
                        estado = Estado::danificado;
                    }
                } else {
                    estado = Estado::danificado; // a negative version: not ours
                }
            }
            if (codigo != SQLITE_OK && danificado(codigo)) {
                registra("damaged", leitura_, codigo);
                estado = Estado::danificado;
            } else if (codigo != SQLITE_OK) {
                registra("cannot open", leitura_, codigo);
                if (ocupado(codigo))
                    desliga(QStringLiteral("O histórico de exames está em uso por outro programa: os exames desta "
                                           "vez não serão guardados."));
                else if ((codigo & 0xff) == SQLITE_READONLY || (codigo & 0xff) == SQLITE_CANTOPEN
                         || (codigo & 0xff) == SQLITE_PERM)
                    desliga(naoGrava);
                else
                    desliga(QStringLiteral("Não foi possível abrir o histórico de exames (%1): os exames desta vez "
                                           "não serão guardados.")
                                .arg(QDir::toNativeSeparators(caminho_)));
                return false;
            }
        }

        if (estado == Estado::pronto) {
            disponivel_ = true;
            if (!posto.isEmpty())
                aviso_ = QStringLiteral("O histórico de exames estava danificado: foi guardado à parte como %1 e um "
                                        "novo foi começado.")
                             .arg(posto);
            return true;
        }

        // Damaged: set it aside, with its journal, under a name that keeps every earlier one.
        sqlite3_close(leitura_);
        leitura_ = nullptr;
        if (tentativa > 0)
            break;
        const QString carimbo = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QDir dir(pasta_);
        for (int n = 1; posto.isEmpty() || dir.exists(posto); ++n)
            posto = n == 1 ? QStringLiteral("historico-danificado-%1.sqlite").arg(carimbo)
                           : QStringLiteral("historico-danificado-%1-%2.sqlite").arg(carimbo).arg(n);
        if (!QFile::rename(caminho_, dir.filePath(posto))) {
            qWarning("tolvane: histórico: cannot rename %s to %s", qUtf8Printable(caminho_), qUtf8Printable(posto));
            break;
        }
        // A journal left beside the new file would be played back into it.
        for (const char* sufixo : {"-journal", "-wal", "-shm"}) {
            const QString junto = caminho_ + QLatin1String(sufixo);
            if (QFile::exists(junto) && !QFile::rename(junto, dir.filePath(posto + QLatin1String(sufixo))))
                QFile::remove(junto);
        }
        qWarning("tolvane: histórico: damaged file set aside as %s", qUtf8Printable(dir.filePath(posto)));
    }
    desliga(QStringLiteral("O histórico de exames está danificado e não pôde ser posto de lado: os exames desta vez "
                           "não serão guardados."));
    return false;
}

void Historico::grava(const exam::ResumoExame& exame)
{
    if (!disponivel_ || !fila_)
        return;
    std::lock_guard fila(fila_->trava);
    fila_->pendentes.push_back(exame);
    fila_->mudou.notify_all();
}

bool Historico::aguarda(int ms)
{
    if (!fila_)
        return true;
    std::unique_lock fila(fila_->trava);
    return fila_->mudou.wait_for(fila, std::chrono::milliseconds(std::max(ms, 0)),
                                 [this] { return fila_->pendentes.empty(); });
}

std::vector<ExameGuardado> Historico::ultimos(int n)
{
    std::vector<ExameGuardado> exames;
    if (!disponivel_ || !leitura_ || n <= 0)
        return exames;
    sqlite3_busy_timeout(leitura_, esperaLeitura);
    Comando c(leitura_, sqlExames);
    c.inteiro(1, n);
    while (c.pronto() && c.passo() == SQLITE_ROW) {
        ExameGuardado g;
        g.id = c.inteiro(0);
        exam::ResumoExame& e = g.resumo;
        const QString quando = c.texto(1);
        if (!quando.isEmpty())
            e.quando = QDateTime::fromString(quando, Qt::ISODateWithMs).toLocalTime();
        e.jogador = c.texto(2);
        e.acertos = int(c.inteiro(3));
        e.erros = int(c.inteiro(4));
        e.esgotadas = int(c.inteiro(5));
        e.puladas = int(c.inteiro(6));
        e.percentual = int(c.inteiro(7));
        e.veredito = c.texto(8);
        e.aprovado = c.inteiro(9) != 0;
        for (int k = 0; k < 9; ++k)
            e.porMateria[std::size_t(k)] = int(c.inteiro(10 + k));
        exames.push_back(std::move(g));
    }
    if (c.codigo() != SQLITE_DONE) {
        registra("cannot read the exams", leitura_, c.codigo());
        exames.clear();
    }
    return exames;
}

std::vector<exam::QuestaoVista> Historico::questoesDo(long long id)
{
    std::vector<exam::QuestaoVista> questoes;
    if (!disponivel_ || !leitura_)
        return questoes;
    sqlite3_busy_timeout(leitura_, esperaLeitura);
    Comando c(leitura_, sqlQuestoes);
    c.inteiro(1, id);
    while (c.pronto() && c.passo() == SQLITE_ROW) {
        exam::QuestaoVista q;
        q.numero = c.texto(0);
        q.materia = c.texto(1);
        q.pergunta = c.texto(2);
        for (int k = 0; k < 4; ++k)
            q.respostas[std::size_t(k)] = c.texto(3 + k);
        q.certa = c.texto(7);
        q.imagem = c.texto(8);
        q.escolhida = c.texto(9);
        q.desfecho = desfechoDe(c.texto(10));
        q.fonte = c.texto(11);
        q.explicacao = c.texto(12);
        questoes.push_back(std::move(q));
    }
    if (c.codigo() != SQLITE_DONE) {
        registra("cannot read the questions", leitura_, c.codigo());
        questoes.clear();
    }
    return questoes;
}

} // namespace history
