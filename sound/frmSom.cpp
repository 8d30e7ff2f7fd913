#include "frmSom.h"

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <functional>

namespace sound {

namespace {

bool ehEfeitoCurto(Cue cue)
{
    return QString::fromLatin1(cueFileName(cue)).endsWith(QLatin1String(".wav"));
}

// Calls `acao` once, from the event loop, after the first paint of any of the
// program's widgets has been handled (its picture is then on the screen), or
// after `limiteMs` should no paint come.
class VigiaPrimeiraPintura final : public QObject {
public:
    VigiaPrimeiraPintura(std::function<void()> acao, int limiteMs) : acao_(std::move(acao))
    {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(limiteMs, this, [this] { dispara(); });
    }

    bool eventFilter(QObject* alvo, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { dispara(); });
        return QObject::eventFilter(alvo, evento);
    }

private:
    void dispara()
    {
        if (disparado_)
            return;
        disparado_ = true;
        QCoreApplication::instance()->removeEventFilter(this);
        acao_();
    }

    std::function<void()> acao_;
    bool disparado_ = false;
};

} // namespace

frmSom::frmSom(const QString& folder) : mmcSom(folder), folder_(folder)
{
    // The effects are short and cheap to decode, so they are ready before
    // their first cue; the synthesiser and its soundfont wait for the first
    // tune, which may never come (sound switched off).
    for (Cue cue : kAllCues) {
        if (!ehEfeitoCurto(cue))
            continue;
        mmcSom.setFileName(fileOf(cue));
        mmcSom.setCommand(QStringLiteral("open"));
    }
    mmcSom.setCommand(QStringLiteral("close"));
}

QString frmSom::fileOf(Cue cue) const
{
    return platform::fileInFolder(folder_, QString::fromLatin1(cueFileName(cue)));
}

void frmSom::stop()
{
    mmcSom.setCommand(QStringLiteral("close"));
}

void frmSom::play(Cue cue)
{
    // Nothing is checked between the steps: a file that cannot be played
    // simply leaves the player silent.
    mmcSom.setCommand(QStringLiteral("close"));
    mmcSom.setFileName(fileOf(cue));
    mmcSom.setCommand(QStringLiteral("open"));
    mmcSom.setCommand(QStringLiteral("play"));
}

SomDoPrograma::SomDoPrograma(QString pastaPrograma) : pastaPrograma_(std::move(pastaPrograma))
{
    if (QCoreApplication::instance())
        vigia_ = std::make_unique<VigiaPrimeiraPintura>([this] { acorda(); }, 2000);
    else
        acordado_ = true;   // no event loop to wait for: the form comes with the first cue
}

SomDoPrograma::~SomDoPrograma() = default;

frmSom& SomDoPrograma::form()
{
    if (!form_)
        form_ = std::make_unique<frmSom>(pastaPrograma_);
    return *form_;
}

void SomDoPrograma::acorda()
{
    acordado_ = true;
    if (pendente_)
        form().play(*pendente_);
    else
        form();
    pendente_.reset();
}

void SomDoPrograma::stop()
{
    if (!acordado_) {
        pendente_.reset();
        return;
    }
    form().stop();
}

void SomDoPrograma::play(Cue cue)
{
    if (!acordado_) {
        pendente_ = cue;
        return;
    }
    form().play(cue);
}

} // namespace sound
