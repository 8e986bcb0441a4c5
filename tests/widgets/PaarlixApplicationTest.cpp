#include "widgets/PaarlixApplication.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <gtest/gtest.h>

// Qt's own dialogs and buttons speak German like the rest, whatever the locale.
TEST(PaarlixApplication, qtsOwnDialogsSpeakGermanWhateverTheLocale)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        GTEST_SKIP() << "qtbase_de.qm fehlt (qt6-translations-l10n)";
    ASSERT_TRUE(ladeQtTexte(*QCoreApplication::instance()));
    const QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text().toStdString(), "Abbrechen");
    QPrinter drucker;
    const QPrintDialog druckdialog(&drucker);
    EXPECT_EQ(druckdialog.windowTitle().toStdString(), "Drucken");
}
