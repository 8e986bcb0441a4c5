#include "app/Knopfbild.h"
#include "app/Programmstart.h"
#include "app/Unit1.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Nutzerkonfiguration.h"
#include "widgets/Lautsprecher.h"
#include "widgets/Meldungsfenster.h"
#include "widgets/PaarlixApplication.h"
#include "widgets/Vorleser.h"
#include "platform/Uhr.h"

#include <memory>
#include <optional>

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
        Meldungsfenster meldungen;
        const Fehlerbehandlung::Meldungsziel ziel(meldungen);
        MonotoneUhr uhr;
        Lautsprecher lautsprecher;
        Sprachausgabe sprachausgabe;
        return zeigeFenster(befehl, meldungen, [&] {
            auto form = std::make_unique<TForm1>(meldungen, uhr);
            form->setzeKonfigurationspfad(Nutzerkonfiguration::standardPfad());
            form->richteTonEin(&lautsprecher, befehl.OhneTon);
            form->setzeVorleser(&sprachausgabe);
            meldungen.setzeElternfenster(form.get());
            return form;
        });
    });
}
