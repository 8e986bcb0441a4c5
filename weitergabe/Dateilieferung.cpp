#include "weitergabe/Dateilieferung.h"

#include "platform/Lesedatei.h"
#include "weitergabe/Fotoverkleinerung.h"
#include "weitergabe/Spieldateiauswahl.h"

#include <QDir>
#include <QFile>

#include <new>

#include <sys/stat.h>

namespace {

// Photos reduced ahead of the one written: enough to keep every core busy.
int vorlauf() { return 2 * rechenkerne(); }

Gelieferte liefere(const QString& pfad, bool verkleinern, Fotoverkleinerer& verkleinerer)
{
    Gelieferte g;
    const QString sichtbar = QDir::toNativeSeparators(pfad);
    Lesedatei datei(pfad);
    QByteArray inhalt;
    const Lesedatei::Lesen gelesen = datei.offen() ? datei.liesAlles(inhalt, GroessteSpieldatei) : Lesedatei::Lesen::Fehler;
    if (gelesen == Lesedatei::Lesen::ZuGross) {
        g.Fehler = QStringLiteral("Die Datei „%1“ ist zu groß.").arg(sichtbar);
        return g;
    }
    if (gelesen != Lesedatei::Lesen::Gelesen) {
        g.Fehler = QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(sichtbar);
        return g;
    }
    // Plain stat: Qt's local time would call tzset on every worker.
    struct stat info {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) == 0)
        g.Geaendert = info.st_mtime;
    g.Daten = inhalt;
    if (verkleinern) {
        try {
            g.Daten = verkleinerer.verkleinere(inhalt);
        } catch (const std::bad_alloc&) {
            // Without memory for the reduction the photo still goes, as it is.
        }
    }
    return g;
}

} // namespace

Dateilieferung::Dateilieferung(QStringList pfade, QList<bool> verkleinern)
    : pfade_(std::move(pfade)), verkleinern_(std::move(verkleinern)),
      schlange_(rechenkerne(), {}, [] { return std::make_unique<Fotoverkleinerer>(); })
{
}

Dateilieferung::~Dateilieferung() = default;

void Dateilieferung::bestelleBis(int i)
{
    for (; bestellt_ <= i && bestellt_ < pfade_.size(); ++bestellt_) {
        const int k = bestellt_;
        schlange_.stelle(std::uint64_t(k), [pfad = pfade_[k], verkleinern = verkleinern_[k]](
                                               std::unique_ptr<Fotoverkleinerer>& verkleinerer) {
            return liefere(pfad, verkleinern, *verkleinerer);
        });
    }
}

const Gelieferte& Dateilieferung::datei(int i)
{
    fertig_.erase(fertig_.begin(), fertig_.lower_bound(i));
    bestelleBis(i + vorlauf());
    const QString keinSpeicher = QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: nicht genug Arbeitsspeicher.");
    while (!fertig_.count(i)) {
        std::vector<Lieferung<Gelieferte>> geholt = schlange_.hole();
        if (geholt.empty()) // a job that threw ended the round: nothing more comes
            fertig_[i].Fehler = keinSpeicher.arg(QDir::toNativeSeparators(pfade_[i]));
        for (Lieferung<Gelieferte>& l : geholt) {
            const int k = int(l.Nummer);
            try {
                fertig_[k] = l.nimm();
            } catch (...) {
                fertig_[k].Fehler = keinSpeicher.arg(QDir::toNativeSeparators(pfade_[k]));
            }
        }
    }
    return fertig_[i];
}
