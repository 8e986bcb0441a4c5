#include "pictures/Vorausdarsteller.h"

#include "pictures/Bildfehler.h"

#include <optional>
#include <stdexcept>

namespace {

using Arbeit = Vorlaufpool<Mehrfachdarstellung>::Arbeit;

// One worker's job. Its workshop is built at the first picture, so that a
// workshop that cannot be built fails that picture under its name.
Arbeit bildarbeit(std::shared_ptr<const Vorausdarsteller::Auftrag> a)
{
    auto werkstatt = std::make_shared<std::optional<Bildwerkstatt>>();
    return [a = std::move(a), werkstatt](int k) {
        const QString& name = a->Dateinamen[k];
        return mitBildname(name, [&] {
            if (!*werkstatt)
                werkstatt->emplace();
            return (*werkstatt)->darstelle(name, a->Ziele, a->Modus, a->Randfarbe, a->Verkleinert, a->Ordner);
        });
    };
}

} // namespace

Vorausdarsteller::Vorausdarsteller(Auftrag auftrag, int arbeiter, int vorlauf)
    : auftrag_(std::make_shared<const Auftrag>(std::move(auftrag))),
      pool_(int(auftrag_->Dateinamen.size()), arbeiter, vorlauf, [a = auftrag_] { return bildarbeit(a); })
{
}

Mehrfachdarstellung Vorausdarsteller::hole(int k)
{
    if (k != pool_.genommen())
        throw std::logic_error("Vorausdarsteller: Bild außer der Reihe verlangt");
    return pool_.hole();
}
