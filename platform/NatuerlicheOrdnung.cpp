#include "platform/NatuerlicheOrdnung.h"

bool natuerlichVor(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            // Numbers by value: without leading zeros the longer one is larger.
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            QStringView za = QStringView(a).mid(i, ei - i);
            QStringView zb = QStringView(b).mid(j, ej - j);
            while (za.size() > 1 && za.front() == '0')
                za = za.mid(1);
            while (zb.size() > 1 && zb.front() == '0')
                zb = zb.mid(1);
            if (za.size() != zb.size())
                return za.size() < zb.size();
            if (const int v = za.compare(zb); v != 0)
                return v < 0;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded();
        const QChar cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}
