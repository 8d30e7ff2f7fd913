#pragma once
// The player's history of exams: one SQLite file in a folder of the player's
// own, kept apart from the program and its question bank.
//
// Nothing here may hold up or end an exam. grava() only queues a copy of the
// exam; a worker thread with its own connection writes it in one
// transaction, so a run killed half-way leaves either the whole exam or none
// of it. A file that cannot be used is never a reason to stop: a damaged one
// is set aside and a new one started, a newer one is left as it is, a folder
// that cannot be written means no history this run. Each of these leaves one
// line for the player in aviso(); SQLite's own text goes to the log.
#include "exam/Registro.h"

#include <QString>

#include <memory>
#include <vector>

struct sqlite3;

namespace history {

// An exam as the history keeps it.
struct ExameGuardado {
    long long id = 0;          // the history's own key, for questoesDo()
    exam::ResumoExame resumo;  // ultimos() leaves resumo.questoes empty
};

class Historico {
public:
    // The version of the tables this program writes (PRAGMA user_version).
    static constexpr int versaoEsquema = 1;
    static constexpr const char* nomeArquivo = "historico.sqlite";

    // The player's folder for the history on this platform, through Qt.
    // Only main() asks for it; everything else receives a folder.
    static QString pastaPadrao();

    // Opens or starts the history in pasta (created if missing), checking it
    // before the first exam. Never throws.
    explicit Historico(const QString& pasta);
    // Stops the worker: an exam still queued is not written (the log says
    // so); call aguarda() first to give pending writes their chance.
    ~Historico();
    Historico(const Historico&) = delete;
    Historico& operator=(const Historico&) = delete;

    // Whether exams of this run are kept.
    bool disponivel() const { return disponivel_; }
    // One line for the player when the history is off or was started anew
    // this run; empty otherwise.
    const QString& aviso() const { return aviso_; }
    // The file in use, or that would have been used.
    const QString& caminho() const { return caminho_; }

    // Queues the exam for writing and returns at once. Does nothing when the
    // history is off.
    void grava(const exam::ResumoExame& exame);

    // Waits at most ms milliseconds for every queued exam to be written (or
    // to fail, which the log reports). True when nothing is left pending.
    bool aguarda(int ms);

    // The newest n exams first, without their questions; empty when the
    // history is off or cannot be read. An exam still being written is not
    // among them: aguarda() first to include it.
    std::vector<ExameGuardado> ultimos(int n);

    // The questions of one stored exam, in the order they were shown.
    std::vector<exam::QuestaoVista> questoesDo(long long id);

private:
    struct Fila;
    bool abre();
    void desliga(const QString& aviso);

    QString pasta_;
    QString caminho_;
    QString aviso_;
    bool disponivel_ = false;
    sqlite3* leitura_ = nullptr; // the user-interface thread's connection
    std::shared_ptr<Fila> fila_; // shared with the worker, which may outlive us
};

} // namespace history
