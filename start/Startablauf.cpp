#include "start/Startablauf.h"

#include "board/Spielauswahl.h"
#include "start/NeuesSpielFenster.h"
#include "start/Startfenster.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>

#include <memory>

QString waehleSpielImStartfenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen)
{
    // The windows come and go here; the game window's loop is the program's end.
    const bool vorher = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    QEventLoop schleife;
    QString gewaehlt;
    Startfenster start(konfiguration, meldungen);
    std::unique_ptr<NeuesSpielFenster> neu;
    const auto waehle = [&](const QString& ordner) {
        gewaehlt = ordner;
        schleife.quit();
    };
    const auto zeige = [](QWidget* fenster) {
        if (const QScreen* schirm = fenster->screen()) {
            QRect lage = fenster->frameGeometry();
            lage.moveCenter(schirm->availableGeometry().center());
            fenster->move(lage.topLeft());
        }
        fenster->show();
        // Without a window manager the window is only activated when asked.
        fenster->activateWindow();
        fenster->raise();
    };
    QObject::connect(&start, &Startfenster::spielGewaehlt, &schleife, waehle);
    QObject::connect(&start, &Startfenster::geschlossen, &schleife, [&] {
        if (!neu)
            schleife.quit();
    });
    // The new-game window, empty or with the game of `ordner` to edit.
    const auto oeffneNeu = [&](const QString& ordner) {
        auto fenster = std::make_unique<NeuesSpielFenster>(konfiguration, meldungen);
        if (!ordner.isEmpty() && !fenster->bearbeite(ordner)) {
            start.activateWindow();
            return;
        }
        neu = std::move(fenster);
        QObject::connect(neu.get(), &NeuesSpielFenster::spielAngelegt, &schleife, waehle);
        // A game written but not started is found among the last games.
        QObject::connect(neu.get(), &NeuesSpielFenster::spielGeschrieben, &start, [&](const QString& geschrieben) {
            merkeSpiel(konfiguration, geschrieben);
            start.zeigeLetzteSpiele();
        });
        QObject::connect(neu.get(), &NeuesSpielFenster::geschlossen, &schleife, [&] {
            if (!gewaehlt.isEmpty())
                return;
            // Back to the start window; the new-game window goes once its close is done.
            neu.release()->deleteLater();
            zeige(&start);
        });
        start.hide();
        zeige(neu.get());
    };
    QObject::connect(&start, &Startfenster::neuesSpielGewuenscht, &schleife, [&] { oeffneNeu(QString()); });
    QObject::connect(&start, &Startfenster::spielBearbeitenGewuenscht, &schleife, oeffneNeu);
    zeige(&start);
    schleife.exec();
    if (neu)
        neu->hide();
    start.hide();
    QApplication::setQuitOnLastWindowClosed(vorher);
    if (!gewaehlt.isEmpty())
        merkeSpiel(konfiguration, gewaehlt);
    return gewaehlt;
}

void spieleAbStartfenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen,
                          const std::function<void(const QString& ordner)>& spiele)
{
    for (QString ordner; !(ordner = waehleSpielImStartfenster(konfiguration, meldungen)).isEmpty();)
        spiele(ordner);
}
