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
    QObject::connect(&start, &Startfenster::neuesSpielGewuenscht, &schleife, [&] {
        neu = std::make_unique<NeuesSpielFenster>(konfiguration, meldungen);
        QObject::connect(neu.get(), &NeuesSpielFenster::spielAngelegt, &schleife, waehle);
        QObject::connect(neu.get(), &NeuesSpielFenster::geschlossen, &schleife, [&] {
            if (!gewaehlt.isEmpty())
                return;
            // Back to the start window; the new-game window goes once its close is done.
            neu.release()->deleteLater();
            zeige(&start);
        });
        start.hide();
        zeige(neu.get());
    });
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
