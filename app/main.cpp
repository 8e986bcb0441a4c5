#include "app/Unit1.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Meldungsfenster.h"
#include "platform/PaarlixApplication.h"
#include "platform/Uhr.h"

int main(int argc, char** argv)
{
    PaarlixApplication app(argc, argv);
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
