#include "app/Knopfbild.h"
#include "app/Programmstart.h"
#include "app/Unit1.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Nutzerkonfiguration.h"
#include "widgets/Lautsprecher.h"
#include "widgets/Meldungsfenster.h"
#include "widgets/PaarlixApplication.h"
#include "platform/Uhr.h"

int main(int argc, char** argv)
{
    // Nothing escapes: an error is shown in a box while one can be shown,
    // otherwise on standard error, and the program ends with status 1.
    return Fehlerbehandlung::hauptprogramm([&] {
        const Befehl befehl = befehlAus(argc, argv);
        if (const std::optional<int> ende = ohneFenster(befehl, argc, argv))
            return *ende;
        schalteSkalierungAus();
        PaarlixApplication app(argc, argv);
        // Every window (start window, dialogs, message boxes) shows the desktop icon's picture.
        app.setWindowIcon(fenstersymbol());
        if (const std::optional<int> ende = betreteSpielordner(befehl))
            return *ende;
        Meldungsfenster meldungen;
        const Fehlerbehandlung::Meldungsziel ziel(meldungen);
        MonotoneUhr uhr;
        Lautsprecher lautsprecher;
        int status = 1;
        Fehlerbehandlung::ausfuehren([&] {
            TForm1 form(meldungen, uhr);
            form.setzeKonfigurationspfad(Nutzerkonfiguration::standardPfad());
            form.richteTonEin(&lautsprecher, befehl.OhneTon);
            meldungen.setzeElternfenster(&form);
            form.zeigen();
            status = app.exec();
            // A settings error or a refused board ends the program as a failure.
            if (form.mitFehlerBeendet())
                status = 1;
        });
        return status;
    });
}
