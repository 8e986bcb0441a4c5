#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <set>
#include <vector>

// The user's config file (~/.config/paarlix/paarlix.conf, or the path given), in the INI form
// of QSettings. Read only when it is a regular file of sane size (not a link, FIFO, device);
// anything odd reads as empty, without a message. QSettings reads a private copy of it, and
// writes the new file beside it, which is then renamed over the old one: it never follows a
// link nor opens a FIFO. Saving merges: under a lock beside the file, it is read again and only
// the keys set on this object are replaced, so another running instance keeps its changes.
// Keys are "Gruppe/name"; leading, trailing and doubled "/" do not count, as in QSettings.
class Nutzerkonfiguration {
public:
    explicit Nutzerkonfiguration(QString pfad = standardPfad());
    static QString standardPfad();
    // Larger files read as empty: the config holds a few folder names.
    static constexpr qint64 Hoechstgroesse = 1024 * 1024;
    // How long a save waits for another instance's save.
    static constexpr int SperrWartezeitMs = 5000;

    QString pfad() const { return pfad_; }
    // The value of schluessel; vorgabe when it is missing or a list of several.
    QString wert(const QString& schluessel, const QString& vorgabe = {}) const;
    // The list at schluessel; a single value is a list of one, a missing key an empty list.
    QStringList liste(const QString& schluessel) const;
    void setzeWert(const QString& schluessel, const QString& wert);
    void setzeListe(const QString& schluessel, const QStringList& werte);
    // Changes the list at schluessel now, and again at the next save on the list as the
    // file holds it then, so that another instance's entries saved meanwhile stay.
    // aenderung: without side effects; it may run several times.
    void aendereListe(const QString& schluessel, std::function<QStringList(const QStringList&)> aenderung);
    // Writes the keys set since the last save into the file as it is now; afterwards this
    // object holds the whole file. False when it could not be written; never throws.
    [[nodiscard]] bool speichere();
    // After a failed save that costs only a remembered setting: says so once per run on
    // standard error, and the program goes on.
    void meldeNichtGespeichert() const;

    struct Eintrag {
        QStringList Teile;
        bool Liste = false;
    };

private:
    QString pfad_;
    std::map<QString, Eintrag> eintraege_;
    std::set<QString> geaendert_;
    std::map<QString, std::vector<std::function<QStringList(const QStringList&)>>> aenderungen_;
};
