#pragma once

#include <QString>
#include <QStringList>

#include <map>

// The user's config file (~/.config/paarlix/paarlix.conf, or the path given). Read only
// when it is a regular file of sane size (not a link, FIFO, device); anything odd reads as
// empty, without a message. Saved by writing a new file beside it and renaming it over.
// The text is the INI form that QSettings writes ("Gruppe/schluessel" keys, quoted and
// escaped values, lists separated by commas), so files of earlier versions keep their values.
class Nutzerkonfiguration {
public:
    explicit Nutzerkonfiguration(QString pfad = standardPfad());
    static QString standardPfad();
    // Larger files read as empty: the config holds a few folder names.
    static constexpr qint64 Hoechstgroesse = 1024 * 1024;

    QString pfad() const { return pfad_; }
    // The value of schluessel ("Gruppe/name"); vorgabe when it is missing or a list of several.
    QString wert(const QString& schluessel, const QString& vorgabe = {}) const;
    // The list at schluessel; a single value is a list of one, a missing key an empty list.
    QStringList liste(const QString& schluessel) const;
    void setzeWert(const QString& schluessel, const QString& wert);
    void setzeListe(const QString& schluessel, const QStringList& werte);
    bool speichere() const; // false when it could not be written; never throws

private:
    struct Eintrag {
        QStringList teile;
        bool liste = false;
    };
    void lies();

    QString pfad_;
    std::map<QString, Eintrag> eintraege_;
};
