#include "support/Spielordner.h"

#include "board/Bilddateiname.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

Spielordner::Spielordner() : vorher_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

Spielordner::~Spielordner()
{
    QDir::setCurrent(vorher_);
}

QString Spielordner::pfad(const QString& datei) const
{
    return dir_.filePath(datei);
}

void Spielordner::schreibeIni(const QStringList& werte)
{
    QByteArray text;
    for (int i = 0; i < werte.size(); ++i) {
        // The optional twelfth is read only under the head the writer gives it.
        text += i == 11   ? QByteArray("# 12. Bildpaare je Runde\n")
                : i == 12 ? QByteArray("# 13. Texte vorlesen\n")
                          : "# Einstellung " + QByteArray::number(i + 1) + "\n";
        text += werte[i].toUtf8() + "\n";
    }
    schreibeRohIni(text);
}

void Spielordner::schreibeRohIni(const QByteArray& inhalt)
{
    QFile f(pfad(QStringLiteral("Paarlix.ini")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(inhalt);
}

void Spielordner::schreibeKartentext(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.fillRect(QRect(breite / 4, hoehe / 4, breite / 2, hoehe / 2), QColor(200, 0, 0));
    p.end();
    bild.save(pfad(QStringLiteral("Kartentext.bmp")), "BMP");
}

QColor Spielordner::bildfarbe(int paar, bool zweites)
{
    const int farbton = (paar * 47) % 360;
    return QColor::fromHsv(farbton, 200, zweites ? 150 : 230);
}

void Spielordner::schreibeBilder(int n, int breite, int hoehe)
{
    for (int k = 0; k < n; ++k) {
        const int paar = k / 2 + 1;
        const bool zweites = k % 2 == 1;
        QImage bild(breite, hoehe, QImage::Format_RGB32);
        bild.fill(bildfarbe(paar, zweites));
        bild.save(pfad(bilddateiname(paar, zweites)), "JPG", 95);
    }
}

void Spielordner::loesche(const QString& datei)
{
    QFile::remove(pfad(datei));
}

QStringList standardWerte()
{
    return {QStringLiteral("1016,734"), QStringLiteral("3:4"),  QStringLiteral("6,5"),
            QStringLiteral("auto"),     QStringLiteral("10,10"), QStringLiteral("400"),
            QStringLiteral("0"),        QStringLiteral("1"),     QStringLiteral("1"),
            QStringLiteral("Anna\nBen"), QStringLiteral("0")};
}
