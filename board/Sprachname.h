#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The language a list column's title or the reading-aloud setting names: its
// German name ("Deutsch", "Englisch", "Französisch", …), Qt's English name or
// the language's own ("English", "français"), any case, blanks around
// ignored. None for any other text.
std::optional<QLocale::Language> spracheAusName(QStringView name);

// The name the settings file gets: the German one where the table has it,
// else Qt's English name; spracheAusName reads both back.
QString sprachname(QLocale::Language sprache);
