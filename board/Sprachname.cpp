#include "board/Sprachname.h"

#include <array>
#include <utility>

namespace {

// The languages a German teacher names most; the rest by Qt's names.
constexpr std::array<std::pair<const char16_t*, QLocale::Language>, 27> DeutscheNamen = {{
    {u"Deutsch", QLocale::German},         {u"Englisch", QLocale::English},
    {u"Französisch", QLocale::French},     {u"Spanisch", QLocale::Spanish},
    {u"Türkisch", QLocale::Turkish},       {u"Italienisch", QLocale::Italian},
    {u"Polnisch", QLocale::Polish},        {u"Russisch", QLocale::Russian},
    {u"Arabisch", QLocale::Arabic},        {u"Griechisch", QLocale::Greek},
    {u"Niederländisch", QLocale::Dutch},   {u"Portugiesisch", QLocale::Portuguese},
    {u"Ukrainisch", QLocale::Ukrainian},   {u"Kurdisch", QLocale::Kurdish},
    {u"Persisch", QLocale::Persian},       {u"Chinesisch", QLocale::Chinese},
    {u"Japanisch", QLocale::Japanese},     {u"Schwedisch", QLocale::Swedish},
    {u"Dänisch", QLocale::Danish},         {u"Norwegisch", QLocale::NorwegianBokmal},
    {u"Kroatisch", QLocale::Croatian},     {u"Serbisch", QLocale::Serbian},
    {u"Rumänisch", QLocale::Romanian},     {u"Ungarisch", QLocale::Hungarian},
    {u"Tschechisch", QLocale::Czech},      {u"Latein", QLocale::Latin},
    {u"Finnisch", QLocale::Finnish},
}};

bool gleich(QStringView a, QStringView b) { return !b.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

std::optional<QLocale::Language> spracheAusName(QStringView name)
{
    const QStringView n = name.trimmed();
    if (n.isEmpty())
        return std::nullopt;
    for (const auto& [deutsch, sprache] : DeutscheNamen)
        if (gleich(n, QStringView(deutsch)))
            return sprache;
    for (int l = QLocale::AnyLanguage + 1; l <= QLocale::LastLanguage; ++l) {
        const auto sprache = QLocale::Language(l);
        if (gleich(n, QLocale::languageToString(sprache)))
            return sprache;
        // A language without locale data gives the C locale, whose name says nothing. Some
        // own names carry their country ("español de España").
        if (const QLocale eigene(sprache); eigene.language() == sprache) {
            const QString eigenerName = eigene.nativeLanguageName();
            if (gleich(n, eigenerName) || gleich(n, QStringView(eigenerName).left(eigenerName.indexOf(u' '))))
                return sprache;
        }
    }
    return std::nullopt;
}

QString sprachname(QLocale::Language sprache)
{
    for (const auto& [deutsch, s] : DeutscheNamen)
        if (s == sprache)
            return QString::fromUtf16(deutsch);
    return QLocale::languageToString(sprache);
}
