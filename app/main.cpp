#include "app/Programmstart.h"
#include "app/Unit1.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Meldungsfenster.h"
#include "platform/PaarlixApplication.h"
#include "platform/Uhr.h"

int main(int argc, char** argv)
{
    const Befehl befehl = befehlAus(argc, argv);
    if (const std::optional<int> ende = ohneFenster(befehl, argc, argv))
        return *ende;
    PaarlixApplication app(argc, argv);
    if (const std::optional<int> ende = betreteSpielordner(befehl))
        return *ende;
    Meldungsfenster meldungen;
    Fehlerbehandlung::setMeldungen(&meldungen);
    MonotoneUhr uhr;

    TForm1 form(meldungen, uhr);
    meldungen.setElternfenster(&form);
    form.zeigen();
    const int status = app.exec();
    Fehlerbehandlung::setMeldungen(nullptr);
    // A settings error ends the program as a failure.
    return form.EinstellungsFehler ? 1 : status;
}
