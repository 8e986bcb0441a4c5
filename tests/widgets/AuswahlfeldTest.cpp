#include "widgets/Auswahlfeld.h"

#include <QAccessible>

#include <gtest/gtest.h>

// A screen reader hears what is chosen by its name and the chosen entry as its value;
// Qt's own combo box gives the entry as the name on Linux.
TEST(Auswahlfeld, screenReadersHearTheNameAndTheEntryApart)
{
    Auswahlfeld feld;
    feld.addItems({"automatisch", "Querformat 4:3"});
    feld.setAccessibleName("Kartenformat");
    feld.setCurrentIndex(1);
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(&feld);
    ASSERT_NE(zugang, nullptr);
    EXPECT_EQ(zugang->role(), QAccessible::ComboBox);
    EXPECT_EQ(zugang->text(QAccessible::Name), QString("Kartenformat"));
    EXPECT_EQ(zugang->text(QAccessible::Value), QString("Querformat 4:3"));
    EXPECT_TRUE(zugang->state().collapsed);
}
