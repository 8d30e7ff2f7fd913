// The one-copy lock beside the bank: a second copy is refused only while a
// live process holds the lock of the same writable bank; nothing else stops
// the program. Other copies run in processes of their own (fork), killed
// outright where a test needs a lock left behind.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <ostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::SingleInstance;
using Outcome = platform::SingleInstance::Outcome;

namespace platform {
void PrintTo(SingleInstance::Outcome outcome, std::ostream* os)
{
    static const char* const names[] = {"Acquired", "NotNeeded", "HeldByLiveProcess", "Unavailable"};
    *os << names[int(outcome)];
}
} // namespace platform

namespace {

constexpr uid_t ninguem = 65534;  // nobody
constexpr uid_t outroUsuario = 65533;

bool souRoot() { return ::geteuid() == 0; }

bool viraUsuario(uid_t usuario)
{
    return usuario == 0 || (::setgid(usuario) == 0 && ::setuid(usuario) == 0);
}

// What a copy starting in a process of its own, as the given user (0: this
// one), is told. The process ends without releasing anything, as a killed
// copy would.
Outcome outraCopiaComo(uid_t usuario, const QString& banco)
{
    const pid_t filho = ::fork();
    if (filho == 0) {
        if (!viraUsuario(usuario))
            ::_exit(100);
        const SingleInstance instancia(banco);
        ::_exit(int(instancia.outcome()));
    }
    int estado = 0;
    ::waitpid(filho, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado));
    EXPECT_LT(WEXITSTATUS(estado), 100) << "could not switch to user " << usuario;
    return Outcome(WEXITSTATUS(estado));
}

// A running copy in another process that holds the bank's lock until it is killed.
class CopiaRodando {
public:
    explicit CopiaRodando(const QString& banco, uid_t usuario = 0)
    {
        int canal[2];
        EXPECT_EQ(::pipe(canal), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(canal[0]);
            char resposta = 'x';
            if (viraUsuario(usuario)) {
                const SingleInstance instancia(banco);
                resposta = char('0' + int(instancia.outcome()));
                (void)!::write(canal[1], &resposta, 1);
                for (;;)
                    ::pause();
            }
            (void)!::write(canal[1], &resposta, 1);
            ::_exit(1);
        }
        ::close(canal[1]);
        char resposta = 'x';
        EXPECT_EQ(::read(canal[0], &resposta, 1), 1);
        ::close(canal[0]);
        EXPECT_NE(resposta, 'x') << "could not switch to user " << usuario;
        resultado = Outcome(resposta - '0');
    }
    ~CopiaRodando() { mata(); }
    CopiaRodando(const CopiaRodando&) = delete;
    CopiaRodando& operator=(const CopiaRodando&) = delete;

    // Killed outright (a crash, kill -9): its lock file stays behind.
    void mata()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

    Outcome resultado = Outcome::Unavailable;

private:
    pid_t pid_ = -1;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        banco = pasta.filePath(QStringLiteral("tolvane.mdb"));
        QFile arquivo(banco);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("banco");
        trava = QFileInfo(banco).canonicalFilePath() + QStringLiteral(".lock");
    }
    void TearDown() override
    {
        ::chmod(QFile::encodeName(pasta.path()).constData(), 0755);
        ::chmod(QFile::encodeName(banco).constData(), 0644);
    }
    static void modo(const QString& caminho, mode_t m) { ASSERT_EQ(::chmod(QFile::encodeName(caminho).constData(), m), 0); }

    // A lock file as QLockFile writes it, dated as given.
    void escreveTrava(qint64 pid, const QString& programa, const QDateTime& quando)
    {
        QFile arquivo(trava);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(QByteArray::number(pid) + '\n' + programa.toUtf8() + '\n' +
                      QSysInfo::machineHostName().toUtf8() + '\n');
        ASSERT_TRUE(arquivo.flush());
        ASSERT_TRUE(arquivo.setFileTime(quando, QFileDevice::FileModificationTime));
    }

    QTemporaryDir pasta;
    QString banco;
    QString trava;
};

} // namespace

// The lock sits beside the bank and lasts as long as the copy. While a copy
// runs (in this process or another) a second one is refused; a copy that was
// killed leaves its lock behind and the next copy takes it over.
TEST_F(SingleInstanceTest, SecondCopyOnTheSameBankIsRefusedOnlyWhileTheFirstRuns)
{
    {
        const SingleInstance primeira(banco);
        EXPECT_EQ(primeira.outcome(), Outcome::Acquired);
        EXPECT_EQ(primeira.lockPath(), trava);
        EXPECT_TRUE(QFileInfo(trava).isFile());
        EXPECT_EQ(SingleInstance(banco).outcome(), Outcome::HeldByLiveProcess);
        EXPECT_EQ(SingleInstance(pasta.path() + QStringLiteral("/./tolvane.mdb")).outcome(),
                  Outcome::HeldByLiveProcess); // the same bank, spelled otherwise

        QTemporaryDir outraPasta;
        const QString outroBanco = outraPasta.filePath(QStringLiteral("tolvane.mdb"));
        QFile(outroBanco).open(QIODevice::WriteOnly);
        EXPECT_EQ(SingleInstance(outroBanco).outcome(), Outcome::Acquired); // each bank has its own lock
    }
    EXPECT_FALSE(QFile::exists(trava));

    CopiaRodando outra(banco);
    ASSERT_EQ(outra.resultado, Outcome::Acquired);
    EXPECT_EQ(SingleInstance(banco).outcome(), Outcome::HeldByLiveProcess);
    outra.mata();
    ASSERT_TRUE(QFile::exists(trava));
    EXPECT_EQ(SingleInstance(banco).outcome(), Outcome::Acquired);
}

