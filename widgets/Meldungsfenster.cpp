#include "widgets/Meldungsfenster.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {
void zeige(QWidget* eltern, QMessageBox::Icon icon, const QString& titel, const QString& text,
           const QString& ordner = {})
{
    QMessageBox box(icon, titel, text, QMessageBox::Ok, eltern);
    // File names and settings lines are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    QPushButton* oeffnen = ordner.isEmpty() ? nullptr : box.addButton(QStringLiteral("Ordner öffnen"), QMessageBox::ActionRole);
    box.exec();
    if (oeffnen && box.clickedButton() == oeffnen)
        QDesktopServices::openUrl(QUrl::fromLocalFile(ordner));
}
} // namespace

void Meldungsfenster::fehler(const QString& text)
{
    zeige(eltern_, QMessageBox::Critical, QStringLiteral("Fehler"), text);
}

void Meldungsfenster::warnung(const QString& text)
{
    zeige(eltern_, QMessageBox::Warning, QStringLiteral("Warnung"), text);
}

void Meldungsfenster::hinweis(const QString& text)
{
    zeige(eltern_, QMessageBox::NoIcon, QStringLiteral("Paarlix"), text);
}

void Meldungsfenster::programmfehler(const QString& text)
{
    zeige(eltern_, QMessageBox::Critical, QStringLiteral("Paarlix"), text);
}

void Meldungsfenster::hinweisMitOrdner(const QString& text, const QString& ordner)
{
    zeige(eltern_, QMessageBox::NoIcon, QStringLiteral("Paarlix"), text, ordner);
}
