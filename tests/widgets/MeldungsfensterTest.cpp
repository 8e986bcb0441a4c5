#include "widgets/Meldungsfenster.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {
// Takes the file manager's place.
class Dateimanager final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> geoeffnet;
public slots:
    void oeffne(const QUrl& url) { geoeffnet << url; }
};
} // namespace

// "Ordner öffnen" shows the folder in the file manager; "OK" only closes the box.
TEST(Meldungsfenster, openFolderShowsTheFolderInTheFileManager)
{
    Dateimanager dateimanager;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &dateimanager, "oeffne");
    for (const QString knopf : {"OK", "Ordner öffnen"}) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            for (QAbstractButton* b : box ? box->buttons() : QList<QAbstractButton*>())
                if (b->text() == knopf)
                    b->click();
            if (box && box->isVisible())
                box->close(); // no such button: the check below fails instead of hanging
        });
        Meldungsfenster().hinweisMitOrdner(QStringLiteral("Gespeichert."), QStringLiteral("/tmp/Karten"));
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(dateimanager.geoeffnet, QList<QUrl>({QUrl::fromLocalFile("/tmp/Karten")}));
}

#include "MeldungsfensterTest.moc"