// A lock whose writer is gone is taken over: an unreadable leftover, a PID now
// used by another program, a lock from before the machine started. A lock
// whose PID still runs the same program is not.
TEST_F(SingleInstanceTest, LocksLeftByProcessesThatAreGoneAreTakenOver)
{
    const qint64 esteProcesso = QCoreApplication::applicationPid();
    const QString estePrograma = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QDateTime agora = QDateTime::currentDateTimeUtc();
    const struct {
        const char* caso;
        qint64 pid;
        QString programa;
        QDateTime quando;
        Outcome esperado;
    } casos[] = {
        {"pid reused by another program", esteProcesso, QStringLiteral("outro-programa"), agora, Outcome::Acquired},
        {"written before the machine started", esteProcesso, estePrograma,
         QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC), Outcome::Acquired},
        {"pid still runs the program", esteProcesso, estePrograma, agora, Outcome::HeldByLiveProcess},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        escreveTrava(c.pid, c.programa, c.quando);
        const SingleInstance instancia(banco);
        EXPECT_EQ(instancia.outcome(), c.esperado);
        if (c.esperado == Outcome::Acquired) {
            qint64 dono = 0;
            EXPECT_TRUE(QLockFile(trava).getLockInfo(&dono, nullptr, nullptr));
            EXPECT_EQ(dono, esteProcesso);
        } else {
            QFile::remove(trava); // the lock this test wrote; an acquired one goes with the object
        }
    }

    {
        QFile lixo(trava); // an empty leftover, an hour old
        ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
        ASSERT_TRUE(lixo.setFileTime(agora.addSecs(-3600), QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(SingleInstance(banco).outcome(), Outcome::Acquired);
}

// A bank this user cannot write (a read-only file, or a read-only folder,
// where the engine cannot write its journal) is worked on as a copy in memory:
// no lock is needed and none is made. The program folder's permissions are
// what counts, so as root the copies run as an unprivileged user.
TEST_F(SingleInstanceTest, ReadOnlyBankNeedsNoLock)
{
    const uid_t usuario = souRoot() ? ninguem : 0;
    const struct {
        const char* caso;
        mode_t modoPasta;
        mode_t modoBanco;
    } casos[] = {{"read-only folder", 0555, 0666}, {"read-only file", 0777, 0444}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        modo(pasta.path(), c.modoPasta);
        modo(banco, c.modoBanco);
        EXPECT_EQ(outraCopiaComo(usuario, banco), Outcome::NotNeeded);
        EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{QStringLiteral("tolvane.mdb")});
    }

    modo(pasta.path(), 0777); // the same user, the bank writable: the lock is made
    modo(banco, 0666);
    EXPECT_EQ(outraCopiaComo(usuario, banco), Outcome::Acquired);
    EXPECT_TRUE(QFile::exists(trava));
}

// The lock protects the bank; when it cannot be made, the program runs anyway.
// Nothing is kept in the temporary folder any more, so an unusable one does
// not matter.
TEST_F(SingleInstanceTest, LockThatCannotBeMadeDoesNotStopTheProgram)
{
    ASSERT_TRUE(QDir().mkdir(trava)); // something else has the lock's name
    EXPECT_EQ(SingleInstance(banco).outcome(), Outcome::Unavailable);
    ASSERT_TRUE(QDir().rmdir(trava));

    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/nonexistent/tmp");
    EXPECT_EQ(SingleInstance(banco).outcome(), Outcome::Acquired);
    qputenv("TMPDIR", tmpdir);

    EXPECT_EQ(SingleInstance(pasta.filePath(QStringLiteral("ausente.mdb"))).outcome(), Outcome::NotNeeded);
}

// On a bank shared by the users of a machine, another user's running copy
// refuses a second one just as one's own does. Another user's killed copy
// leaves a lock this user may not be able to remove (a folder with the sticky
// bit): the program then runs without it; where it can be removed, it is
// taken over. Needs root to run copies as two other users.
TEST_F(SingleInstanceTest, CopiesOfOtherUsersCountAndTheirLeftoversDoNotBlock)
{
    if (!souRoot())
        GTEST_SKIP() << "needs root to run copies as two other users";
    modo(pasta.path(), 01777);
    modo(banco, 0666);

    CopiaRodando deOutro(banco, ninguem);
    ASSERT_EQ(deOutro.resultado, Outcome::Acquired);
    EXPECT_EQ(outraCopiaComo(outroUsuario, banco), Outcome::HeldByLiveProcess);

    deOutro.mata();
    ASSERT_TRUE(QFile::exists(trava));
    EXPECT_EQ(outraCopiaComo(outroUsuario, banco), Outcome::Unavailable);

    modo(pasta.path(), 0777);
    EXPECT_EQ(outraCopiaComo(outroUsuario, banco), Outcome::Acquired);
    struct stat dono {};
    ASSERT_EQ(::stat(QFile::encodeName(trava).constData(), &dono), 0);
    EXPECT_EQ(dono.st_uid, outroUsuario);
}
