#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolBar>

// Clicks a "Drucken…" button and goes on as a person does: "Ohne Rückseiten" in the options,
// then the preview by keyboard alone (Tab to its print button, Ctrl+P), whose print dialog
// writes the pages into `pdf`. Returns the steps reached.
inline QStringList druckeUeberVorschau(QAbstractButton* knopf, const QString& pdf)
{
    QStringList schritte;
    QTimer::singleShot(0, knopf, [&, knopf] {
        auto* optionen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!optionen || optionen->windowTitle() != "Drucken")
            return;
        schritte += "Optionen";
        optionen->findChildren<QCheckBox*>().value(1)->setChecked(true); // "Ohne Rückseiten"
        // Waits for the preview, which opens once the options' dialog has gone.
        auto* warten = new QTimer(knopf);
        warten->start(20);
        QObject::connect(warten, &QTimer::timeout, [&, warten] {
            auto* vorschau = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            // Keys go to the focus, which a loaded machine gives the preview a little later.
            QWidget* fokus = QApplication::focusWidget();
            if (!vorschau || !vorschau->isVisible() || !fokus || !vorschau->isAncestorOf(fokus))
                return;
            warten->stop();
            schritte += "Vorschau";
            vorschau->printer()->setOutputFormat(QPrinter::PdfFormat);
            vorschau->printer()->setOutputFileName(pdf);
            QToolBar* leiste = vorschau->findChild<QToolBar*>();
            QWidget* drucken = leiste->widgetForAction(leiste->actions().constLast());
            for (int i = 0; i < 40 && QApplication::focusWidget() && QApplication::focusWidget() != drucken; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            schritte += QApplication::focusWidget() == drucken ? "Tab" : "";
            QTimer::singleShot(0, vorschau, [&] {
                if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()))
                    schritte += "Druckdialog", dialog->accept();
            });
            if (QApplication::focusWidget())
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        });
        optionen->accept();
    });
    // Ends a run that went astray instead of hanging.
    QTimer::singleShot(20000, knopf, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    QTest::mouseClick(knopf, Qt::LeftButton);
    return schritte;
}

// The page count pdfinfo reads, -1 when it cannot.
inline int pdfSeiten(const QString& pdf)
{
    QProcess info;
    info.start("pdfinfo", {pdf});
    if (!info.waitForFinished(60000))
        return -1;
    const QRegularExpressionMatch m
        = QRegularExpression("Pages: +(\\d+)\n").match(QString::fromUtf8(info.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
