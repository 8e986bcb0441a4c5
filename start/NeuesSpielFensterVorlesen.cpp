// The new-game window's "Texte vorlesen": whether the game reads its text cards aloud, and
// whether this desktop can.
#include "start/NeuesSpielFenster.h"

#include "neuesspiel/Paarliste.h"

#include <QCheckBox>
#include <QLabel>

void NeuesSpielFenster::baueVorlesen()
{
    Vorlesen = new QCheckBox(QStringLiteral("Texte vorlesen"), this);
    Vorlesen->setAccessibleName(Vorlesen->text());
    Vorlesen->setToolTip(QStringLiteral("Text- und Namenskarten werden beim Aufdecken vorgelesen, in der Sprache, "
                                        "die die Überschrift ihrer Spalte in der Liste nennt (sonst Deutsch)"));
    VorlesenHinweis = new QLabel(this);
    VorlesenHinweis->setTextFormat(Qt::PlainText);
    VorlesenHinweis->setWordWrap(true);
    VorlesenHinweis->hide();
    connect(Vorlesen, &QCheckBox::toggled, this, [this](bool an) {
        // Starting a speech engine takes a moment: only for a user who wants one.
        if (an && !sprachmangel_)
            sprachmangel_ = sprachpruefung_();
        const QString mangel = an ? *sprachmangel_ : QString();
        VorlesenHinweis->setText(mangel);
        VorlesenHinweis->setAccessibleName(mangel);
        VorlesenHinweis->setVisible(!mangel.isEmpty());
        aktualisiere();
    });
}

Vorlesesprachen NeuesSpielFenster::vorlesesprachen() const
{
    return liste().listensprachen().value_or(spielsprachen_);
}
