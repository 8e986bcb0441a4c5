#include "widgets/PaarlixApplication.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <gtest/gtest.h>

// Qt's own dialogs (print, page setup, files) and buttons speak German like the rest, whatever the locale (the test runs under C).
TEST(PaarlixApplication, qtsOwnDialogsSpeakGermanWhateverTheLocale)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        GTEST_SKIP() << "qtbase_de.qm fehlt (qt6-translations-l10n)";
    ASSERT_TRUE(ladeQtTexte(*QCoreApplication::instance()));
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
}
