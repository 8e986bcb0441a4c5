#include "start/Druckdialog.h"

#include "druck/Druckausgabe.h"
#include "platform/PaarlixFehler.h"
#include "platform/Meldungen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

bool frageDruckoptionen(Druckoptionen& optionen, QWidget* eltern)
{
    QDialog dialog(eltern);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    auto* form = new QFormLayout(&dialog);
    auto* groesse = new QSpinBox(&dialog);
    groesse->setRange(KleinsteSeiteMm, GroessteSeiteMm);
    groesse->setSuffix(QStringLiteral(" mm"));
    groesse->setValue(optionen.LangeSeiteMm);
    form->addRow(QStringLiteral("Lange Seite der Karten:"), groesse);
    auto* nebeneinander = new QCheckBox(QStringLiteral("Beide Karten eines Paares nebeneinander"), &dialog);
    nebeneinander->setChecked(optionen.PaareNebeneinander);
    form->addRow(nebeneinander);
    auto* ohneRuecken = new QCheckBox(QStringLiteral("Ohne Rückseiten"), &dialog);
    ohneRuecken->setChecked(optionen.OhneRueckseiten);
    form->addRow(ohneRuecken);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Vorschau…"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(knoepfe);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    optionen.LangeSeiteMm = groesse->value();
    optionen.PaareNebeneinander = nebeneinander->isChecked();
    optionen.OhneRueckseiten = ohneRuecken->isChecked();
    return true;
}

bool druckeAufDrucker(const QString& ordner, const Druckoptionen& optionen, QPrinter& drucker, Meldungen& meldungen,
                      QWidget* eltern)
{
    Druckoptionen o = optionen;
    o.Seite = drucker.pageLayout().pageSize();
    QProgressDialog fortschritt(QStringLiteral("Die Karten werden gezeichnet …"), QStringLiteral("Abbrechen"), 0, 100,
                                eltern);
    fortschritt.setWindowTitle(QStringLiteral("Drucken"));
    fortschritt.setMinimumDuration(300);
    try {
        const Druckspiel spiel = leseDruckspiel(ordner);
        return zeichneDruck(spiel, o, drucker, [&](int fertig, int gesamt) {
            fortschritt.setMaximum(gesamt);
            fortschritt.setValue(fertig);
            QCoreApplication::processEvents();
            return !fortschritt.wasCanceled();
        });
    } catch (const EPaarlixFehler& e) {
        fortschritt.close();
        meldungen.fehler(e.text());
        return false;
    }
}

bool druckeMitDialog(const QString& ordner, const Druckoptionen& vorgabe, Meldungen& meldungen, QWidget* eltern)
{
    Druckoptionen optionen = vorgabe;
    if (!frageDruckoptionen(optionen, eltern))
        return false;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageSize(optionen.Seite);
    drucker.setFullPage(true);
    drucker.setDocName(QFileInfo(ordner).fileName());
    QPrintPreviewDialog vorschau(&drucker, eltern);
    vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
    bool gezeichnet = false;
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [&](QPrinter* ziel) { gezeichnet = druckeAufDrucker(ordner, optionen, *ziel, meldungen, &vorschau); });
    // Qt's preview keeps its tool buttons out of the Tab order, gives printing no key, and opens
    // too narrow for its bar, hiding the last buttons behind the bar's arrow.
    if (auto* leiste = vorschau.findChild<QToolBar*>()) {
        for (QToolButton* knopf : leiste->findChildren<QToolButton*>())
            knopf->setFocusPolicy(Qt::TabFocus);
        // Printing is the bar's last button.
        if (!leiste->actions().isEmpty())
            leiste->actions().constLast()->setShortcut(QKeySequence::Print);
        // Room for a portrait page too (the pages are not drawn yet, so no size hint tells).
        const QSize passend(std::max(leiste->sizeHint().width() + 40, 640), 760);
        const QScreen* bildschirm = eltern ? eltern->screen() : QGuiApplication::primaryScreen();
        vorschau.resize(bildschirm ? passend.boundedTo(bildschirm->availableSize()) : passend);
    }
    if (vorschau.exec() != QDialog::Accepted || !gezeichnet)
        return false;
    // Printed into a file: say where it went.
    const QFileInfo pdf(drucker.outputFileName());
    if (drucker.outputFormat() == QPrinter::PdfFormat && pdf.isFile() && pdf.size() > 0)
        meldungen.hinweisMitOrdner(QStringLiteral("Die Karten sind als PDF-Datei gespeichert:\n%1")
                                       .arg(QDir::toNativeSeparators(pdf.absoluteFilePath())),
                                   pdf.absolutePath());
    return true;
}
