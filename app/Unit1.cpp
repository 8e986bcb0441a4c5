#include "app/Unit1.h"

#include "board/Einstellungsleser.h"
#include "board/Paarziehung.h"
#include "app/Knopfbild.h"
#include "board/Speicherbedarf.h"
#include "pictures/Bildarbeitsobjekte.h"
#include "platform/Arbeitsspeicher.h"
#include "platform/BildHalter.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Fensterlage.h"
#include "platform/Meldungen.h"
#include "widgets/TImage.h"
#include "widgets/TPanel.h"
#include "platform/Uhr.h"
#include "platform/Zufallsquelle.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <climits>

TForm1::TForm1(Meldungen& meldungen, Uhr& uhr, std::unique_ptr<Zufallsquelle> zufall)
    : meldungen_(meldungen), uhr_(uhr), zufall_(std::move(zufall))
{
    // Nothing escapes the constructor (e.g. no memory while reading the settings):
    // the error is shown and the window closes at its first activation.
    StartFehler = !Fehlerbehandlung::ausfuehren([this] {
        setWindowTitle(QStringLiteral("  P a a r l i x  -  Das Memory-Spiel mit eigenen Bildern (Hennork)"));
        setWindowIcon(fenstersymbol());
        resize(FensterBreite, FensterHoehe);
        move(727, 128);
        erzeugeSteuerelemente();
        richteTastaturEin();
        for (auto& zeile : PaarNummern)
            zeile.fill(0);
        FormCreate();
    });
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    EinstellungsFehler = false;
    // By its path: another window may exchange the folder for a new version
    // while this one plays, leaving the working folder a removed one.
    spielordner_ = QFileInfo(QStringLiteral(".")).canonicalFilePath();
    if (spielordner_.isEmpty())
        spielordner_ = QDir::currentPath();
    fassung_ = spielfassung(spielordner_);
    Ordner = Spieldateien(spielordner_);
    const Einstellungsergebnis e = leseEinstellungsdatei(Ordner.pfad(QStringLiteral("Paarlix.ini")));
    Einstellungen = e.Werte;
    // The window's backing store is the first memory a setting asks for: it
    // comes with showing the window, so a window that cannot fit is never set.
    const bool fensterPasst = e.EinstellungsFehler || pruefeFensterspeicher(e);
    switch (fensterPasst ? e.Fenster : Einstellungsergebnis::Fensterzustand::NichtGelesen) {
    case Einstellungsergebnis::Fensterzustand::Maximiert:
        Maximiert = true;
        break;
    case Einstellungsergebnis::Fensterzustand::Normal:
        FensterBreite = e.FensterBreite;
        FensterHoehe = e.FensterHoehe;
        resize(FensterBreite, FensterHoehe);
        Maximiert = false;
        break;
    case Einstellungsergebnis::Fensterzustand::NichtGelesen:
        break;
    }
    if (e.Gruppen == 1)
        RadioButton1->setChecked(true);
    else if (e.Gruppen == 2)
        RadioButton2->setChecked(true);
    if (e.Name1Gesetzt)
        Edit1->setText(e.Name1);
    if (e.Name2Gesetzt)
        Edit2->setText(e.Name2);
    meldeEinstellungsfehler(e, meldungen_);
    EinstellungsFehler = e.EinstellungsFehler || !fensterPasst;
}

QSize TForm1::inGeraetepixeln(QSize s) const
{
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const double faktor = bildschirm ? bildschirm->devicePixelRatio() : 1.0;
    const auto skaliert = [faktor](int n) { return int(std::min(n * faktor, double(INT_MAX))); };
    return QSize(skaliert(s.width()), skaliert(s.height()));
}

bool TForm1::pruefeFensterspeicher(const Einstellungsergebnis& e)
{
    Brettmasse m;
    if (e.Fenster == Einstellungsergebnis::Fensterzustand::Maximiert)
        m.Fenster = inGeraetepixeln(verfuegbareFlaeche().size());
    else if (e.Fenster == Einstellungsergebnis::Fensterzustand::Normal)
        m.Fenster = inGeraetepixeln(QSize(e.FensterBreite, e.FensterHoehe));
    const QString meldung = pruefeArbeitsspeicher(m, verfuegbarerArbeitsspeicher());
    if (!meldung.isEmpty())
        meldungen_.fehler(meldung);
    return meldung.isEmpty();
}

QRect TForm1::verfuegbareFlaeche() const
{
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    return bildschirm ? bildschirm->availableGeometry() : QRect(0, 0, 1044, 780);
}

QPoint TForm1::zentriert(QSize aussen) const
{
    QRect r(QPoint(0, 0), aussen);
    r.moveCenter(verfuegbareFlaeche().center());
    return r.topLeft();
}

void TForm1::zeigen()
{
    if (Maximiert) {
        // Without a window manager nobody maximises the window: fill the
        // available area ourselves, then ask for the maximised state too.
        setGeometry(verfuegbareFlaeche());
        showMaximized();
    } else {
        resize(FensterBreite, FensterHoehe);
        move(zentriert(size()));
        show();
    }
    // On a bare X server the activation only comes when asked for.
    activateWindow();
}

bool TForm1::event(QEvent* e)
{
    const bool ergebnis = Rollfenster::event(e);
    if (e->type() == QEvent::WindowActivate)
        Fehlerbehandlung::ausfuehren([this] { FormActivate(); });
    return ergebnis;
}

void TForm1::FormActivate()
{
    // Returning from a message box or another program activates the window
    // again; only the first activation builds.
    if (aktiviert_)
        return;
    aktiviert_ = true;
    if (mitFehlerBeendet()) {
        // Queued, so that the program also ends when this runs before the event loop.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    passeAussengroesseAn();
    baueSpielAuf();
}

void TForm1::passeAussengroesseAn()
{
    // Setting 1 gives the window's outer size, frame included; the frame is
    // known only once the window is shown. The offscreen platform's frame is
    // a fiction of its own and does not count.
    if (!windowHandle() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    const QMargins rahmen = windowHandle()->frameMargins();
    if (Maximiert) {
        // The fallback of zeigen() is right only where no window manager
        // frames the window; one that frames it without maximising it would
        // push the title bar off the screen.
        const QRect verfuegbar = verfuegbareFlaeche();
        if (const auto client = maximierteClientflaeche(verfuegbar, rahmen, windowHandle()->frameGeometry())) {
            resize(client->size());
            move(verfuegbar.topLeft());
        }
        return;
    }
    if (rahmen.isNull())
        return;
    resize(qMax(FensterBreite - rahmen.left() - rahmen.right(), 1),
           qMax(FensterHoehe - rahmen.top() - rahmen.bottom(), 1));
    move(zentriert(QSize(FensterBreite, FensterHoehe)));
}


void TForm1::baueSpielAuf()
{
    if (!zufall_)
        zufall_ = std::make_unique<MersenneZufall>(MersenneZufall::seedAusUhrzeit());
    Arbeitsobjekte = std::make_unique<Bildarbeitsobjekte>();
    Arbeitsobjekte->Ordner = Ordner;
    if (Einstellungen.PaareJeRunde > 0)
        vorhandenePaare_ = vorhandenePaare(Ordner);
    if (!legeFensterAn())
        return;
    if (!pruefeSpeicher())
        return;
    maleSpielfeldhintergrund();
    erzeugeZellen();
    teileBilderAus();
    if (Einstellungen.SpielerAbfragen)
        PAnfangsEinstellungen->show();
    baueGruppenPanelsAuf();
    aufgebaut_ = true;
    if (!Einstellungen.SpielerAbfragen)
        Button1Click();
}
