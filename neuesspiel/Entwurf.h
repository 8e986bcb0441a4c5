#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A hidden folder ".NAME-XXXXXX" beside a game being written, which becomes
// the game at the end. Its writer holds a lock on a file inside it for as
// long as it runs; the kernel lets the lock go when the writer dies, however
// it dies, so a draft nobody holds is left over from a killed run.
// The file inside a draft that its writer holds locked.
inline const QString Entwurfssperre = QStringLiteral(".paarlix-schreibt");
// The file inside an edited game that a writer has set aside to put its new
// version in place, where the file system cannot exchange the two.
inline const QString Beiseitemarke = QStringLiteral(".paarlix-beiseite");

// A rename of the folder `a` as Entwurf::ersetze makes it, answering as
// rename(2) does: 0, or -1 with errno set.
using Ordnerumbenennung = std::function<int(const QByteArray& a, const QByteArray& b)>;
// The folders `a` and `b` swap names in one step (renameat2 with RENAME_EXCHANGE).
int tauscheOrdner(const QByteArray& a, const QByteArray& b);
// The folder `a` takes the name `b` (rename(2)).
int benenneOrdnerUm(const QByteArray& a, const QByteArray& b);

class Entwurf {
public:
    Entwurf() = default;
    Entwurf(const Entwurf&) = delete;
    Entwurf& operator=(const Entwurf&) = delete;
    // Removes the draft unless it was kept, and the folders listed as made
    // for it; then lets the lock go.
    ~Entwurf();

    // Makes the draft for the game `name` in the folder `oben`, which exists,
    // and takes its lock. Returns errno, or 0.
    int legeAn(const QString& oben, const QString& name);
    // Folders made above the draft, outermost first: removed with it.
    void merkeAngelegt(const QStringList& ordner) { angelegt_ = ordner; }
    const QString& pfad() const { return pfad_; }
    // The draft is about to become the game: the lock's file leaves it, the
    // lock itself is held until the end, so that no cleaner takes it meanwhile.
    void raeumeSperrdateiWeg();
    // The draft became the game: nothing is removed.
    void behalte() { behalten_ = true; }
    // The finished draft takes the place of the existing folder `ziel`
    // beside it in one step, and the old folder, which then lies at the
    // draft's place, is removed. Before the step the old folder gets a held
    // lock, so a kill after it leaves the old version as a draft the next run
    // removes; a kill before it leaves the old folder as it was. Where the
    // file system cannot exchange, the old folder is renamed aside first,
    // locked and marked, and put back when the draft cannot follow (or by the
    // next cleaner, after a kill). Returns errno, or 0 (the draft
    // is then gone). `tausche` and `benenne` make the folder renames: tests
    // pass others to take the way of a file system that cannot exchange.
    // legeAn succeeded
    int ersetze(const QString& ziel, const Ordnerumbenennung& tausche = tauscheOrdner,
                const Ordnerumbenennung& benenne = benenneOrdnerUm);
    // Where the old game stayed, whole and marked, when ersetze() could
    // neither move the draft in nor the old game back; empty otherwise.
    const QString& altesSpielBeiseite() const { return beiseite_; }

private:
    void lassSperreLos();

    QString pfad_;
    QStringList angelegt_;
    int sperre_ = -1;
    bool behalten_ = false;
    QString beiseite_;
};

// Removes every draft in `spieleordner` whose writer no longer runs. Drafts
// of running writers and every other folder stay. A game set aside by a
// writer that died before its new version took the game's place goes back
// there; set aside beside its new version, it is removed. A draft left empty
// but for the files FUSE and NFS keep of open files removed goes when its game
// is beside it.
void raeumeEntwuerfeAuf(const QString& spieleordner);
// Cleans each folder that holds one of `spiele` (once each) as raeumeEntwuerfeAuf
// does, wherever it lies: a game among them whose save was killed while it lay
// aside is back before it is opened or listed.
void raeumeNebenSpielenAuf(const QStringList& spiele);
