// paarlix_symbole <folder>: writes the program's icon for the desktop as
// <folder>/<N>x<N>/apps/<name>.png in the usual sizes: the window icon,
// enlarged by whole pixels, so every size keeps its look.

#include "app/Knopfbild.h"

#include <QDir>
#include <QImage>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        QTextStream(stderr) << "Aufruf: paarlix_symbole <Ordner> <Name>\n";
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage symbol = fenstersymbol();
    for (const int groesse : {16, 32, 48, 64, 128, 256}) {
        const QString unterordner = QStringLiteral("%1/%2x%2/apps").arg(ordner).arg(groesse);
        const QString pfad = unterordner + '/' + name + QStringLiteral(".png");
        const QImage bild = symbol.scaled(groesse, groesse, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(unterordner) || !bild.save(pfad, "PNG")) {
            QTextStream(stderr) << "paarlix_symbole: " << pfad << " kann nicht geschrieben werden\n";
            return 1;
        }
    }
    return 0;
}
