#include "board/Speicherbedarf.h"

#include <climits>
#include <gtest/gtest.h>

// Every cell keeps a card-size and a large picture at 4 bytes per pixel, counted in 64 bits.
TEST(Speicherbedarf, bytesAllerBilder)
{
    EXPECT_EQ(bilderSpeicherbedarf(30, QSize(66, 88), QSize(504, 672)), 30LL * (66 * 88 + 504 * 672) * 4);
    EXPECT_EQ(bilderSpeicherbedarf(10000, QSize(600, 800), QSize(3000, 4000)),
              10000LL * (600 * 800 + 3000LL * 4000) * 4);
    EXPECT_EQ(bilderSpeicherbedarf(10000, QSize(INT_MAX, INT_MAX), QSize(INT_MAX, INT_MAX)), INT64_MAX)
        << "saturates instead of overflowing";
    EXPECT_EQ(bilderSpeicherbedarf(4, QSize(-5, 10), QSize(2, 2)), 4 * 4 * 4);
}

// A board that fits leaves the message empty, also at exactly 80 % of the available memory.
TEST(Speicherbedarf, passendesBrett)
{
    const std::int64_t bedarf = bilderSpeicherbedarf(30, QSize(66, 88), QSize(504, 672));
    EXPECT_EQ(pruefeArbeitsspeicher(30, QSize(66, 88), QSize(504, 672), 1'000'000'000), QString());
    EXPECT_EQ(pruefeArbeitsspeicher(30, QSize(66, 88), QSize(504, 672), bedarf / 4 * 5), QString());
    EXPECT_NE(pruefeArbeitsspeicher(30, QSize(66, 88), QSize(504, 672), bedarf / 4 * 5 - 5), QString());
    EXPECT_EQ(pruefeArbeitsspeicher(10000, QSize(66, 88), QSize(504, 672), std::nullopt), QString())
        << "an unknown amount does not stop the game";
}

// A board too large for the memory gets a message naming the pictures, the need and the usable amount.
TEST(Speicherbedarf, zuGrossesBrett)
{
    EXPECT_EQ(pruefeArbeitsspeicher(10000, QSize(66, 88), QSize(504, 672), 4'000'000'000),
              QStringLiteral("Nicht genügend Arbeitsspeicher.\n\r10000 Karten mit Bildern von 66 x 88 und "
                             "504 x 672 Pixeln brauchen etwa 13,8 GB, für die Bilder verfügbar sind "
                             "etwa 3,2 GB.\n\rBitte weniger Karten oder ein kleineres Fenster in der "
                             "Datei \"Paarlix.ini\" eintragen."));
    const QString klein = pruefeArbeitsspeicher(30, QSize(66, 88), QSize(504, 672), 40'000'000);
    EXPECT_TRUE(klein.contains(QStringLiteral("brauchen etwa 41 MB, für die Bilder verfügbar sind etwa 32 MB."))) << qPrintable(klein);
    EXPECT_NE(pruefeArbeitsspeicher(2, QSize(66, 88), QSize(504, 672), 0), QString());
}

// The kernel's texts are read in bytes; "max" and v1's huge value mean no limit.
TEST(Speicherbedarf, kernelTexte)
{
    const QString meminfo = QStringLiteral("MemTotal:       24576000 kB\nMemFree:         1000 kB\n"
                                           "MemAvailable:   20000000 kB\nBuffers: 5 kB\n");
    EXPECT_EQ(kbWertAus(meminfo, QStringLiteral("MemAvailable")), 20000000LL * 1024);
    EXPECT_EQ(kbWertAus(meminfo, QStringLiteral("Cached")), std::nullopt);
    EXPECT_EQ(kbWertAus(QStringLiteral("Name:\tx\nVmSize:\t  123456 kB\n"), QStringLiteral("VmSize")), 123456LL * 1024)
        << "/proc/self/status separates with a tab";

    EXPECT_EQ(cgroupGrenzeAus(QStringLiteral("max\n")), std::nullopt);
    EXPECT_EQ(cgroupGrenzeAus(QStringLiteral("9223372036854771712\n")), std::nullopt);
    EXPECT_EQ(cgroupGrenzeAus(QStringLiteral("1073741824\n")), 1073741824LL);

    EXPECT_EQ(cgroupPfadAus(QStringLiteral("0::/user.slice/app.scope\n"), true), QStringLiteral("/user.slice/app.scope"));
    const QString v1 = QStringLiteral("5:cpu,cpuacct:/a\n4:memory:/docker/abc\n1:name=systemd:/b\n");
    EXPECT_EQ(cgroupPfadAus(v1, false), QStringLiteral("/docker/abc"));
    EXPECT_EQ(cgroupPfadAus(v1, true), std::nullopt);
}

// On this machine the available memory can be read and is positive.
TEST(Speicherbedarf, verfuegbarAufDiesemRechner)
{
    const auto v = verfuegbarerArbeitsspeicher();
    ASSERT_TRUE(v.has_value());
    EXPECT_GT(*v, 0);
}
