#pragma once

#include "platform/Meldungen.h"

#include <QString>
#include <vector>

// Records message boxes instead of showing them, so tests never block.
class MeldungsRecorder final : public Meldungen {
public:
    struct Eintrag {
        QString art; // "fehler", "warnung", "hinweis", "programmfehler", "hinweisMitOrdner"
        QString text;
        QString ordner = {};
    };

    void fehler(const QString& text) override { eintraege.push_back({QStringLiteral("fehler"), text}); }
    void warnung(const QString& text) override { eintraege.push_back({QStringLiteral("warnung"), text}); }
    void hinweis(const QString& text) override { eintraege.push_back({QStringLiteral("hinweis"), text}); }
    void programmfehler(const QString& text) override
    {
        eintraege.push_back({QStringLiteral("programmfehler"), text});
    }
    void hinweisMitOrdner(const QString& text, const QString& ordner) override { eintraege.push_back({"hinweisMitOrdner", text, ordner}); }

    std::vector<Eintrag> eintraege;
};
